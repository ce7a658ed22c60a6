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
#define IDD_FIND_CABLE 140
#define IDD_BENCH_TEST 150

// Start window buttons
#define IDC_START_OK 105
#define IDC_START_NO 106

// Cable selection list
#define IDC_CABLE_LIST 1001

// Find cable
#define IDC_FIND_WORDS 1101
#define IDC_FIND_START 1102
#define IDC_FIND_END 1103
#define IDC_FIND_LIST 1104
#define IDC_FIND_PATH 1105
#define IDC_FIND_MATING 1106

// Test at the bench
#define IDC_BENCH_STEP 1201
#define IDC_BENCH_BEEPS 1202
#define IDC_BENCH_SILENT 1203
#define IDC_BENCH_BACK 1204

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
#define ID_FIND_CABLE 40020
#define ID_COPY_WIRING 40021
#define ID_NEW_CABLE 40022
#define ID_EDIT_CABLE 40023
#define ID_BENCH_TEST 40029

// The connector catalog program (CATALOG.EXE): its menu, accelerators, controls and commands
#define IDR_CATALOG_MENU 2200
#define CATALOG_ACCEL_TABLE "CatalogAccelTable"
#define IDC_CATALOG_CONNECTORS 2001
#define IDC_CATALOG_PINOUTS 2002
#define IDC_CATALOG_CABLES 2003
#define IDC_CATALOG_CONNECTOR_DRAWING 2004
#define IDC_CATALOG_PINOUT_DRAWING 2005
#define IDC_CATALOG_FIND 2006
#define ID_CATALOG_PRINT 2101
#define ID_CATALOG_EXIT 2102
#define ID_CATALOG_NEXT_PINOUT 2103
#define ID_CATALOG_PREVIOUS_PINOUT 2104
#define ID_CATALOG_NEXT_LIST 2105
#define ID_CATALOG_PREVIOUS_LIST 2106
#define ID_CATALOG_FIND 2107
