#pragma once

#include "framework/ListBox.h"
#include "scan/ResultList.h"

#include <windows.h>

#include <string>

// The whole text of a string resource, or an empty text if there is none.
std::string LoadResourceString(UINT id);

// The text of a string resource after its last newline: the whole text when
// it has no newline, an empty text when the string does not exist.
std::string LoadStringTail(UINT id);

// What the status line says about a list: "3 / 120 selected", or the
// completion prompt when the list is empty.
std::string StatusLineText(ListCounts counts);

// Writes the list's count into the message pane of the frame's status bar.
void UpdateStatus(const CListBox& list, HWND frame);

// The wait state of a long command: wait cursor and "Please wait...".
void BeginWait(HWND frame);
