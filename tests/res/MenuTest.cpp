#include "res/resource.h"
#include "tests/res/ResourceReading.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const UINT Popup = ~0u;
const UINT Separator = 0;

struct Item {
    int depth;
    UINT id;  // Popup for a submenu, Separator for a separator
    std::wstring text;
};

void Flatten(HMENU menu, int depth, std::vector<Item>& items)
{
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[256] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        GetMenuItemInfoW(menu, position, TRUE, &info);
        const UINT id = info.hSubMenu ? Popup : (info.fType & MFT_SEPARATOR) ? Separator : info.wID;
        items.push_back({depth, id, text});
        if (info.hSubMenu) Flatten(info.hSubMenu, depth + 1, items);
    }
}

// A menu resource of one language, loaded by the platform and flattened in
// display order.
std::vector<Item> MenuIn(UINT id, LANGID language)
{
    const std::vector<BYTE> bytes = ResourceBytes(RT_MENU, MAKEINTRESOURCEA(id), language);
    if (bytes.empty()) return {};
    HMENU menu = LoadMenuIndirectW(bytes.data());
    if (menu == nullptr) return {};
    std::vector<Item> items;
    Flatten(menu, 0, items);
    DestroyMenu(menu);
    return items;
}

std::vector<std::pair<int, UINT>> Shape(const std::vector<Item>& items)
{
    std::vector<std::pair<int, UINT>> shape;
    for (const Item& item : items) shape.emplace_back(item.depth, item.id);
    return shape;
}

std::wstring TextOf(const std::vector<Item>& items, UINT id)
{
    for (const Item& item : items)
        if (item.id == id) return item.text;
    return L"(missing)";
}

std::wstring PopupText(const std::vector<Item>& items, int index)
{
    for (const Item& item : items)
        if (item.depth == 0 && index-- == 0) return item.text;
    return L"(missing)";
}

const LANGID Languages[] = {English, Traditional, Simplified};

TEST(MenuTest, BothMenusHaveTheSameCommandsInEveryLanguage)
{
    const std::vector<std::pair<int, UINT>> main = {
        {0, Popup}, {1, ID_APP_EXIT},
        {0, Popup}, {1, ID_EDIT_SELECT_ALL}, {1, ID_EDIT_UNSELECT_ALL}, {1, Separator},
                    {1, ID_EDIT_DELETE}, {1, ID_EDIT_RECYCLE}, {1, ID_EDIT_REMOVE_AS_ADMIN},
        {0, Popup}, {1, ID_VIEW_TOOLBAR}, {1, ID_VIEW_STATUS_BAR}, {1, Separator}, {1, ID_VIEW_REFRESH},
                    {1, ID_VIEW_APPLICATIONS},
        {0, Popup}, {1, ID_OPTIONS_COOKIES}, {1, ID_OPTIONS_IETEMP}, {1, Separator}, {1, ID_OPTIONS_ASK_BEFORE_DELETE},
        {0, Popup}, {1, ID_HELP_ONLINE}, {1, ID_HELP_UPDATE}, {1, Separator}, {1, ID_APP_ABOUT},
    };
    const std::vector<std::pair<int, UINT>> popup = {
        {0, Popup}, {1, ID_POPUP_SELECT_ALL}, {1, ID_POPUP_UNSELECT_ALL},
    };
    for (LANGID language : Languages) {
        EXPECT_EQ(Shape(MenuIn(IDR_MAINFRAME, language)), main) << "language " << std::hex << language;
        EXPECT_EQ(Shape(MenuIn(IDR_POPUP_MENU, language)), popup) << "language " << std::hex << language;
    }
    for (UINT id : {IDR_MAINFRAME, IDR_POPUP_MENU}) {
        const std::vector<LANGID> languages = ResourceLanguages(RT_MENU, MAKEINTRESOURCEA(id));
        EXPECT_EQ(std::set<LANGID>(languages.begin(), languages.end()), std::set<LANGID>(std::begin(Languages), std::end(Languages)))
            << "menu " << id;
    }
}

