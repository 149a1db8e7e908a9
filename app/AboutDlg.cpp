#include "app/AboutDlg.h"

#include "app/WebLinks.h"
#include "res/MakerInfo.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

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
