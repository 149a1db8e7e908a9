#include "clean/RecycleBin.h"

#include "scan/WideText.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace {

// The shell's objects want COM on the thread that calls them; whoever called
// may not have asked for it.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_result;
};

template <typename Interface>
struct Released {
    Interface* pointer = nullptr;
    ~Released()
    {
        if (pointer != nullptr) pointer->Release();
    }
};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Hears of each item of an operation. An item the shell would delete for
// good rather than recycle is refused before anything happens to it, which
// ends the operation.
class RecycleOnlySink final : public IFileOperationProgressSink {
public:
    bool refused = false;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == IID_IUnknown || id == IID_IFileOperationProgressSink) {
            *object = static_cast<IFileOperationProgressSink*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack of the call that performs the operation.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem*) override
    {
        if (flags & TSF_DELETE_RECYCLE_IF_POSSIBLE) return S_OK;
        refused = true;
        return HRESULT_FROM_WIN32(ERROR_CANCELLED);
    }
    HRESULT STDMETHODCALLTYPE StartOperations() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem*, HRESULT, IShellItem*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem*, LPCWSTR, LPCWSTR, DWORD, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }
};

// Where no one may be asked, any question the shell asks on this thread is
// answered No as its window opens: the item stays. Nothing but a question
// opens, since the work itself is silent.
thread_local bool t_questionRefused = false;

LRESULT CALLBACK RefuseQuestions(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        t_questionRefused = true;
        const HWND question = reinterpret_cast<HWND>(wParam);
        PostMessageW(question, WM_COMMAND, IDNO, 0);
        PostMessageW(question, WM_CLOSE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class QuestionsRefused {
public:
    QuestionsRefused() : m_hook(SetWindowsHookExW(WH_CBT, RefuseQuestions, nullptr, GetCurrentThreadId()))
    {
        t_questionRefused = false;
    }
    ~QuestionsRefused()
    {
        if (m_hook != nullptr) UnhookWindowsHookEx(m_hook);
    }
    QuestionsRefused(const QuestionsRefused&) = delete;
    QuestionsRefused& operator=(const QuestionsRefused&) = delete;

    bool Armed() const { return m_hook != nullptr; }

private:
    HHOOK m_hook;
};

enum class Attempt { Done, Refused, Unavailable };

// Through the shell's file operation, which tells per item whether it would
// be recycled. Unavailable where the platform does not implement it (Wine).
Attempt RecycleWithoutAsking(const std::string& path)
{
    Released<IFileOperation> operation;
    if (FAILED(CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_IFileOperation,
                                reinterpret_cast<void**>(&operation.pointer))))
        return Attempt::Unavailable;
    const DWORD flags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOFX_EARLYFAILURE;
    if (FAILED(operation.pointer->SetOperationFlags(flags))) return Attempt::Unavailable;
    Released<IShellItem> item;
    if (FAILED(SHCreateItemFromParsingName(WideFromNarrow(path).c_str(), nullptr, IID_IShellItem,
                                           reinterpret_cast<void**>(&item.pointer))))
        return Attempt::Done;  // the check that follows tells what became of it
    RecycleOnlySink sink;
    if (FAILED(operation.pointer->DeleteItem(item.pointer, &sink))) return Attempt::Unavailable;
    // The sink should keep every question away; should one open all the same
    // on this thread, it is answered No.
    const QuestionsRefused questions;
    if (operation.pointer->PerformOperations() == E_NOTIMPL) return Attempt::Unavailable;
    return sink.refused || t_questionRefused ? Attempt::Refused : Attempt::Done;
}

int ShellDelete(const std::string& path, Prompting prompting, HWND owner)
{
    // The full path and the second terminator that ends the shell's list.
    std::vector<char> from(path.begin(), path.end());
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.data();
    // Should the Recycle Bin refuse the item, the shell would delete it for
    // good without a word, and its own deletion follows links: it must ask.
    operation.fFlags = FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_FILESONLY | FOF_WANTNUKEWARNING | FOF_SILENT;
    if (prompting == Prompting::Allowed) return SHFileOperationA(&operation);

    operation.fFlags |= FOF_NOERRORUI;
    const QuestionsRefused questions;
    if (!questions.Armed()) return ERROR_CANCELLED;  // nothing would stop a question
    return SHFileOperationA(&operation);
}

// Whether the drive of a path keeps a Recycle Bin at all.
bool HasRecycleBin(const std::string& path)
{
    SHQUERYRBINFO info = {sizeof info, 0, 0};
    return SHQueryRecycleBinA(path.substr(0, 3).c_str(), &info) == S_OK;
}

std::uint64_t RecycleBinBytes(std::int64_t& items)
{
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(nullptr, &info))) {
        items = 0;
        return 0;
    }
    items = info.i64NumItems;
    return static_cast<std::uint64_t>(info.i64Size);
}

}  // namespace

Removal EmptyRecycleBin()
{
    std::int64_t items = 0;
    const std::uint64_t before = RecycleBinBytes(items);
    SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    const std::uint64_t after = RecycleBinBytes(items);
    const std::uint64_t freed = before > after ? before - after : 0;
    if (items > 0) return {Outcome::Kept, KeptReason::PartlyRemoved, freed};
    return {Outcome::Removed, KeptReason::None, freed};
}

Recycling MoveToRecycleBin(const std::string& path, Prompting prompting, HWND owner)
{
    const ComScope com;
    Recycling recycling;
    if (prompting == Prompting::Never) {
        const Attempt attempt = RecycleWithoutAsking(path);
        recycling.refused = attempt == Attempt::Refused || (attempt == Attempt::Unavailable && !HasRecycleBin(path));
        if (attempt == Attempt::Done || recycling.refused) {
            recycling.recycled = !recycling.refused && !Exists(path);
            return recycling;
        }
    }
    recycling.error = static_cast<DWORD>(ShellDelete(path, prompting, owner));
    recycling.recycled = !Exists(path);
    recycling.refused = !recycling.recycled && prompting == Prompting::Never && t_questionRefused;
    return recycling;
}
