#include "res/resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// A string of the table in one language, read from its block directly so
// that the thread's language plays no part.
std::wstring StringIn(UINT id, LANGID language)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC block = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA((id >> 4) + 1), language);
    if (block == nullptr) return {};
    const auto* entry = static_cast<const WCHAR*>(LockResource(LoadResource(module, block)));
    for (UINT index = 0; index < (id & 15); ++index) entry += 1 + *entry;
    return std::wstring(entry + 1, *entry);
}

const UINT EveryString[] = {
    IDR_MAINFRAME,        ID_EDIT_SELECT_ALL,   ID_EDIT_UNSELECT_ALL, ID_EDIT_DELETE,        ID_EDIT_RECYCLE,
    ID_VIEW_REFRESH,      ID_OPTIONS_COOKIES,   ID_OPTIONS_IETEMP,    AFX_IDS_APP_TITLE,     AFX_IDS_IDLEMESSAGE,
    IDS_CLEANUP_COMPLETED, IDS_PLEASE_WAIT,     ID_APP_ABOUT,         ID_APP_EXIT,           ID_NEXT_PANE,
    ID_PREV_PANE,         ID_INDICATOR_EXT,     ID_INDICATOR_OVR,     ID_INDICATOR_REC,      ID_VIEW_TOOLBAR,
    ID_VIEW_STATUS_BAR,   AFX_IDS_SCSIZE,       AFX_IDS_SCMOVE,       AFX_IDS_SCMINIMIZE,    AFX_IDS_SCMAXIMIZE,
    AFX_IDS_SCNEXTWINDOW, AFX_IDS_SCPREVWINDOW, AFX_IDS_SCCLOSE,      AFX_IDS_SCRESTORE,     AFX_IDS_SCTASKLIST,
    IDS_SELECTED_BYTES,   IDS_FREED_BYTES,      IDS_RECYCLED_BYTES,
    ID_EDIT_REMOVE_AS_ADMIN, IDS_ADMIN_OFFER,   IDS_ADMIN_CANCELLED,  IDS_ADMIN_FAILED,      IDS_ADMIN_REFUSED,
    IDS_DELETE_QUESTION,  IDS_DELETE_QUESTION_ONE, IDS_DELETE_WARNING, IDS_DELETE_STOP_ASKING,
    ID_OPTIONS_ASK_BEFORE_DELETE,
    ID_VIEW_APPLICATIONS, IDS_RULE_WARNING, IDS_RULE_NOTES,
};

const LANGID English = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID Traditional = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
const LANGID Simplified = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

TEST(StringTableTest, EveryStringExistsInTheThreeLanguages)
{
    for (UINT id : EveryString)
        for (LANGID language : {English, Traditional, Simplified})
            EXPECT_FALSE(StringIn(id, language).empty()) << "string " << id << " in language " << std::hex << language;
    EXPECT_FALSE(StringIn(ID_WINDOW_SPLIT, English).empty());
}

// The size is put into the text in its one place.
TEST(StringTableTest, EverySizeTextHasOnePlaceForTheSize)
{
    for (UINT id : {IDS_SELECTED_BYTES, IDS_FREED_BYTES, IDS_RECYCLED_BYTES})
        for (LANGID language : {English, Traditional, Simplified}) {
            const std::wstring text = StringIn(id, language);
            EXPECT_NE(text.find(L"%s"), std::wstring::npos) << "string " << id << " in language " << std::hex << language;
            EXPECT_EQ(text.find(L"%s"), text.rfind(L"%s"));
        }
}

TEST(StringTableTest, PromptsAndTipsHaveTheSameShapeInEveryLanguage)
{
    for (UINT id : EveryString) {
        const bool twoParts = StringIn(id, English).find(L'\n') != std::wstring::npos;
        for (LANGID language : {Traditional, Simplified})
            EXPECT_EQ(StringIn(id, language).find(L'\n') != std::wstring::npos, twoParts)
                << "string " << id << " in language " << std::hex << language;
    }
}

}  // namespace
