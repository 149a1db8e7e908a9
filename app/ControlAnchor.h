#pragma once

#include <windows.h>

#include <vector>

// Keeps child windows anchored to the edges of their parent as it is resized.
class CControlAnchor {
public:
    // Anchor flags, applied in this order.
    enum : UINT {
        GrowBoth = 0x0002,       // right and bottom follow the parent's size
        GrowWidth = 0x0004,      // right follows
        GrowHeight = 0x0008,     // bottom follows
        MoveRight = 0x0020,      // left and right follow
        MoveDown = 0x0080,       // top and bottom follow
        MoveRightToo = 0x0100,   // left and right follow
        MoveBoth = 0x0200,       // the whole rectangle follows in both directions
        MoveDownToo = 0x0800,    // top and bottom follow
        KeepOnScreen = 0x1000,   // back to where it stood on the screen at registration
    };

    virtual ~CControlAnchor() = default;

    // Moves the children registered with KeepOnScreen alone back to their place
    // on the screen after the parent moved.
    virtual void OnParentMove();
    // Applies every child's flags for the change of the parent's client size.
    virtual void OnParentSize();
    // Records the parent's rectangle and size again and redraws it.
    virtual void Refresh();
    // An edge that follows the parent's size starts no further out than the
    // parent's own, so the child never keeps a negative margin.
    virtual void AddControl(HWND child, UINT flags);
    virtual void Attach(HWND parent);
    virtual void RemoveAllControls();

private:
    struct ClientSize {
        int width;
        int height;
    };
    ClientSize ParentClientSize() const;

    HWND m_parent = nullptr;
    std::vector<HWND> m_children;
    std::vector<RECT> m_clientRects;
    std::vector<RECT> m_screenRects;
    std::vector<UINT> m_flags;
    int m_lastHeight = 0;
    int m_lastWidth = 0;
    RECT m_parentRect = {};
};

extern CControlAnchor g_ControlAnchor;
