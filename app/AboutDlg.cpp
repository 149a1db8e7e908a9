#include "app/AboutDlg.h"

#include "app/ScaledBanner.h"
#include "app/WebLinks.h"
#include "framework/DialogScaling.h"
#include "framework/Dpi.h"
#include "res/MakerInfo.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg()
{
    if (m_banner != nullptr) DeleteObject(m_banner);
    if (m_font != nullptr) DeleteObject(m_font);
}

bool CAboutDlg::OnInitDialog()
{
    const bool result = CDialog::OnInitDialog();
    // The system would lay the box out from its template again, in the raster font.
    KeepSystemFromRelayingDialog(m_hWnd);
    RECT place = {0, 0, 71, 17};
    MapDialogRect(m_hWnd, &place);
    m_bannerWidth = place.right;
    if (m_dpi > BaseDpi) LayOutFor(m_dpi);
    return result;
}

bool CAboutDlg::RelayoutForDpi(UINT dpi)
{
    LayOutFor(dpi);
    return true;
}

// The template's raster font hardly grows above 100%: the box grows to the
// scale, its texts in the system's outline dialog face (Microsoft Sans Serif
// on Windows, the raster face's twin), so that the banner's place (its
// picture's 141 pixels at 100%) spans the box.
void CAboutDlg::LayOutFor(UINT dpi)
{
    const int bannerWidth = ScaleToDpi(141, dpi);
    HFONT font = CreateFontA(-MulDiv(10, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                             "MS Shell Dlg");
    ScaleDialogLayout(m_hWnd, static_cast<double>(bannerWidth) / m_bannerWidth, font);
    if (m_font != nullptr) DeleteObject(m_font);
    m_font = font;
    m_bannerWidth = bannerWidth;
    HBITMAP banner = ScaledBanner(bannerWidth, ScaleToDpi(27, dpi));
    if (banner == nullptr) return;
    SendDlgItemMessageA(m_hWnd, IDC_BANNER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner));
    if (m_banner != nullptr) DeleteObject(m_banner);
    m_banner = banner;
}

bool CAboutDlg::OnCommand(UINT id, UINT code)
{
    if (code != STN_CLICKED) return false;
    if (id == IDC_EMAIL_LINK) OnEmailLink();
    else if (id == IDC_BANNER) OnBannerClick();
    else return false;
    return true;
}

void CAboutDlg::OnEmailLink() { OpenLink("mailto:" DUSTREL_EMAIL); }

void CAboutDlg::OnBannerClick() { OpenLink(DUSTREL_HOME_PAGE); }
