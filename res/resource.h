#pragma once

// The program's resource, command and control identifiers. Plain defines, so
// the resource scripts include this file too.

#include "framework/FrameworkIds.h"

// Resource 128 is the main menu, the accelerators, the toolbar and its
// button bitmap, and the application icon all at once.
#define IDR_MAINFRAME 128
#define IDR_POPUP_MENU 132
#define IDD_ABOUTBOX 100
#define IDD_MAIN_FORM 101
#define IDD_ADVANCE 130
#define IDB_ABOUT_BANNER 129
#define IDB_MENU_ICONS 134

// The toolbar layout is a custom resource of this numbered type: 16-bit
// words of version, button width, button height, item count, then the
// item commands (0 for a separator).
#define TOOLBAR_RESOURCE_TYPE 241

#define IDC_STATIC (-1)
#define IDC_RESULT_LIST 1000
#define IDC_EMAIL_LINK 1002
#define IDC_VERSION_TEXT 1007
#define IDC_BANNER 1008
#define IDC_AUTHOR_TEXT 1009

// The Advance dialog. Its check boxes stand in the order of the trace kinds.
#define IDC_CLEAN_SELECTED 1001
#define IDC_URL_HISTORY 1002
#define IDC_TRACE_GROUP 1003
#define IDC_AUTOCOMPLETE_PASSWORDS 1004
#define IDC_RUN_HISTORY 1005
#define IDC_FIND_HISTORY 1006
#define IDC_TYPED_URL 1011
#define IDC_RECENT_DOCUMENTS 1012

#define IDS_CLEANUP_COMPLETED 0xE002
#define IDS_PLEASE_WAIT 0xE003
// The status bar's size pane: the selected lines' total, and what a removal freed or moved.
#define IDS_SELECTED_BYTES 0xE004
#define IDS_FREED_BYTES 0xE005
#define IDS_RECYCLED_BYTES 0xE006
// The cleaning rules' listing and its question before a warned entry's removal.
#define ID_VIEW_APPLICATIONS 32850
#define IDS_RULE_WARNING 0xE040
#define IDS_RULE_NOTES 0xE041

#define ID_EDIT_SELECT_ALL 32771
#define ID_EDIT_UNSELECT_ALL 32772
#define ID_EDIT_DELETE 32773
#define ID_EDIT_RECYCLE 32774
#define ID_VIEW_REFRESH 32775
#define ID_HELP_UPDATE 32776
#define ID_OPTIONS_COOKIES 32777
#define ID_OPTIONS_IETEMP 32778
#define ID_HELP_ONLINE 32779
#define ID_POPUP_SELECT_ALL 32780
#define ID_POPUP_UNSELECT_ALL 32781

// Removal as administrator of the lines the system refused: the command, and
// what the status line says about it.
#define ID_EDIT_REMOVE_AS_ADMIN 32800
#define IDS_ADMIN_OFFER 0xE020
#define IDS_ADMIN_CANCELLED 0xE021
#define IDS_ADMIN_FAILED 0xE022
#define IDS_ADMIN_REFUSED 0xE023

// The question before Delete removes anything for good, and the Options
// menu's item that turns it off and on.
#define IDS_DELETE_QUESTION 0xE010
#define IDS_DELETE_QUESTION_ONE 0xE011
#define IDS_DELETE_WARNING 0xE012
#define IDS_DELETE_STOP_ASKING 0xE013
#define ID_OPTIONS_ASK_BEFORE_DELETE 32801

// The eight command pictures drawn for 125%, 150%, 175% and 200%.
#define IDB_COMMAND_ICONS_150 140
#define IDB_COMMAND_ICONS_200 141
#define IDB_COMMAND_ICONS_125 143
#define IDB_COMMAND_ICONS_175 144
// The About box banner drawn for 200%.
#define IDB_ABOUT_BANNER_200 142
