#include "rules/RuleFile.h"

#include "rules/RuleText.h"

#include <cwctype>
#include <fstream>
#include <set>
#include <sstream>

namespace {

// The groups LangSecRef= numbers name.
std::wstring GroupName(const std::wstring& number)
{
    static const struct {
        const wchar_t* number;
        const wchar_t* name;
    } groups[] = {
        {L"3006", L"Microsoft Edge"}, {L"3021", L"Applications"}, {L"3022", L"Internet"},
        {L"3023", L"Multimedia"},     {L"3024", L"Utilities"},    {L"3025", L"Windows"},
        {L"3026", L"Firefox"},        {L"3027", L"Opera"},        {L"3028", L"Safari"},
        {L"3029", L"Google Chrome"},  {L"3030", L"Thunderbird"},  {L"3031", L"Windows Store"},
    };
    for (const auto& group : groups)
        if (number == group.number) return group.name;
    return number;
}

// "FileKey12" is the name "FILEKEY" numbered; "Detect" is unnumbered.
bool IsNumbered(const std::wstring& key, const wchar_t* stem, bool numberRequired)
{
    const std::wstring prefix = stem;
    if (key.compare(0, prefix.size(), prefix) != 0) return false;
    if (key.size() == prefix.size()) return !numberRequired;
    for (size_t at = prefix.size(); at < key.size(); ++at)
        if (!std::iswdigit(key[at])) return false;
    return true;
}

// A folder as written, without the backslashes a key often leaves after it
// ("%Temp%\|*.tmp"); a drive's root keeps its own.
std::wstring FolderPart(const std::wstring& text)
{
    std::wstring folder = Trimmed(text);
    while (folder.size() > 1 && folder.back() == L'\\' && !(folder.size() == 3 && folder[1] == L':'))
        folder.pop_back();
    return folder;
}

class Reader {
public:
    Reader(std::string source, RuleFile& file) : m_source(std::move(source)), m_file(file) {}

    bool Line(int number, const std::wstring& raw);

private:
    void Note(int line, const std::string& text) { m_file.notes.push_back({m_source, line, text}); }
    void Value(int line, const std::wstring& name, const std::wstring& value);
    void AddFileKey(int line, const std::wstring& value);
    void AddExclude(int line, const std::wstring& value);
    void AddRegKey(int line, const std::wstring& value);
    RuleEntry* Current() { return m_inEntry ? &m_file.entries.back() : nullptr; }