TEST(MenuTest, TextsKeepTheirLiteralAmpersandsTabsAndTranslations)
{
    const auto english = MenuIn(IDR_MAINFRAME, English);
    EXPECT_EQ(PopupText(english, 0), L"&File");
    EXPECT_EQ(PopupText(english, 4), L"&Help");
    EXPECT_EQ(TextOf(english, ID_OPTIONS_IETEMP), L"IE Temp && &History\tCtrl+H");
    EXPECT_EQ(TextOf(english, ID_EDIT_DELETE), L"&Delete\tShift+Del");
    EXPECT_EQ(TextOf(english, ID_APP_ABOUT), L"&About Dustrel .NET...");

    const auto traditional = MenuIn(IDR_MAINFRAME, Traditional);
    EXPECT_EQ(PopupText(traditional, 0), L"檔案(&F)");
    EXPECT_EQ(TextOf(traditional, ID_EDIT_SELECT_ALL), L"全選(&A)\tCtrl+A");
    EXPECT_EQ(TextOf(traditional, ID_OPTIONS_COOKIES), L"曲奇殺手(&K)\tCtrl+K");
    EXPECT_EQ(TextOf(traditional, ID_APP_ABOUT), L"關於 Dustrel .NET(&A)...");

    const auto simplified = MenuIn(IDR_MAINFRAME, Simplified);
    EXPECT_EQ(PopupText(simplified, 2), L"检视(&V)");
    EXPECT_EQ(TextOf(simplified, ID_VIEW_REFRESH), L"标准模式(&R)\tF5");
    EXPECT_EQ(TextOf(simplified, ID_EDIT_RECYCLE), L"移至回收筒(&M)\tDel");
    EXPECT_EQ(TextOf(simplified, ID_APP_ABOUT), L"关於 Dustrel .NET(&A)...");

    EXPECT_EQ(TextOf(MenuIn(IDR_POPUP_MENU, English), ID_POPUP_UNSELECT_ALL), L"&Unselect All");
    EXPECT_EQ(TextOf(MenuIn(IDR_POPUP_MENU, Traditional), ID_POPUP_SELECT_ALL), L"全選(&A)");
    EXPECT_EQ(TextOf(MenuIn(IDR_POPUP_MENU, Simplified), ID_POPUP_UNSELECT_ALL), L"不选(&U)");
}

// The letter after a lone "&", or 0 when there is none ("&&" is a literal).
wchar_t Mnemonic(const std::wstring& text)
{
    for (size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != L'&') continue;
        if (text[at + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[at + 1]));
        ++at;
    }
    return 0;
}

TEST(MenuTest, EveryItemHasItsOwnMnemonicWithinItsMenu)
{
    for (LANGID language : Languages) {
        const auto items = MenuIn(IDR_MAINFRAME, language);
        // one set for the menu bar, one for the popup being read
        std::set<wchar_t> bar, current;
        for (const Item& item : items) {
            if (item.id == Separator) continue;
            std::set<wchar_t>& seen = item.depth == 0 ? bar : current;
            if (item.depth == 0) current.clear();
            const wchar_t letter = Mnemonic(item.text);
            EXPECT_NE(letter, 0) << "no mnemonic in item " << item.id << " of language " << std::hex << language;
            EXPECT_TRUE(seen.insert(letter).second)
                << "mnemonic used twice, item " << item.id << " of language " << std::hex << language;
        }
    }
}

std::vector<ACCEL> Accelerators()
{
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (table == nullptr) return {};
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    DestroyAcceleratorTable(table);
    for (ACCEL& entry : entries) entry.fVirt &= FVIRTKEY | FSHIFT | FCONTROL | FALT;
    return entries;
}

bool operator==(const ACCEL& a, const ACCEL& b)
{
    return a.fVirt == b.fVirt && a.key == b.key && a.cmd == b.cmd;
}

