#include "app/AboutDlg.h"

#include "app/ScaledBanner.h"
#include "app/WebLinks.h"
#include "framework/Dpi.h"
#include "res/MakerInfo.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg()
{
    if (m_banner != nullptr) DeleteObject(m_banner);
}

bool CAboutDlg::OnInitDialog()
{
    const bool result = CDialog::OnInitDialog();
    // The banner spans the box, whose size follows its font; above 100% it
    // is made from its drawing for 200% at that width.
    if (DpiOf(m_hWnd) > BaseDpi) {
        RECT place = {0, 0, 71, 17};
        MapDialogRect(m_hWnd, &place);
        m_banner = ScaledBanner(place.right, MulDiv(place.right, 27, 141));
        if (m_banner != nullptr)
            SendDlgItemMessageA(m_hWnd, IDC_BANNER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_banner));
    }
    return result;
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
