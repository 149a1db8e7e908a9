#include "app/DeleteQuestion.h"

#include "framework/Strings.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "scan/ByteSize.h"
#include "scan/WideText.h"

#include <commctrl.h>

namespace {
const char Section[] = "Options";
const char Entry[] = "AskBeforeDelete";

// Puts each value into its "%..." place of a format from the string table.
std::string Filled(UINT format, const std::string& count, const std::string& size)
{
    std::string text = LoadResourceString(format);
    for (const auto& [slot, value] : {std::make_pair("%d", count), std::make_pair("%s", size)}) {
        const size_t at = text.find(slot);
        if (at != std::string::npos) text.replace(at, 2, value);
    }
    return text;
}
// Escape and the close button send IDCANCEL without a button behind it.
// Wine's task dialog takes that for a click on a missing control and stays
// open; here it answers No, as Windows does for a dialog without Cancel.
LRESULT CALLBACK CancelIsNo(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && lParam == 0) {
        PostMessageW(dialog, TDM_CLICK_BUTTON, IDNO, 0);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(dialog, CancelIsNo, 0);
    return DefSubclassProc(dialog, message, wParam, lParam);
}

HRESULT CALLBACK OnDialogEvent(HWND dialog, UINT event, WPARAM, LPARAM, LONG_PTR)
{
    if (event == TDN_CREATED) SetWindowSubclass(dialog, CancelIsNo, 0, 0);
    return S_OK;
}

}  // namespace

bool AsksBeforeDeleting(const CWinApp& application) { return application.GetProfileInt(Section, Entry, 1) != 0; }

void SetAsksBeforeDeleting(const CWinApp& application, bool asks)
{
    application.WriteProfileInt(Section, Entry, asks ? 1 : 0);
}

std::string DeleteQuestionText(std::size_t items, std::uint64_t bytes)
{
    return Filled(items == 1 ? IDS_DELETE_QUESTION_ONE : IDS_DELETE_QUESTION, std::to_string(items),
                  ByteSizeText(bytes));
}

bool ConfirmDeletion(HWND owner, const CWinApp& application, std::size_t items, std::uint64_t bytes)
{
    if (!AsksBeforeDeleting(application)) return true;

    const std::wstring title = WideFromNarrow(LoadResourceString(AFX_IDS_APP_TITLE));
    const std::wstring question = WideFromNarrow(DeleteQuestionText(items, bytes));
    const std::wstring warning = WideFromNarrow(LoadResourceString(IDS_DELETE_WARNING));
    const std::wstring stopAsking = WideFromNarrow(LoadResourceString(IDS_DELETE_STOP_ASKING));

    TASKDIALOGCONFIG config = {};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    // Escape and the close button answer as No does.
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszMainInstruction = question.c_str();
    config.pszContent = warning.c_str();
    config.pszVerificationText = stopAsking.c_str();
    config.nDefaultButton = IDNO;
    config.pfCallback = OnDialogEvent;

    int button = IDNO;
    BOOL stop = FALSE;
    if (FAILED(TaskDialogIndirect(&config, &button, nullptr, &stop)) || button != IDYES) return false;
    if (stop) SetAsksBeforeDeleting(application, false);
    return true;
}
