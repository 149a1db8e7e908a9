#pragma once

// Start and end of the menu library's shared state: version code, remote
// session flag, "GradientFill" from Msimg32.dll and the looks. Static
// initialisation runs the start before the program does; both may be
// called again.
void StartMenuLibrary();
void StopMenuLibrary();
