#include "rules/RuleListing.h"

#include "rules/FolderExpansion.h"
#include "rules/RegistryPath.h"
#include "rules/RuleText.h"
#include "scan/PathText.h"
#include "scan/WideText.h"

namespace {

// A path as the program's narrow text, only when it converts exactly: a
// character the code page lacks would come out as "?", a wildcard.
bool ExactNarrow(const std::wstring& wide, std::string& narrow)
{
    bool exact = false;
    narrow = NarrowWithoutLookAlikes(wide.c_str(), static_cast<int>(wide.size()), exact);
    return exact && FitsPathLimit(narrow);
}

std::vector<NameMask> FolderMasks(const std::wstring& folder)
{
    std::vector<NameMask> parts;
    for (const std::wstring& part : SplitText(folder, L'\\'))
        if (!part.empty()) parts.emplace_back(part);
    return parts;
}

class EntryListing {
public:
    EntryListing(const RuleEntry& entry, const RuleContext& context, PlaceCache& cache, ResultSet& results,
                 std::vector<std::string>& notes)
        : m_entry(entry), m_context(context), m_cache(cache), m_results(results), m_notes(notes),
          m_name(NarrowFromWide(entry.name)), m_warning(NarrowFromWide(entry.warning))
    {
    }

    void Run();

private:
    void Note(int line, const std::string& text)
    {
        m_notes.push_back(m_entry.source + ", line " + std::to_string(line) + " (" + m_name + "): " + text);
    }
    bool ReadExcludes();
    void AddFileKey(const FileKey& key);
    void AddRoot(const FileKey& key, const std::wstring& root);
    void AddRegKey(const RegKey& key);
    Result RuleResult(std::string line, std::string path) const;

