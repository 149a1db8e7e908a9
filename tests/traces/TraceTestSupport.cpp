#include "tests/traces/TraceTestSupport.h"

#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

ScopedFolder::ScopedFolder(std::string path) : m_path(std::move(path))
{
    if (Exists(m_path)) {
        ADD_FAILURE() << m_path << " is in the way";
        return;
    }
    // Remember the topmost folder made here, so the removal takes exactly
    // what this object made.
    for (size_t slash = m_path.find('\\', 3);; slash = m_path.find('\\', slash + 1)) {
        const std::string level = m_path.substr(0, slash);
        if (!Exists(level)) {
            m_topmostCreated = level;
            break;
        }
        if (slash == std::string::npos) break;
    }
    MakeFolders(m_path);
}

ScopedFolder::~ScopedFolder()
{
    if (!m_topmostCreated.empty()) RemoveTestTree(m_topmostCreated);
}


std::string FileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size()) << path;
}

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t index = 0; index < size; ++index) bytes[index] = static_cast<char>(1 + index % 251);
    return bytes;
}

namespace {
const char IdleStepsProperty[] = "DustrelTestIdleSteps";
}

IdleSteps::IdleSteps(HWND window, WPARAM kind, std::vector<Step> steps)
    : m_window(window), m_kind(kind), m_steps(std::move(steps))
{
    SetPropA(m_window, IdleStepsProperty, this);
    m_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

IdleSteps::~IdleSteps()
{
    if (!IsWindow(m_window)) return;
    SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
    RemovePropA(m_window, IdleStepsProperty);
}

LRESULT CALLBACK IdleSteps::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<IdleSteps*>(GetPropA(window, IdleStepsProperty));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC previous = self->m_previous;
    if (message == WM_ENTERIDLE && wParam == self->m_kind) self->OnIdle(reinterpret_cast<HWND>(lParam));
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void IdleSteps::OnIdle(HWND modal)
{
    if (m_next == m_steps.size()) {
        ADD_FAILURE() << "the modal loop is still running after the last step";
        if (m_kind == MSGF_MENU) EndMenu();
        else EndDialog(modal, IDABORT);
        return;
    }
    m_steps[m_next++](modal);
    if (m_kind == MSGF_DIALOGBOX && IsWindow(modal)) PostMessageA(modal, WM_NULL, 0, 0);
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
