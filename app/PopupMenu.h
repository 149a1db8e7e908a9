#pragma once

#include "menus/DrawnMenu.h"

// The program's one context menu object, shared by everything that shows a
// popup from a menu resource; it holds the menu loaded last.
extern CDrawnMenu g_PopupMenu;
