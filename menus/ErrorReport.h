#pragma once

// Shows the thread's last error, if any, in a message box titled "Error".
void ShowLastError();