TEST(MenuTest, AcceleratorTableHasTheEightShortcuts)
{
    const std::vector<ACCEL> expected = {
        {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_DELETE},
        {FVIRTKEY, VK_DELETE, ID_EDIT_RECYCLE},
        {FVIRTKEY | FCONTROL, 'A', ID_EDIT_SELECT_ALL},
        {FVIRTKEY | FCONTROL, 'U', ID_EDIT_UNSELECT_ALL},
        {FVIRTKEY | FCONTROL, 'K', ID_OPTIONS_COOKIES},
        {FVIRTKEY | FCONTROL, 'H', ID_OPTIONS_IETEMP},
        {FVIRTKEY, VK_F5, ID_VIEW_REFRESH},
        {FVIRTKEY | FCONTROL, 'L', ID_VIEW_APPLICATIONS},
    };
    const std::vector<ACCEL> actual = Accelerators();
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(actual[i] == expected[i]) << "entry " << i << ": flags " << int(actual[i].fVirt) << " key "
                                              << actual[i].key << " command " << actual[i].cmd;
}

// The key a menu text names after its tab ("Shift+Del", "Ctrl+A", "F5").
bool ParseKeyText(const std::wstring& text, ACCEL& key)
{
    key = {FVIRTKEY, 0, 0};
    std::wstring rest = text;
    const std::map<std::wstring, BYTE> modifiers = {{L"Ctrl+", FCONTROL}, {L"Shift+", FSHIFT}, {L"Alt+", FALT}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, flag] : modifiers)
            if (rest.compare(0, prefix.size(), prefix) == 0) {
                key.fVirt |= flag;
                rest.erase(0, prefix.size());
                found = true;
            }
    }
    if (rest == L"Del") key.key = VK_DELETE;
    else if (rest.size() == 1 && rest[0] >= L'A' && rest[0] <= L'Z') key.key = rest[0];
    else if (rest.size() >= 2 && rest[0] == L'F') key.key = static_cast<WORD>(VK_F1 + std::stoi(rest.substr(1)) - 1);
    return key.key != 0;
}

TEST(MenuTest, ShortcutsShownInTheMenusAreTheAcceleratorsAndViceVersa)
{
    const std::vector<ACCEL> table = Accelerators();
    for (LANGID language : Languages) {
        std::set<WORD> shown;
        for (const Item& item : MenuIn(IDR_MAINFRAME, language)) {
            const size_t tab = item.text.find(L'\t');
            if (tab == std::wstring::npos) continue;
            ACCEL key;
            ASSERT_TRUE(ParseKeyText(item.text.substr(tab + 1), key)) << "item " << item.id;
            key.cmd = static_cast<WORD>(item.id);
            bool inTable = false;
            for (const ACCEL& entry : table) inTable = inTable || entry == key;
            EXPECT_TRUE(inTable) << "item " << item.id << " of language " << std::hex << language
                                 << " shows a key the table lacks";
            shown.insert(key.cmd);
        }
        for (const ACCEL& entry : table)
            EXPECT_EQ(shown.count(entry.cmd), 1u) << "command " << entry.cmd << " has a shortcut its menu item does not show";
    }
}

TEST(ResourceLanguageTest, EnglishOnlyResourcesExistInEnglishAlone)
{
    struct Resource {
        LPCSTR type;
        UINT id;
    };
    const Resource resources[] = {
        {RT_DIALOG, IDD_ABOUTBOX},
        {RT_ACCELERATOR, IDR_MAINFRAME},
        {MAKEINTRESOURCEA(TOOLBAR_RESOURCE_TYPE), IDR_MAINFRAME},
        {RT_BITMAP, IDR_MAINFRAME},
        {RT_BITMAP, IDB_ABOUT_BANNER},
        {RT_BITMAP, IDB_MENU_ICONS},
        {RT_GROUP_ICON, IDR_MAINFRAME},
        {RT_VERSION, VS_VERSION_INFO},
    };
    for (const Resource& resource : resources)
        EXPECT_EQ(ResourceLanguages(resource.type, MAKEINTRESOURCEA(resource.id)), std::vector<LANGID>{English})
            << "resource " << resource.id << " of type " << reinterpret_cast<ULONG_PTR>(resource.type);
}

}  // namespace
