#pragma once

#include "framework/ControlBar.h"

#include <string>

// The status bar: a stretchy message pane along the frame's bottom edge, and
// after it any further panes, each as wide as its text.
class CStatusBar : public CControlBar {
public:
    bool Create(CWnd* parent, DWORD style, UINT id);
    // The first pane is the message pane (ID_SEPARATOR); the others are
    // indicators whose width follows their text.
    bool SetIndicators(const UINT* ids, int count);
    // Puts a text into a pane and shows it at once.
    void SetPaneText(int pane, const std::string& text) const;
    std::string GetPaneText(int pane) const;

    void LayoutIn(RECT& free) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Sets the panes' edges: the later panes fit their texts, the first takes the rest.
    void FitPanes();
    int TextWidth(int pane) const;

    int m_paneCount = 1;
};
