#include "rules/ProtectedPlaces.h"

#include "rules/RuleText.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace {

std::wstring WithoutSeparator(std::wstring folder)
{
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

}  // namespace

ProtectedPlaces ProtectedPlaces::OfSystem()
{
    ProtectedPlaces places;
    for (REFKNOWNFOLDERID id :
         {FOLDERID_Windows, FOLDERID_System, FOLDERID_SystemX86, FOLDERID_ProgramFilesX64, FOLDERID_ProgramFilesX86,
          FOLDERID_ProgramFilesCommonX64, FOLDERID_ProgramFilesCommonX86, FOLDERID_Profile, FOLDERID_RoamingAppData,
          FOLDERID_LocalAppData, FOLDERID_LocalAppDataLow, FOLDERID_ProgramData, FOLDERID_Desktop,
          FOLDERID_Documents, FOLDERID_Downloads, FOLDERID_Pictures, FOLDERID_Music, FOLDERID_Videos,
          FOLDERID_Public, FOLDERID_UserProfiles}) {
        PWSTR path = nullptr;
        if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path != nullptr) places.Add(path);
        CoTaskMemFree(path);
    }
    return places;
}

void ProtectedPlaces::Add(const std::wstring& folder)
{
    const std::wstring place = WithoutSeparator(FoldedCase(folder));
    if (!place.empty()) m_places.push_back(place);
}

bool ProtectedPlaces::IsProtected(const std::wstring& folder) const
{
    const std::wstring candidate = WithoutSeparator(FoldedCase(folder));
    // A drive's root, "C:" once its backslash is gone.
    if (candidate.size() <= 2) return true;
    for (const std::wstring& place : m_places) {
        if (place == candidate) return true;
        if (place.size() > candidate.size() && place.compare(0, candidate.size(), candidate) == 0 &&
            place[candidate.size()] == L'\\')
            return true;
    }
    return false;
}

bool ProtectedPlaces::Allows(const FileKey& key, const std::wstring& root) const
{
    if (!IsProtected(root)) return true;
    if (key.reach == FileKey::Reach::SubfoldersAndEmptied) return false;
    // A mask of wildcards and dots alone ("*.*", "?*") takes nearly every name.
    for (const std::wstring& mask : key.masks)
        if (mask.find_first_not_of(L"*?.") == std::wstring::npos) return false;
    return true;
}
