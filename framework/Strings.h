#pragma once

#include <windows.h>

#include <string>

// The whole text of a string resource, in the thread's language, or an empty
// text if there is none.
std::string LoadResourceString(UINT id);

// The text before the first newline: a command's status-bar prompt.
std::string StringPrompt(UINT id);

// The text after the last newline: a tool tip; the whole text without a newline.
std::string LoadStringTail(UINT id);
