#pragma once

#include "framework/Dialog.h"

// The About box: version, credit, and the maker's mail and home page.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code) override;
    void OnEmailLink();
    void OnBannerClick();

private:
    HBITMAP m_banner = nullptr;
    HFONT m_font = nullptr;
};
