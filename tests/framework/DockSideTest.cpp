#include "framework/ControlBar.h"
#include "framework/DockSide.h"

#include <gtest/gtest.h>

namespace {

// A frame's client area on the screen, 400 by 300, and a bar 26 pixels thick.
const RECT Client = {100, 150, 500, 450};
const int Thickness = 26;

struct DropCase {
    const char* where;
    POINT point;
    DWORD alignments;
    DockSide expected;
};

const DropCase DropCases[] = {
    // Along each edge, just inside.
    {"top edge", {300, 150}, CBRS_ALIGN_ANY, DockSide::Top},
    {"bottom edge", {300, 449}, CBRS_ALIGN_ANY, DockSide::Bottom},
    {"left edge", {100, 300}, CBRS_ALIGN_ANY, DockSide::Left},
    {"right edge", {499, 300}, CBRS_ALIGN_ANY, DockSide::Right},
    // The zone is as deep as the bar is thick, and no deeper.
    {"last row of the top zone", {300, 150 + Thickness - 1}, CBRS_ALIGN_ANY, DockSide::Top},
    {"first row below the top zone", {300, 150 + Thickness}, CBRS_ALIGN_ANY, DockSide::Floating},
    {"last column of the right zone", {500 - Thickness, 300}, CBRS_ALIGN_ANY, DockSide::Right},
    {"first column left of the right zone", {499 - Thickness, 300}, CBRS_ALIGN_ANY, DockSide::Floating},
    {"middle of the client area", {300, 300}, CBRS_ALIGN_ANY, DockSide::Floating},
    // Near a corner the nearer edge wins; an exact tie goes to top or bottom.
    {"top-left corner, nearer the left", {103, 160}, CBRS_ALIGN_ANY, DockSide::Left},
    {"top-left corner, nearer the top", {110, 152}, CBRS_ALIGN_ANY, DockSide::Top},
    {"bottom-right corner, tie", {495, 445}, CBRS_ALIGN_ANY, DockSide::Bottom},
    // Outside the client area (above it is the menu bar) it floats.
    {"on the menu bar", {300, 149}, CBRS_ALIGN_ANY, DockSide::Floating},
    {"left of the frame", {99, 300}, CBRS_ALIGN_ANY, DockSide::Floating},
    {"right of the frame", {500, 300}, CBRS_ALIGN_ANY, DockSide::Floating},
    {"below the frame", {300, 450}, CBRS_ALIGN_ANY, DockSide::Floating},
    // A side that is not allowed is never chosen.
    {"left edge, left not allowed", {100, 300}, CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM, DockSide::Floating},
    {"top edge, only bottom allowed", {300, 150}, CBRS_ALIGN_BOTTOM, DockSide::Floating},
    {"corner nearer the left, left not allowed", {103, 160}, CBRS_ALIGN_TOP, DockSide::Top},
    {"right edge, nothing allowed", {499, 300}, 0, DockSide::Floating},
};

TEST(DockSide, DropPointChoosesTheNearestAllowedEdge)
{
    for (const DropCase& drop : DropCases)
        EXPECT_EQ(DockSideForDrop(Client, Thickness, drop.alignments, drop.point), drop.expected) << drop.where;
}

TEST(DockSide, FirstAllowedSideTriesTopBottomLeftRight)
{
    EXPECT_EQ(FirstAllowedSide(CBRS_ALIGN_ANY), DockSide::Top);
    EXPECT_EQ(FirstAllowedSide(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT), DockSide::Bottom);
    EXPECT_EQ(FirstAllowedSide(CBRS_ALIGN_RIGHT | CBRS_ALIGN_LEFT), DockSide::Left);
    EXPECT_EQ(FirstAllowedSide(CBRS_ALIGN_RIGHT), DockSide::Right);
    EXPECT_EQ(FirstAllowedSide(0), DockSide::Floating);
    EXPECT_EQ(FirstAllowedSide(CBRS_TOOLTIPS | CBRS_GRIPPER), DockSide::Floating);
}

TEST(DockSide, DragRectKeepsThePointerWhereItGrabbed)
{
    const RECT held = DragRectAt({200, 100}, {5, 8}, {150, 30});
    EXPECT_EQ(held.left, 195);
    EXPECT_EQ(held.top, 92);
    EXPECT_EQ(held.right - held.left, 150);
    EXPECT_EQ(held.bottom - held.top, 30);

    // Grabbed far along a wide bar, then shown narrow: the pointer stays inside.
    const RECT narrow = DragRectAt({200, 100}, {300, 40}, {30, 150});
    EXPECT_TRUE(PtInRect(&narrow, POINT{200, 100}));
    EXPECT_EQ(narrow.right - narrow.left, 30);
    EXPECT_EQ(narrow.bottom - narrow.top, 150);
}

}  // namespace
