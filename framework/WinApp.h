#pragma once

#include "framework/CmdTarget.h"
#include "framework/Document.h"

#include <windows.h>

#include <memory>
#include <string>

class CFrameWnd;
class CFormView;

// What a new document is made of: its resources and its three classes.
class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT resourceId, CDocument* (*newDocument)(), CFrameWnd* (*newFrame)(),
                       CFormView* (*newView)())
        : m_resourceId(resourceId), m_newDocument(newDocument), m_newFrame(newFrame), m_newView(newView)
    {
    }
    // Makes the document, the frame with its view, and runs the view's initial update.
    CFrameWnd* OpenNewDocument(int showCommand);
    CDocument* GetDocument() const { return m_document.get(); }

private:
    UINT m_resourceId;
    CDocument* (*m_newDocument)();
    CFrameWnd* (*m_newFrame)();
    CFormView* (*m_newView)();
    std::unique_ptr<CDocument> m_document;
};

// The command line as the framework reads it: no options, so nothing but a new document.
struct CCommandLineInfo {
    enum Shell { FileNew, FileNothing };
    Shell m_nShellCommand = FileNew;
};

// The application: start-up, the message loop with accelerators and idle
// command enabling, the document template, and per-user integer settings in
// the registry. One object per program.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
    virtual int Run();
    // Idle work after the queue empties; true asks for more.
    virtual bool OnIdle(long count);
    virtual bool PreTranslateMessage(MSG* message);

    // Settings live under HKEY_CURRENT_USER\Software\<key>\<application name>.
    void SetRegistryKey(UINT stringId);
    void SetRegistryKey(const char* key);
    // A missing value, or one whose data is not four bytes, gives the default.
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    bool WriteProfileInt(const char* section, const char* entry, int value) const;

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    void ParseCommandLine(CCommandLineInfo& info) const;
    bool ProcessShellCommand(const CCommandLineInfo& info);

    CFrameWnd* m_pMainWnd = nullptr;
    std::string m_pszAppName;
    std::string m_pszRegistryKey;
    int m_nCmdShow = SW_SHOWNORMAL;
    const char* m_lpCmdLine = "";

private:
    std::string ApplicationKey() const;
    std::unique_ptr<CSingleDocTemplate> m_docTemplate;
};

CWinApp* AfxGetApp();
