#pragma once

#include "rules/PlaceCache.h"
#include "rules/RuleFile.h"
#include "rules/RuleVariables.h"

#include <string>

// The Windows kernel version an entry's DetectOS= is compared with.
struct KernelVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// The version of the running system, as the kernel reports it (the
// compatibility layers do not pretend another one there).
KernelVersion RunningKernelVersion();

// Whether an entry applies here: its DetectOS= holds, and any of its
// detections finds its key, file or browser; an entry without detections
// applies. An unreadable DetectOS= or an unknown SpecialDetect= fails. The
// cache serves every entry of one run.
bool Applies(const RuleEntry& entry, const RuleVariables& variables, KernelVersion version, PlaceCache& cache);