    const RuleEntry& m_entry;
    const RuleContext& m_context;
    PlaceCache& m_cache;
    ResultSet& m_results;
    std::vector<std::string>& m_notes;
    std::string m_name;
    std::string m_warning;
    std::vector<SweepKeep> m_keeps;
    std::vector<RegistryPath> m_keptKeys;
};

void EntryListing::Run()
{
    if (m_entry.unusable || !Applies(m_entry, m_context.variables, m_context.version, m_cache)) return;
    if (!ReadExcludes()) return;
    for (const FileKey& key : m_entry.fileKeys) {
        if (m_results.StopRequested()) return;
        AddFileKey(key);
    }
    for (const RegKey& key : m_entry.regKeys) AddRegKey(key);
}

// An exclude that does not expand would keep nothing of what it was written
// to keep: the entry then removes nothing.
bool EntryListing::ReadExcludes()
{
    for (const ExcludeKey& exclude : m_entry.excludes) {
        if (exclude.kind == ExcludeKey::Kind::Registry) {
            RegistryPath path;
            if (!ReadRegistryPath(exclude.folder, path)) {
                Note(exclude.line, "an exclude names no registry hive: the entry is left out");
                return false;
            }
            m_keptKeys.push_back(path);
            continue;
        }
        const auto expansions = m_context.variables.Expand(exclude.folder);
        if (expansions.empty()) {
            Note(exclude.line, "an exclude's folder does not expand: the entry is left out");
            return false;
        }
        for (const auto& expansion : expansions)
            m_keeps.push_back({FolderMasks(expansion.path), NameMask(exclude.mask),
                               exclude.kind == ExcludeKey::Kind::Path});
    }
    return true;
}

void EntryListing::AddFileKey(const FileKey& key)
{
    const auto expansions = m_context.variables.Expand(key.folder);
    if (expansions.empty()) {
        Note(key.line, "the folder does not expand to a full path: the key is left out");
        return;
    }
    for (const auto& expansion : expansions)
        for (const std::wstring& root : MatchingFolders(expansion, m_results.Status())) AddRoot(key, root);
}

void EntryListing::AddRoot(const FileKey& key, const std::wstring& root)
{
    std::string narrowRoot;
    if (!ExactNarrow(root, narrowRoot)) return;
    if (!m_context.protectedPlaces.Allows(key, root)) {
        Note(key.line, narrowRoot + " is a protected place; a key there may remove only files of narrow masks");
        return;
    }
    auto sweep = std::make_shared<FileSweep>();
    sweep->root = narrowRoot;
    for (const std::wstring& mask : key.masks) sweep->masks.emplace_back(mask);
    sweep->subfolders = key.reach != FileKey::Reach::FolderAlone;
    sweep->removeEmptied = key.reach == FileKey::Reach::SubfoldersAndEmptied;
    sweep->keeps = m_keeps;
    if (WorkStatus* status = m_results.Status()) status->SetCurrent(narrowRoot);
    const SweepSize size = MeasureSweep(*sweep, m_results.Status());
    if (m_results.StopRequested() || size.files == 0) return;
    Result result = RuleResult(SweepLine(narrowRoot, key), narrowRoot);
    result.bytes = size.bytes;
    result.sweep = std::move(sweep);
    m_results.Add(std::move(result));
}

void EntryListing::AddRegKey(const RegKey& key)
{
    RegistryPath path;
    if (!ReadRegistryPath(key.key, path) || path.key.empty()) {
        Note(key.line, "the registry key names no hive: the key is left out");
        return;
    }
    const std::wstring folded = FoldedCase(path.key);
    for (const RegistryPath& kept : m_keptKeys) {
        const std::wstring keptKey = FoldedCase(kept.key);
        const bool overlap = keptKey.compare(0, folded.size(), folded) == 0 ||
                             folded.compare(0, keptKey.size(), keptKey) == 0;
        // Removing a key would take a kept one under it along; a value in a
        // kept key is kept with it.
        if (kept.hive == path.hive && overlap) {
            Note(key.line, "an exclude keeps a key there: the key is left out");
            return;
        }
    }
    auto item = std::make_shared<RegistryItem>();
    item->hive = path.hive;
    item->isValue = key.isValue;
    if (!ExactNarrow(path.key, item->key) || !ExactNarrow(key.value, item->value)) return;
    bool found = false;
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(path.hive, path.key.c_str(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS) continue;
        found = !key.isValue ||
                RegQueryValueExW(opened, key.value.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(opened);
        if (found) {
            item->view = view;
            break;
        }
    }
    if (!found) return;
    std::string line = NarrowFromWide(path.hiveName) + "\\" + item->key;
    if (key.isValue) line += " | " + item->value;
    if (item->view == KEY_WOW64_32KEY) line += " (32-bit)";
    Result result = RuleResult(line, line);
    result.registry = std::move(item);
    m_results.Add(std::move(result));
}

Result EntryListing::RuleResult(std::string line, std::string path) const
{
    Result result;
    result.line = std::move(line);
    result.path = std::move(path);
    result.rule = m_name;
    result.warning = m_warning;
    return result;
}

}  // namespace

RuleContext RuleContext::OfSystem()
{
    return {RuleVariables::OfSystem(), ProtectedPlaces::OfSystem(), RunningKernelVersion()};
}

void AddRuleResults(ResultSet& results, const std::vector<RuleEntry>& entries, const RuleContext& context,
                    std::vector<std::string>& notes)
{
    PlaceCache cache;
    for (const RuleEntry& entry : entries) {
        if (results.StopRequested()) return;
        EntryListing(entry, context, cache, results, notes).Run();
    }
}

std::string SweepLine(const std::string& root, const FileKey& key)
{
    std::string masks;
    for (const std::wstring& mask : key.masks) masks += (masks.empty() ? "" : ";") + NarrowFromWide(mask);
    std::string line = JoinPath(root, masks);
    if (key.reach == FileKey::Reach::Subfolders) line += " (with subfolders)";
    if (key.reach == FileKey::Reach::SubfoldersAndEmptied) line += " (with subfolders; emptied folders go)";
    return line;
}
