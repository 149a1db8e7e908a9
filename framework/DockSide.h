#pragma once

#include <windows.h>

// Where a control bar sits: along one of the frame's client edges, or in a
// floating frame of its own.
enum class DockSide { Top, Bottom, Left, Right, Floating };

inline bool IsVerticalSide(DockSide side) { return side == DockSide::Left || side == DockSide::Right; }

// The CBRS_ALIGN_* flag of a side; 0 for floating.
DWORD AlignmentOf(DockSide side);

// The first side the alignments allow, trying top, bottom, left, right;
// Floating when they allow none.
DockSide FirstAllowedSide(DWORD alignments);

// Where a bar dropped at `point` goes. `client` is the frame's client area in
// screen coordinates (below the menu bar); a point inside it and less than
// `thickness` from an allowed edge docks on the nearest such edge, ties
// going to top, bottom, left, right in that order. Anything else floats.
DockSide DockSideForDrop(const RECT& client, int thickness, DWORD alignments, POINT point);

// The drag rectangle of `size` under the pointer, held at `grab` from its
// top-left corner; a grab outside the size is pulled in so the pointer stays
// inside the rectangle when its shape changes.
RECT DragRectAt(POINT pointer, POINT grab, SIZE size);
