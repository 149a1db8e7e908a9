#pragma once

#include "menus/DrawnFrameWnd.h"

#include <windows.h>

#include <functional>

// A drawn frame with the main menu, shown, that runs one step inside a menu
// loop it is the owner of, once the menu waits for input, then ends it.
class MenuFrame : public CDrawnFrameWnd {
public:
    // Made on the heap: the frame deletes itself with its window.
    static MenuFrame* Open();
    void Close();

    using Step = std::function<void(HWND menuWindow)>;
    // Tracks a popup of the menu bar at a screen point; false when no step ran.
    bool WhileOpen(HMENU popup, POINT at, Step step);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;

private:
    Step m_step;
    bool m_stepRan = false;
};

// The popup's window, painted through, in window coordinates.
COLORREF WindowPixel(HWND window, int x, int y);
