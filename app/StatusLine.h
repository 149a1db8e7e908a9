#pragma once

#include "app/ResultListView.h"
#include "framework/Strings.h"

#include <windows.h>

#include <cstdint>
#include <string>

// What the status line says about a list: "3 / 120 selected", or the
// completion prompt when the list is empty.
std::string StatusLineText(ListCounts counts);

// A size-pane text: one of the IDS_..._BYTES formats with a size in it.
std::string ByteCountText(UINT format, std::uint64_t bytes);

// Writes the list's count (or the offer to delete as administrator) into the
// message pane of the frame's status bar and the selected lines' total into
// its size pane.
void UpdateStatus(const ResultListView& view, HWND frame);

// Writes a text into the size pane, or the message pane.
void SetSizePane(HWND frame, const std::string& text);
void SetMessagePane(HWND frame, const std::string& text);

// The wait state of a long command: wait cursor and "Please wait...".
void BeginWait(HWND frame);
