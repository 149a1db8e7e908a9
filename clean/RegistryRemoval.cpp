#include "clean/RegistryRemoval.h"

namespace {

Removal Of(LONG error)
{
    if (error == ERROR_SUCCESS) return {Outcome::Removed, KeptReason::None, 0};
    if (error == ERROR_FILE_NOT_FOUND) return {Outcome::Kept, KeptReason::GoneBefore, 0};
    return {Outcome::Kept, error == ERROR_ACCESS_DENIED ? KeptReason::AccessDenied : KeptReason::NotRemoved, 0};
}

}  // namespace

Removal RemoveRegistryItem(const RegistryItem& item)
{
    if (item.key.empty()) return Of(ERROR_INVALID_PARAMETER);  // never a hive
    HKEY key = nullptr;
    const REGSAM access = item.isValue ? KEY_SET_VALUE : KEY_READ | KEY_SET_VALUE | DELETE;
    LONG error = RegOpenKeyExA(item.hive, item.key.c_str(), 0, access | item.view, &key);
    if (error != ERROR_SUCCESS) return Of(error);
    if (item.isValue) {
        error = RegDeleteValueA(key, item.value.c_str());
        RegCloseKey(key);
        return Of(error);
    }
    // Its subkeys and values first: the key itself goes only once empty.
    error = RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
    if (error != ERROR_SUCCESS) return Of(error);
    return Of(RegDeleteKeyExA(item.hive, item.key.c_str(), item.view, 0));
}
