#include "clean/SweepRemoval.h"

#include "scan/FolderSize.h"
#include "scan/ItemPlace.h"
#include "scan/PathText.h"
#include "scan/WideText.h"

#include <cwchar>
#include <vector>

namespace {

struct Walk {
    const FileSweep& sweep;
    const SweepFileRemover& remove;
    WorkStatus* status;
    SweepTally tally;

    void Folder(const std::string& folder, const std::string& resolvedFolder);
    void Subfolder(const std::string& folder, const std::string& resolvedFolder, const std::string& name,
                   DWORD attributes);
};

void Walk::Folder(const std::string& folder, const std::string& resolvedFolder)
{
    const std::string pattern = JoinPath(folder, "*");
    if (!FitsPathLimit(pattern)) {
        tally.anyLeft = true;
        return;
    }
    if (status != nullptr) status->SetCurrent(folder);
    const std::vector<const SweepKeep*> keeps = sweep.KeepsIn(folder);
    std::vector<std::pair<std::string, DWORD>> subfolders;
    ForEachEntry(WideFromNarrow(pattern), [&](const WIN32_FIND_DATAW& entry) {
        if (status != nullptr && status->StopRequested()) {
            tally.anyLeft = true;
            return false;
        }
        const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (directory ? !sweep.subfolders || IsLink(entry) : !sweep.Takes(entry.cFileName)) return true;
        if (!directory && IsKept(keeps, entry.cFileName)) return true;
        std::string name;
        // A cloud placeholder stays, as in every removal: deleting it would
        // free nothing here and take the user's copy in the cloud.
        if (IsCloudPlaceholder(entry) || !ExactAddressableName(entry.cFileName, name) ||
            !FitsPathLimit(JoinPath(folder, name))) {
            tally.anyLeft = true;
            return true;
        }
        const std::string path = JoinPath(folder, name);
        const std::uint64_t bytes = directory ? 0 : FreedBytes(path, entry);
        if (directory) {
            subfolders.emplace_back(name, entry.dwFileAttributes);
        } else if (remove(path, resolvedFolder, name.c_str(), entry.dwFileAttributes)) {
            tally.bytes += bytes;
            if (status != nullptr) status->AddBytes(bytes);
        } else {
            tally.anyLeft = true;
        }
        return true;
    });
    for (const auto& subfolder : subfolders) Subfolder(folder, resolvedFolder, subfolder.first, subfolder.second);
}

// A folder is entered only when it lies where its name says; an emptied one
// goes through the same check.
void Walk::Subfolder(const std::string& folder, const std::string& resolvedFolder, const std::string& name,
                     DWORD attributes)
{
    const std::string child = JoinPath(folder, name);
    HANDLE item = OpenInPlace(child, 0, resolvedFolder, name.c_str());
    if (item == INVALID_HANDLE_VALUE) {
        tally.anyLeft = true;
        return;
    }
    CloseHandle(item);
    Folder(child, JoinPath(resolvedFolder, name));
    if (!sweep.removeEmptied || (attributes & FILE_ATTRIBUTE_READONLY) != 0) return;
    item = OpenInPlace(child, 0, resolvedFolder, name.c_str());
    if (item == INVALID_HANDLE_VALUE) return;
    CloseHandle(item);
    RemoveDirectoryA(child.c_str());  // stays when it still holds something
}

}  // namespace

SweepTally RemoveSweptFiles(const FileSweep& sweep, const std::string& resolvedRoot, const SweepFileRemover& remove,
                            WorkStatus* status)
{
    Walk walk{sweep, remove, status, {}};
    walk.Folder(sweep.root, resolvedRoot);
    if (sweep.removeEmptied && !(status != nullptr && status->StopRequested())) RemoveDirectoryA(sweep.root.c_str());
    return walk.tally;
}
