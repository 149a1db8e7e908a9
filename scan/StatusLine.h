#pragma once

#include "framework/ListBox.h"
#include "framework/Strings.h"
#include "scan/ResultList.h"

#include <windows.h>

#include <string>

// What the status line says about a list: "3 / 120 selected", or the
// completion prompt when the list is empty.
std::string StatusLineText(ListCounts counts);

// Writes the list's count into the message pane of the frame's status bar.
void UpdateStatus(const CListBox& list, HWND frame);

// The wait state of a long command: wait cursor and "Please wait...".
void BeginWait(HWND frame);
