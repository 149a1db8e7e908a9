#pragma once

#include "framework/Menu.h"

// The program's one context menu object, shared by everything that shows a
// popup from a menu resource; it holds the menu loaded last.
extern CMenu g_PopupMenu;
