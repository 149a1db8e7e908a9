#include "app/PopupMenu.h"

CDrawnMenu g_PopupMenu;
