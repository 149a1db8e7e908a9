#include "app/ProgressDialog.h"

#include "scan/WideText.h"

#include <algorithm>

bool ProgressDialog::Show(HWND owner, const std::string& title, Bar bar)
{
    if (m_dialog != nullptr) return true;
    if (FAILED(CoCreateInstance(CLSID_ProgressDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IProgressDialog,
                                reinterpret_cast<void**>(&m_dialog))) ||
        m_dialog == nullptr) {
        m_dialog = nullptr;
        return false;
    }
    m_bar = bar;
    m_dialog->SetTitle(WideFromNarrow(title).c_str());
    DWORD flags = PROGDLG_NORMAL | PROGDLG_NOMINIMIZE;
    flags |= bar == Bar::Marquee ? PROGDLG_MARQUEEPROGRESS | PROGDLG_NOTIME : PROGDLG_AUTOTIME;
    if (FAILED(m_dialog->StartProgressDialog(owner, nullptr, flags, nullptr))) {
        m_dialog->Release();
        m_dialog = nullptr;
        return false;
    }
    m_dialog->Timer(PDTIMER_RESET, nullptr);
    return true;
}

void ProgressDialog::Update(const WorkStatus::Snapshot& progress)
{
    if (m_dialog == nullptr) return;
    if (progress.current != m_line) {
        m_line = progress.current;
        m_dialog->SetLine(1, WideFromNarrow(m_line).c_str(), TRUE, nullptr);
    }
    if (m_bar == Bar::ByBytes && progress.bytesTotal > 0)
        m_dialog->SetProgress64(std::min(progress.bytesDone, progress.bytesTotal), progress.bytesTotal);
    else if (m_bar != Bar::Marquee && progress.itemsTotal > 0)
        m_dialog->SetProgress64(progress.itemsDone, progress.itemsTotal);
}

bool ProgressDialog::Cancelled() const { return m_dialog != nullptr && m_dialog->HasUserCancelled(); }

void ProgressDialog::Close()
{
    if (m_dialog == nullptr) return;
    m_dialog->StopProgressDialog();
    m_dialog->Release();
    m_dialog = nullptr;
}
