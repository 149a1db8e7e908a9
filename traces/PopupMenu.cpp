#include "traces/PopupMenu.h"

CDrawnMenu g_PopupMenu;
