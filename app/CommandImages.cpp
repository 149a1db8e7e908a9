#include "app/CommandImages.h"

#include "res/resource.h"

CommandImages CommandImagesFor(UINT dpi)
{
    if (dpi >= 192) return {IDB_COMMAND_ICONS_200, {32, 30}};
    if (dpi >= 168) return {IDB_COMMAND_ICONS_175, {28, 26}};
    if (dpi >= 144) return {IDB_COMMAND_ICONS_150, {24, 23}};
    if (dpi >= 120) return {IDB_COMMAND_ICONS_125, {20, 19}};
    return {IDB_MENU_ICONS, {16, 15}};
}
