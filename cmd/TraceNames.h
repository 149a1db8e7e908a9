#pragma once

#include "traces/TraceKind.h"

// The names of the kinds of traces on the command line and in reports, in
// the order of TraceKind.
inline constexpr const char* TraceKindNames[TraceKindCount] = {"url", "passwords", "run", "find", "typed", "recent"};

inline const char* TraceKindName(TraceKind kind) { return TraceKindNames[static_cast<std::size_t>(kind)]; }
