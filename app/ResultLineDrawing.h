#pragma once

#include "app/ResultListView.h"

#include <windows.h>

// The result list draws its lines itself, to show each result's size
// right-aligned beside its path, in the shell's short format.

// Gives the owner-drawn list the line height a plain list has for its font.
void FitResultLineHeight(HWND list);

void DrawResultLine(const DRAWITEMSTRUCT& item, const ResultListView& view);
