#include "framework/DockSide.h"

#include "framework/ControlBar.h"

#include <algorithm>

namespace {

const DockSide SideOrder[] = {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right};

}  // namespace

DWORD AlignmentOf(DockSide side)
{
    switch (side) {
    case DockSide::Top:
        return CBRS_ALIGN_TOP;
    case DockSide::Bottom:
        return CBRS_ALIGN_BOTTOM;
    case DockSide::Left:
        return CBRS_ALIGN_LEFT;
    case DockSide::Right:
        return CBRS_ALIGN_RIGHT;
    default:
        return 0;
    }
}

DockSide FirstAllowedSide(DWORD alignments)
{
    for (DockSide side : SideOrder)
        if (alignments & AlignmentOf(side)) return side;
    return DockSide::Floating;
}

DockSide DockSideForDrop(const RECT& client, int thickness, DWORD alignments, POINT point)
{
    if (!::PtInRect(&client, point)) return DockSide::Floating;
    const LONG distances[] = {point.y - client.top, client.bottom - 1 - point.y, point.x - client.left,
                              client.right - 1 - point.x};
    DockSide best = DockSide::Floating;
    LONG bestDistance = thickness;
    for (int index = 0; index < 4; ++index) {
        if (!(alignments & AlignmentOf(SideOrder[index])) || distances[index] >= bestDistance) continue;
        best = SideOrder[index];
        bestDistance = distances[index];
    }
    return best;
}

RECT DragRectAt(POINT pointer, POINT grab, SIZE size)
{
    const LONG x = std::clamp(grab.x, 0L, std::max(size.cx - 1, 0L));
    const LONG y = std::clamp(grab.y, 0L, std::max(size.cy - 1, 0L));
    return {pointer.x - x, pointer.y - y, pointer.x - x + size.cx, pointer.y - y + size.cy};
}
