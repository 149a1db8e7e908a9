#pragma once

#include <windows.h>

// A function of user32.dll that newer systems have: null where this one
// lacks it, so that the program still starts on older ones.
template <class Function>
Function UserFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}
