#include "traces/PopupMenu.h"

CMenu g_PopupMenu;
