// Times the cleaning rules and prints what they found and the seconds taken.
//   rules_bench generate FILE        writes a rule file shaped like the community's:
//                                    4,000 entries, 14,000 file keys, none installed
//   rules_bench detect FILE          reads the file and detects every entry
//   rules_bench list RULES           lists a rule file's lines over their folders
//   rules_bench bare FOLDER          the platform's enumeration of a tree alone
#include "rules/RuleListing.h"
#include "rules/RuleSources.h"
#include "scan/WideText.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& stop)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Entries as the community writes them: a registry key and a program file to
// detect, caches under wildcard folders, logs, an exclude, a registry key.
void Generate(const char* path)
{
    std::ofstream out(path, std::ios::binary);
    out << "; Version: bench\r\n";
    for (int entry = 0; entry < 4000; ++entry) {
        const std::string app = "BenchApp" + std::to_string(entry);
        const std::string vendor = "BenchVendor" + std::to_string(entry % 1500);
        out << "\r\n[" << app << " *]\r\nLangSecRef=" << 3021 + entry % 5 << "\r\n"
            << "Detect=HKCU\\Software\\" << vendor << "\\" << app << "\r\n"
            << "DetectFile=%ProgramFiles%\\" << vendor << "\\" << app << "\\" << app << ".exe\r\n"
            << "Default=False\r\n"
            << "FileKey1=%LocalAppData%\\" << vendor << "\\" << app << "\\Cache|*.*|RECURSE\r\n"
            << "FileKey2=%AppData%\\" << vendor << "\\" << app << "*\\logs|*.log;*.txt\r\n"
            << "FileKey3=%LocalAppData%\\" << vendor << "\\" << app << "\\User Data\\*\\GPUCache|*|REMOVESELF\r\n";
        if (entry % 2 == 0) out << "FileKey4=%Temp%\\" << app << "|*.tmp\r\n";
        out << "ExcludeKey1=FILE|%LocalAppData%\\" << vendor << "\\" << app << "\\Cache\\|index\r\n"
            << "RegKey1=HKCU\\Software\\" << vendor << "\\" << app << "\\Recent\r\n";
    }
}

int BareEnumeration(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE found = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                    nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (found == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) count += BareEnumeration(folder + L"\\" + name);
        else ++count;
    } while (FindNextFileW(found, &entry));
    FindClose(found);
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: rules_bench generate|detect|list|bare PATH\n");
        return 2;
    }
    const std::string command = argv[1];
    if (command == "generate") {
        Generate(argv[2]);
        return 0;
    }
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    if (command == "bare") {
        const int count = BareEnumeration(WideFromNarrow(argv[2]));
        QueryPerformanceCounter(&stop);
        std::printf("%d %.3f\n", count, Seconds(start, stop));
        return 0;
    }
    const RuleSet rules = RulesOfFile(argv[2]);
    ResultSet results;
    std::vector<std::string> notes;
    AddRuleResults(results, rules.entries, RuleContext::OfSystem(), notes);
    QueryPerformanceCounter(&stop);
    std::printf("%zu %zu %.3f %llu\n", rules.entries.size(), results.Size(), Seconds(start, stop),
                static_cast<unsigned long long>(results.TotalBytes()));
    return rules.errors.empty() ? 0 : 1;
}
