#pragma once

#include "framework/ControlBar.h"

#include <vector>

class CFrameWnd;

// The toolbar: flat buttons from a toolbar resource (a list of 16-bit words:
// version, image width, image height, count, then the command ids, 0 for a
// separator) and the bitmap of the same id. Tool tips come from the second
// half of each command's string; the frame shows the first half while the
// mouse is over a button.
class CToolBar : public CControlBar {
public:
    bool CreateEx(CFrameWnd* frame, DWORD controlStyle, DWORD style, UINT id);
    bool LoadToolBar(UINT resourceId);

    const std::vector<UINT>& ButtonIds() const { return m_ids; }
    bool IsButtonEnabled(UINT id) const;

    void EnableDocking(DWORD alignments) { m_dockAlignments = alignments; }
    DWORD DockAlignments() const { return m_dockAlignments; }

    void LayoutIn(RECT& free) override;
    void UpdateCommandUI() override;

protected:
    CFrameWnd* m_pFrame = nullptr;
    std::vector<UINT> m_ids;
    DWORD m_dockAlignments = 0;
};