    std::string m_source;
    RuleFile& m_file;
    std::set<std::wstring> m_names;
    bool m_inEntry = false;
};

// One line; false when it is not a line of a rule file at all.
bool Reader::Line(int number, const std::wstring& raw)
{
    const std::wstring line = Trimmed(raw);
    if (line.empty() || line[0] == L';') return true;
    if (line[0] == L'[') {
        const size_t close = line.rfind(L']');
        if (close == std::wstring::npos) return false;
        const std::wstring name = Trimmed(line.substr(1, close - 1));
        if (name.empty()) return false;
        m_inEntry = m_names.insert(FoldedCase(name)).second;
        if (!m_inEntry) {
            // Which of the two was meant is not certain: the first stays.
            Note(number, "a second entry of the same name is left out");
            return true;
        }
        RuleEntry entry;
        entry.source = m_source;
        entry.line = number;
        entry.name = name;
        m_file.entries.push_back(std::move(entry));
        return true;
    }
    const size_t equals = line.find(L'=');
    if (equals == std::wstring::npos || equals == 0) return false;
    Value(number, FoldedCase(Trimmed(line.substr(0, equals))), Trimmed(line.substr(equals + 1)));
    return true;
}

void Reader::Value(int line, const std::wstring& name, const std::wstring& value)
{
    // Keys of a duplicated entry, or before any entry, belong to nothing.
    RuleEntry* entry = Current();
    if (entry == nullptr) return;
    if (IsNumbered(name, L"FILEKEY", true)) AddFileKey(line, value);
    else if (IsNumbered(name, L"EXCLUDEKEY", true)) AddExclude(line, value);
    else if (IsNumbered(name, L"REGKEY", true)) AddRegKey(line, value);
    else if (IsNumbered(name, L"DETECTFILE", false)) entry->detectFiles.push_back(value);
    else if (IsNumbered(name, L"DETECT", false)) entry->detectKeys.push_back(value);
    else if (name == L"DETECTOS") entry->detectOs = value;
    else if (name == L"SPECIALDETECT") entry->specialDetect = value;
    else if (name == L"WARNING") entry->warning = value;
    else if (name == L"SECTION") entry->section = value;
    else if (name == L"LANGSECREF") {
        if (entry->section.empty()) entry->section = GroupName(value);
    } else if (name.find(L"KEY") != std::wstring::npos || name.find(L"EXCL") != std::wstring::npos ||
               name.find(L"DETECT") != std::wstring::npos) {
        // A misspelt exclude would let through what it was to keep, a
        // misspelt detection would apply the entry where it does not belong.
        entry->unusable = true;
        Note(line, "the key name is not one of the format's: the entry is left out");
    }
}

void Reader::AddFileKey(int line, const std::wstring& value)
{
    const std::vector<std::wstring> parts = SplitText(value, L'|');
    FileKey key;
    key.line = line;
    key.folder = FolderPart(parts[0]);
    if (parts.size() > 1)
        for (const std::wstring& mask : SplitText(parts[1], L';'))
            if (!Trimmed(mask).empty()) key.masks.push_back(Trimmed(mask));
    for (size_t at = 2; at < parts.size(); ++at) {
        // "Recurse", "RECURSE\", a stray "|": the flag is still certain.
        std::wstring flag = FoldedCase(Trimmed(parts[at]));
        while (!flag.empty() && flag.back() == L'\\') flag.pop_back();
        if (flag.empty()) continue;
        if (flag == L"RECURSE" && key.reach == FileKey::Reach::FolderAlone) key.reach = FileKey::Reach::Subfolders;
        else if (flag == L"REMOVESELF") key.reach = FileKey::Reach::SubfoldersAndEmptied;
        else if (flag != L"RECURSE") {
            Note(line, "an unknown flag: the key is left out");
            return;
        }
    }
    if (key.folder.empty() || key.masks.empty()) {
        Note(line, "a key without a folder or a mask removes nothing");
        return;
    }
    for (const std::wstring& mask : key.masks)
        if (mask.find_first_of(L"\\/:") != std::wstring::npos) {
            Note(line, "a mask that holds a path: the key is left out");
            return;
        }
    Current()->fileKeys.push_back(std::move(key));
}

void Reader::AddExclude(int line, const std::wstring& value)
{
    RuleEntry& entry = *Current();
    const std::vector<std::wstring> parts = SplitText(value, L'|');
    const std::wstring kind = FoldedCase(Trimmed(parts[0]));
    ExcludeKey exclude;
    exclude.line = line;
    if (kind == L"REG" && parts.size() >= 2) {
        exclude.kind = ExcludeKey::Kind::Registry;
        exclude.folder = FolderPart(parts[1]);
    } else if ((kind == L"FILE" || kind == L"PATH") && parts.size() >= 2) {
        exclude.kind = kind == L"FILE" ? ExcludeKey::Kind::File : ExcludeKey::Kind::Path;
        exclude.folder = FolderPart(parts[1]);
        exclude.mask = parts.size() >= 3 ? Trimmed(parts[2]) : std::wstring();
        if (exclude.mask.empty() && exclude.kind == ExcludeKey::Kind::File) {
            // "FILE|C:\x\name.txt": the file is the folder's last part.
            const size_t slash = exclude.folder.rfind(L'\\');
            if (slash != std::wstring::npos) {
                exclude.mask = exclude.folder.substr(slash + 1);
                exclude.folder = FolderPart(exclude.folder.substr(0, slash + 1));
            }
        }
        // Keeping more than asked is the safe reading of a missing mask.
        if (exclude.mask.empty() && exclude.kind == ExcludeKey::Kind::Path) exclude.mask = L"*";
    }
    if (exclude.folder.empty() || (exclude.kind != ExcludeKey::Kind::Registry && exclude.mask.empty())) {
        entry.unusable = true;
        Note(line, "an exclude that cannot be read: the entry is left out");
        return;
    }
    entry.excludes.push_back(std::move(exclude));
}

void Reader::AddRegKey(int line, const std::wstring& value)
{
    const std::vector<std::wstring> parts = SplitText(value, L'|');
    RegKey key;
    key.line = line;
    key.key = FolderPart(parts[0]);
    if (parts.size() == 2 && !Trimmed(parts[1]).empty()) {
        key.isValue = true;
        key.value = Trimmed(parts[1]);
    } else if (parts.size() != 1) {
        Note(line, "a registry key whose value cannot be read: the key is left out");
        return;
    }
    if (key.key.find(L'\\') == std::wstring::npos) {
        // A hive alone is never removed.
        Note(line, "a registry key without a path: the key is left out");
        return;
    }
    Current()->regKeys.push_back(std::move(key));
}

}  // namespace

RuleFile ParseRules(const std::string& bytes, const std::string& source)
{
    RuleFile file;
    const std::wstring text = DecodeRuleText(bytes);
    if (text.empty() && !bytes.empty()) {
        file.error = NoteText({source, 1, "the file is not text"});
        return file;
    }
    Reader reader(source, file);
    int number = 0;
    for (std::wstring line : SplitText(text, L'\n')) {
        ++number;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (line.find(L'\0') != std::wstring::npos || !reader.Line(number, line)) {
            file.entries.clear();
            file.notes.clear();
            file.error = NoteText({source, number, "not a line of a rule file; nothing of the file is used"});
            return file;
        }
    }
    return file;
}

RuleFile ReadRuleFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        RuleFile file;
        file.error = path + ": the file cannot be opened";
        return file;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        RuleFile file;
        file.error = path + ": the file cannot be read";
        return file;
    }
    return ParseRules(bytes.str(), path);
}

std::string NoteText(const RuleNote& note)
{
    return note.source + ", line " + std::to_string(note.line) + ": " + note.text;
}
