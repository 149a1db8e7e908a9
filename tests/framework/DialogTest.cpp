#include "framework/Dialog.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

// A dialog that paints its background with a brush of its own, and asks
// itself for that brush once it is up, as the system would when painting.
class ColouredDialog : public CDialog {
public:
    ColouredDialog() : CDialog(IDD_ABOUTBOX) {}
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    LRESULT answer = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CTLCOLORDLG) return reinterpret_cast<LRESULT>(brush);
        return CDialog::WindowProc(message, wParam, lParam);
    }

protected:
    bool OnInitDialog() override
    {
        HDC dc = GetDC(m_hWnd);
        answer = SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hWnd));
        ReleaseDC(m_hWnd, dc);
        EndDialog(m_hWnd, IDOK);
        return true;
    }
};

TEST(DialogTest, AColourAnswerReachesTheSystemAsItIs)
{
    ColouredDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.answer, reinterpret_cast<LRESULT>(dialog.brush));
}

}  // namespace
