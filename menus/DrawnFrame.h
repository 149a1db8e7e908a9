#pragma once

#include "menus/DrawnMenu.h"

#include <windows.h>

#include <functional>

class CWnd;

// What the library adds to a frame window: the drawn menu bar and system
// menu, measuring and mnemonics of their items, popup announcement, image
// refresh after colour changes and hot menu-bar items where the system
// draws none.
class CDrawnFrameSupport {
public:
    CDrawnMenu defaultMenu;
    CDrawnMenu systemMenu;
    int inMenuLoop = 0;
    int hotTimerId = 0;
    int hotBarItem = -1;

protected:
    CDrawnFrameSupport() = default;
    ~CDrawnFrameSupport() = default;

    using BaseHandler = std::function<LRESULT(UINT, WPARAM, LPARAM)>;
    // Handles the messages the library takes part in, calling the frame's
    // base handling where it belongs; false for every other message.
    bool OnDrawnFrameMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                             const BaseHandler& base);

private:
    LRESULT OnNcHitTest(HWND frame, LPARAM point, LRESULT hit);
    void KillHotTimer(HWND frame);
};

// Offers a measure request to the menus of a frame: the popup it tracks,
// its menu bar, its system menu. False when none of them holds the item.
bool MeasureFrameMenuItem(HWND frame, LPMEASUREITEMSTRUCT request);

// Sends the frame a draw request for a menu-bar item in its window DC;
// 0 when the item is not owner-drawn or has no rectangle.
int DrawBarItem(int position, HWND frame, HMENU menu, UINT state);

// Sets a timer with the first free id from 31 to 99; 0 when none is set.
int StartMenuTimer(HWND window, UINT milliseconds);
