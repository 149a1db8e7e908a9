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
    bool RelayoutForDpi(UINT dpi) override;
    void OnEmailLink();
    void OnBannerClick();

private:
    // The box laid out for a DPI, in pixels, from the layout it has now.
    void LayOutFor(UINT dpi);

    HBITMAP m_banner = nullptr;
    HFONT m_font = nullptr;
    // The width of the banner's place as laid out now.
    int m_bannerWidth = 0;
};
