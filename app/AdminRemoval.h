#pragma once

#include "app/ResultListView.h"

#include <windows.h>

#include <string>

// Delete as Administrator: the selected lines whose deletion the system
// refused, deleted again by the console program with administrator rights.
// The lines it deleted leave the list, the rest keep their place and their
// selection, and the status line tells what was freed, or that the consent
// was not given and nothing changed.
void DeleteDeniedAsAdministrator(ResultListView& view, HWND frame);

// The system's shield that marks what asks for administrator rights, at the
// size of a small icon; shared, not to be destroyed.
HICON ShieldIcon();

// A status text with a number of lines in its "%d".
std::string LineCountText(UINT format, size_t count);
