#pragma once

#include <array>
#include <cstddef>

// The kinds of privacy traces the Advance dialog erases, in the order of its
// check boxes, which is also the order in which they are erased.
enum class TraceKind {
    UrlHistory,
    AutoCompletePasswords,
    RunHistory,
    FindHistory,
    TypedUrl,
    RecentDocuments,
};

constexpr std::size_t TraceKindCount = 6;

// The kinds a user picked.
class TraceSelection {
public:
    TraceSelection() = default;

    static TraceSelection Only(TraceKind kind)
    {
        TraceSelection selection;
        selection.Set(kind, true);
        return selection;
    }
    static TraceSelection All()
    {
        TraceSelection selection;
        selection.m_kinds.fill(true);
        return selection;
    }

    void Set(TraceKind kind, bool selected) { m_kinds[Index(kind)] = selected; }
    bool Has(TraceKind kind) const { return m_kinds[Index(kind)]; }

private:
    static std::size_t Index(TraceKind kind) { return static_cast<std::size_t>(kind); }
    std::array<bool, TraceKindCount> m_kinds = {};
};
