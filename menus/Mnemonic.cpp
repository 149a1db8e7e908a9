#include "menus/DrawnMenu.h"

#include <cctype>

namespace {

// Mnemonics are letters and digits; only ASCII has a case to ignore.
std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x80) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

LRESULT CDrawnMenu::FindMnemonic(UINT character, UINT flags, CDrawnMenu* menu)
{
    (void)flags;
    if (menu == nullptr) return 0;
    const std::string key = LowerAscii(std::string{'&', static_cast<char>(character & 0xFF)});
    if (static_cast<size_t>(GetMenuItemCount(menu->m_hMenu)) != menu->items.size()) menu->ConvertItems();
    for (size_t position = 0; position < menu->items.size(); ++position)
        if (LowerAscii(menu->items[position]->text).find(key) != std::string::npos)
            return static_cast<LRESULT>(position | (MNC_EXECUTE << 16));
    return 0;
}
