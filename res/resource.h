#pragma once
// Resource and control ids. The numbers are the program's own and other code relies on them.

// Bitmaps
#define IDB_START_PICTURE 104
#define IDB_LOGO 134

// Icon
#define IDI_PROGRAM 31234

// Menu and accelerators
#define IDR_MAIN_MENU 135
#define MAIN_ACCEL_TABLE "MainAccelTable"

// Dialog templates
#define IDD_CABLE_SELECT 116
#define IDD_CABLE_NOTES 127
#define IDD_HELP 128
#define IDD_PRINT_OPTIONS 131
#define IDD_ABOUT_NAME "ID_ABOUT"

// Start window buttons
#define IDC_START_OK 105
#define IDC_START_NO 106

// Cable selection list
#define IDC_CABLE_LIST 1001

// Print options
#define IDC_PRINT_CURRENT 1008
#define IDC_PRINT_ALL 1011
#define IDC_PRINT_LIST 1012

// Commands
#define ID_FUNCTION_KEYS 501
#define ID_ABOUT_STRANDOR 502
#define ID_PRINT 503
#define ID_EXIT 504
#define ID_SELECT_CABLE 505
#define ID_START_PINOUTS 506
#define ID_END_PINOUTS 507
#define ID_CABLE_NOTES 508
#define ID_USER_NOTES 509
#define ID_CONNECTOR_CATALOG 510
#define ID_KEY_F11 511
#define ID_KEY_F12 512
#define ID_MANUAL 40014
