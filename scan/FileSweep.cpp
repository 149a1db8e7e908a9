#include "scan/FileSweep.h"

#include "scan/FolderSize.h"
#include "scan/PathText.h"
#include "scan/WideText.h"

#include <cwchar>

namespace {

std::vector<std::wstring> Parts(const std::wstring& folder)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= folder.size()) {
        size_t end = folder.find(L'\\', start);
        if (end == std::wstring::npos) end = folder.size();
        if (end > start) parts.push_back(folder.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool KeepConcerns(const SweepKeep& keep, const std::vector<std::wstring>& parts)
{
    if (parts.size() < keep.folder.size() || (!keep.subfolders && parts.size() != keep.folder.size())) return false;
    for (size_t index = 0; index < keep.folder.size(); ++index)
        if (!keep.folder[index].Matches(parts[index].c_str())) return false;
    return true;
}

}  // namespace

bool ExactAddressableName(const wchar_t* name, std::string& narrow)
{
    bool exact = false;
    narrow = NarrowWithoutLookAlikes(name, static_cast<int>(std::wcslen(name)), exact);
    return exact && IsAddressableName(narrow.c_str());
}

namespace {

void Measure(const FileSweep& sweep, const std::string& folder, const WorkStatus* status, SweepSize& size)
{
    const std::string pattern = JoinPath(folder, "*");
    if (!FitsPathLimit(pattern)) return;
    const std::vector<const SweepKeep*> keeps = sweep.KeepsIn(folder);
    std::vector<std::string> subfolders;
    ForEachEntry(WideFromNarrow(pattern), [&](const WIN32_FIND_DATAW& entry) {
        if (status != nullptr && status->StopRequested()) return false;
        const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (directory ? !sweep.subfolders || IsLink(entry) : !sweep.Takes(entry.cFileName)) return true;
        // The removal leaves a cloud placeholder where it is.
        if (IsCloudPlaceholder(entry)) return true;
        std::string name;
        if (!ExactAddressableName(entry.cFileName, name) || !FitsPathLimit(JoinPath(folder, name))) return true;
        if (directory) {
            subfolders.push_back(JoinPath(folder, name));
        } else if (!IsKept(keeps, entry.cFileName)) {
            ++size.files;
            size.bytes += FreedBytes(JoinPath(folder, name), entry);
        }
        return true;
    });
    for (const std::string& subfolder : subfolders) Measure(sweep, subfolder, status, size);
}

}  // namespace

bool FileSweep::Takes(const wchar_t* name) const
{
    for (const NameMask& mask : masks)
        if (mask.Matches(name)) return true;
    return false;
}

std::vector<const SweepKeep*> FileSweep::KeepsIn(const std::string& folder) const
{
    std::vector<const SweepKeep*> found;
    if (keeps.empty()) return found;
    const std::vector<std::wstring> parts = Parts(WideFromNarrow(folder));
    for (const SweepKeep& keep : keeps)
        if (KeepConcerns(keep, parts)) found.push_back(&keep);
    return found;
}

bool IsKept(const std::vector<const SweepKeep*>& keeps, const wchar_t* name)
{
    for (const SweepKeep* keep : keeps)
        if (keep->name.Matches(name)) return true;
    return false;
}

SweepSize MeasureSweep(const FileSweep& sweep, const WorkStatus* status)
{
    SweepSize size;
    Measure(sweep, sweep.root, status, size);
    return size;
}
