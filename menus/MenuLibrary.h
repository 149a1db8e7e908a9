#pragma once

// Start and end of the menu library's shared state: version code, remote
// session flag, "GradientFill" from Msimg32.dll, the looks, and the thread
// hook with the map of the menu windows it takes over. Static
// initialisation runs the start before the program does; both may be
// called again. The start throws std::bad_alloc when the hook cannot be set.
void StartMenuLibrary();
void StopMenuLibrary();
