#include "app/ElevatedRemoval.h"

#include "scan/WideText.h"

#include <nlohmann/json.hpp>
#include <sddl.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>

namespace {

// The console program, beside this program's own file.
std::string ConsoleProgram()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return {};
    std::string program(path, length);
    const size_t slash = program.find_last_of('\\');
    if (slash == std::string::npos) return {};
    return program.substr(0, slash + 1) + "DustrelCmd.exe";
}

std::string UserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::string sid;
    char* text = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

// A new folder in the user's temporary folder that no one but this user and
// administrators may use: no one else can change what the elevated program
// reads there, nor what it writes back. Empty when none could be made.
std::string MakePrivateFolder()
{
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    const std::string sid = UserSid();
    if (length == 0 || length >= sizeof temp || sid.empty()) return {};
    const std::string access = "D:P(A;OICI;FA;;;" + sid + ")(A;OICI;FA;;;BA)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(access.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return {};
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor, FALSE};
    std::string folder;
    for (DWORD attempt = 0; attempt < 100 && folder.empty(); ++attempt) {
        const std::string name = std::string(temp, length) + "Dustrel-admin-" + std::to_string(GetCurrentProcessId()) +
                                 "-" + std::to_string(GetTickCount() + attempt);
        if (CreateDirectoryA(name.c_str(), &attributes)) folder = name;
        else if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    LocalFree(descriptor);
    return folder;
}

bool WriteLines(const std::string& file, const std::vector<std::string>& lines)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
    return static_cast<bool>(out.flush());
}

std::string ReadFile(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string NarrowFromUtf8(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return NarrowFromWide(wide);
}

KeptReason ReasonNamed(const std::string& name)
{
    for (int reason = 0; reason <= static_cast<int>(KeptReason::NotRemoved); ++reason)
        if (name == KeptReasonName(static_cast<KeptReason>(reason))) return static_cast<KeptReason>(reason);
    return KeptReason::NotRemoved;
}

// Starts the console program elevated; the process, or null with the reason in `error`.
HANDLE StartElevated(HWND owner, const std::string& program, const std::string& parameters, const std::string& folder,
                     DWORD& error)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // The process handle to wait on; no message box of the shell's own on failure,
    // and the call returns only when the start is settled.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner;
    info.lpVerb = "runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_HIDE;
    if (ShellExecuteExA(&info) && info.hProcess != nullptr) return info.hProcess;
    error = GetLastError();
    return nullptr;
}

}  // namespace

ElevatedOutcome OutcomeOfReport(const std::string& json)
{
    ElevatedOutcome outcome;
    const nlohmann::json report = nlohmann::json::parse(json, nullptr, false);
    if (report.is_discarded() || !report.contains("results") || !report.contains("refused")) return outcome;
    for (const nlohmann::json& item : report["results"]) {
        Removal removal;
        const std::string said = item.value("outcome", "");
        removal.outcome = said == "removed" ? Outcome::Removed : said == "kept" ? Outcome::Kept : Outcome::Listed;
        if (removal.outcome == Outcome::Kept) removal.reason = ReasonNamed(item.value("reason", ""));
        if (removal.outcome == Outcome::Removed) removal.bytes = item.value("bytes", std::uint64_t{0});
        outcome.items.emplace_back(NarrowFromUtf8(item.value("line", "")), removal);
    }
    for (const nlohmann::json& line : report["refused"])
        outcome.refused.push_back(NarrowFromUtf8(line.get<std::string>()));
    outcome.state = ElevatedOutcome::State::Done;
    return outcome;
}

ElevatedOutcome DeleteElevated(HWND owner, const std::string& listingSwitch, const std::vector<std::string>& lines,
                               const std::function<void(HANDLE process)>& wait)
{
    ElevatedOutcome outcome;
    const std::string program = ConsoleProgram();
    const std::string folder = MakePrivateFolder();
    if (program.empty() || folder.empty()) return outcome;
    const std::string requests = folder + "\\lines.txt";
    const std::string report = folder + "\\report.json";
    if (WriteLines(requests, lines)) {
        const std::string parameters =
            listingSwitch + " /delete /json /only:\"" + requests + "\" /report:\"" + report + "\"";
        DWORD error = 0;
        if (HANDLE process = StartElevated(owner, program, parameters, folder, error)) {
            wait(process);
            DWORD status = 0;
            GetExitCodeProcess(process, &status);
            CloseHandle(process);
            // 0 and 1 are runs that did what they could; anything else did nothing.
            if (status <= 1) outcome = OutcomeOfReport(ReadFile(report));
        } else if (error == ERROR_CANCELLED) {
            outcome.state = ElevatedOutcome::State::Cancelled;
        }
    }
    DeleteFileA(requests.c_str());
    DeleteFileA(report.c_str());
    RemoveDirectoryA(folder.c_str());
    return outcome;
}
