#pragma once

// Hands a web or mail address to the shell; nothing is shown if that fails.
void OpenLink(const char* address);
