#include "framework/WinApp.h"

#include "framework/FormView.h"
#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"
#include "framework/Strings.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp* AfxGetApp() { return g_application; }

CWinApp::CWinApp(const char* appName)
{
    if (appName) m_pszAppName = appName;
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this) g_application = nullptr;
}

void CWinApp::SetRegistryKey(UINT stringId) { SetRegistryKey(LoadResourceString(stringId).c_str()); }

void CWinApp::SetRegistryKey(const char* key)
{
    m_pszRegistryKey = key;
    if (m_pszAppName.empty()) m_pszAppName = LoadResourceString(AFX_IDS_APP_TITLE);
}

std::string CWinApp::ApplicationKey() const
{
    return "Software\\" + m_pszRegistryKey + "\\" + m_pszAppName;
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (ApplicationKey() + "\\" + section).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return defaultValue;
    BYTE data[4] = {};
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExA(key, entry, nullptr, nullptr, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size != sizeof data) return defaultValue;
    return static_cast<int>(static_cast<DWORD>(data[0]) | static_cast<DWORD>(data[1]) << 8 |
                            static_cast<DWORD>(data[2]) << 16 | static_cast<DWORD>(data[3]) << 24);
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (ApplicationKey() + "\\" + section).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD data = static_cast<DWORD>(value);
    const LONG status = RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) { m_docTemplate = std::move(docTemplate); }

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const { info.m_nShellCommand = CCommandLineInfo::FileNew; }

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    if (info.m_nShellCommand != CCommandLineInfo::FileNew) return true;
    if (!m_docTemplate) return false;
    m_pMainWnd = m_docTemplate->OpenNewDocument(m_nCmdShow);
    return m_pMainWnd != nullptr;
}

bool CWinApp::PreTranslateMessage(MSG* message)
{
    return m_pMainWnd != nullptr && m_pMainWnd->PreTranslateMessage(message);
}

bool CWinApp::OnIdle(long count)
{
    if (count == 0 && m_pMainWnd != nullptr) m_pMainWnd->OnIdleUpdateCmdUI();
    return false;
}

int CWinApp::Run()
{
    MSG message = {};
    bool idle = true;
    for (;;) {
        for (long count = 0; idle && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++count)
            if (!OnIdle(count)) idle = false;
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) break;
        if (!PreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        // Moving the mouse, painting and the caret's timer change no command's state.
        switch (message.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
        case WM_PAINT:
        case 0x0118:
            break;
        default:
            idle = true;
        }
    }
    return ExitInstance();
}

CFrameWnd* CSingleDocTemplate::OpenNewDocument(int showCommand)
{
    m_document.reset(m_newDocument());
    if (!m_document->OnNewDocument()) return nullptr;
    CFrameWnd* frame = m_newFrame();
    CCreateContext context = {m_document.get(), m_newView};
    if (!frame->LoadFrame(m_resourceId, &context)) {
        delete frame;
        return nullptr;
    }
    frame->InitialUpdateFrame(showCommand);
    return frame;
}
