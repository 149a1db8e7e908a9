#pragma once

#include "framework/ControlBar.h"
#include "framework/DockSide.h"
#include "framework/MiniDockFrameWnd.h"

#include <commctrl.h>

#include <memory>
#include <vector>

class CFrameWnd;

// The toolbar: flat buttons from a toolbar resource (a list of 16-bit words:
// version, image width, image height, count, then the command ids, 0 for a
// separator) and the bitmap of the same id. Tool tips come from the second
// half of each command's string; the frame shows the first half while the
// mouse is over a button.
//
// Docked, the bar has a gripper in its non-client area (left end when
// horizontal, top end when vertical) and a border line on the side that
// faces the view. Dragging the gripper, or the floating frame's caption,
// shows a drag rectangle; the drop docks the bar on the frame edge it is
// near, or floats it in a CMiniDockFrameWnd.
class CToolBar : public CControlBar {
public:
    CToolBar() = default;
    ~CToolBar() override;

    bool CreateEx(CFrameWnd* frame, DWORD controlStyle, DWORD style, UINT id);
    bool LoadToolBar(UINT resourceId);
    // Shows the buttons' pictures from a strip of images of this size in
    // place of the loaded bitmap (pictures drawn for another scale); the
    // bar keeps the strip's image list.
    bool SetImageStrip(UINT bitmapId, SIZE image, COLORREF mask);
    bool HasImageStrip() const { return m_images != nullptr; }

    const std::vector<UINT>& ButtonIds() const { return m_ids; }
    bool IsButtonEnabled(UINT id) const;

    // The sides this bar may dock on (CBRS_ALIGN_*).
    void EnableDocking(DWORD alignments) { m_dockAlignments = alignments; }
    DWORD DockAlignments() const { return m_dockAlignments; }
    // The sides the frame lets bars dock on; the frame tells its bars.
    void SetFrameAlignments(DWORD alignments) { m_frameAlignments = alignments; }

    DockSide Side() const { return m_side; }
    bool IsFloating() const { return m_side == DockSide::Floating; }
    CMiniDockFrameWnd* FloatingFrame() const { return m_floatFrame.get(); }

    // Docks on a side of the frame; a side that the bar or the frame does
    // not allow floats the bar where it is instead.
    void DockAt(DockSide side);
    // Floats the bar with its floating frame's top-left corner at a screen point.
    void FloatAt(POINT topLeft);
    // Docks a floating bar where it was last docked, or on the first side allowed.
    void DockBack();

    // Dragging, in screen coordinates: begun from the gripper or the floating
    // frame's caption, ended by the button going up (or by calling EndDrag).
    void BeginDrag(POINT point);
    void EndDrag(POINT point);
    void CancelDrag();
    bool IsDragging() const { return m_drag.pressed; }
    // Where a drop at this screen point would put the bar.
    DockSide DropSide(POINT point) const;

    // The bar's size when docked on a side, gripper and border included.
    SIZE DockedSize(DockSide side) const;

    void LayoutIn(RECT& free) override;
    void UpdateCommandUI() override;
    void ShowBar(bool show) override;
    bool IsBarVisible() const override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The floating frame to make, of the kind the frame asks for.
    std::unique_ptr<CMiniDockFrameWnd> NewFloatingFrame();

    CFrameWnd* m_pFrame = nullptr;
    std::vector<UINT> m_ids;
    DWORD m_dockAlignments = 0;

private:
    struct DragState {
        bool pressed = false;
        bool moved = false;
        POINT start = {};
        POINT grab = {};
        RECT shown = {};
        int shownWidth = 0;
    };

    DWORD AllowedAlignments() const { return m_dockAlignments & m_frameAlignments; }
    void SetSide(DockSide side);
    void SetVerticalLayout(bool vertical) const;
    SIZE ContentSize(bool vertical) const;
    SIZE MeasureContent() const;
    SIZE FloatingFrameSize() const;
    RECT GripperRect() const;  // window coordinates; empty when floating
    bool OnGripper(POINT screen) const;
    void PaintNonClient();
    void DragTo(POINT point);
    void ShowDragRect(const RECT& rect, int width);
    void HideDragRect();

    DockSide m_side = DockSide::Top;
    DockSide m_lastDockSide = DockSide::Top;
    DWORD m_frameAlignments = 0;
    // The button area's size in each layout, measured once.
    mutable bool m_measured = false;
    mutable SIZE m_horzContent = {};
    mutable SIZE m_vertContent = {};
    DragState m_drag;
    std::unique_ptr<CMiniDockFrameWnd> m_floatFrame;
    HIMAGELIST m_images = nullptr;
};
