#pragma once

#include "framework/ControlBar.h"

#include <string>

// The status bar: one stretchy message pane along the frame's bottom edge.
class CStatusBar : public CControlBar {
public:
    bool Create(CWnd* parent, DWORD style, UINT id);
    // Only the one message pane (ID_SEPARATOR) is supported.
    bool SetIndicators(const UINT* ids, int count);
    // Puts a text into a pane and shows it at once.
    void SetPaneText(int pane, const std::string& text) const;
    std::string GetPaneText(int pane) const;

    void LayoutIn(RECT& free) override;
};
