#pragma once

#include "scan/Results.h"
#include "scan/WorkStatus.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Removing found items, one result at a time, with an account of what became
// of each. Nothing is removed but the item a result names, and no link is
// followed.

enum class RemovalMode { Delete, Recycle };

// Whether the platform may ask the user anything on the way (the Recycle
// Bin's warning before an item it refuses would be deleted for good). Where
// it may not, such an item is kept.
enum class Prompting { Allowed, Never };

enum class Outcome { Listed, Removed, Recycled, Kept };

// Why an item stayed.
enum class KeptReason {
    None,
    GoneBefore,      // nothing was there to remove
    PathTooLong,     // its path does not fit the platform's limit
    Unaddressable,   // its name cannot be given to the system exactly
    Link,            // it is a link or junction, or reached through one
    InUse,           // another program holds it open
    AccessDenied,    // the system refused it
    PartlyRemoved,   // a folder some of whose content stayed
    NoRecycleBin,    // the Recycle Bin would not take it, and no one may be asked
    RegistryNotRecycled,  // a registry key or value, which the Recycle Bin does not take
    WarningNotAccepted,   // its rule warns, and the caller did not accept the warning
    NotRemoved,      // anything else the system reported
};

struct Removal {
    Outcome outcome = Outcome::Listed;
    KeptReason reason = KeptReason::None;
    // What the removal freed (Delete) or moved to the Recycle Bin (Recycle):
    // the sizes of the files actually gone.
    std::uint64_t bytes = 0;
};

// A short English name of a reason, as reports give it ("in use").
const char* KeptReasonName(KeptReason reason);

// Deletes a result's item for good (a folder with everything in it) or moves
// it to the Recycle Bin. A rule's line removes exactly what its key says:
// the matching files under its root, none an exclude keeps, no folder that
// still holds something; its registry key or value is deleted, and kept
// under Recycle. With a `status`, the bytes freed are told to it as
// they go, and a folder's removal stops between items when it asks: the
// folder is then kept, partly removed.
// Any window the shell shows on the way (its question before deleting an
// item the Recycle Bin refuses) is owned by `owner`.
Removal RemoveResult(const Result& result, RemovalMode mode, Prompting prompting = Prompting::Allowed,
                     WorkStatus* status = nullptr, HWND owner = nullptr);

// Removes the results one after the other, in their order, and tells what
// became of each; after a stop the rest are left as listed.
std::vector<Removal> RemoveResults(const std::vector<Result>& results, RemovalMode mode, Prompting prompting,
                                   WorkStatus* status = nullptr, HWND owner = nullptr);

// Whether a line should leave the list after its removal: its item is gone.
inline bool LeavesList(const Removal& removal)
{
    return removal.outcome == Outcome::Removed || removal.outcome == Outcome::Recycled ||
           removal.reason == KeptReason::GoneBefore;
}

// Removes a folder with everything in it, depth first, clearing read-only
// bits on the way. A link inside is removed as itself and never entered;
// where the platform cannot remove a link without reaching its target, the
// link stays. A folder that is itself a link is left alone.
Removal RemoveFolderTree(const std::string& folder);
