// The print command's two questions: the options dialog and the printer dialog.

#include <string>

#include "PrintFixture.h"
#include "print/PrintOptionsDialog.h"
#include "resource.h"

namespace {
// As the dialog manager places a control: position and size converted each on its own.
RECT dialogUnits(HWND dialog, int x, int y, int width, int height) {
    RECT at = {x, y, x, y};
    RECT size = {0, 0, width, height};
    ::MapDialogRect(dialog, &at);
    ::MapDialogRect(dialog, &size);
    return RECT{at.left, at.top, at.left + size.right, at.top + size.bottom};
}

RECT childRect(HWND dialog, HWND child) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string rectText(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

std::string textOf(HWND window) {
    char text[128] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

bool checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

struct ControlRow {
    int id;
    LONG kind;  // BS_ type
    const char* text;
    int x, y, width, height;
    bool group, tabStop;
};
}  // namespace

using PrintOptionsTest = PrintTest;

TEST_F(PrintOptionsTest, DialogIsTemplate131AsTabled) {
    int choiceWhenShown = 0;
    int choiceAfterCancel = 0;
    DialogScript script({[&](HWND dialog) {
        choiceWhenShown = PrintChoiceOf(dialog);
        EXPECT_EQ(textOf(dialog), "Strandor!");
        LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
        for (LONG bit : {LONG(WS_POPUP), LONG(WS_VISIBLE), LONG(WS_CAPTION), LONG(WS_SYSMENU), LONG(DS_MODALFRAME)}) {
            EXPECT_EQ(style & bit, bit) << "dialog style lacks " << std::hex << bit;
        }
        EXPECT_EQ(::GetWindow(dialog, GW_OWNER), mainWindow());
        // The template places the client area 50, 50 dialog units from the main window's client area.
        RECT client;
        ::GetClientRect(dialog, &client);
        RECT size = dialogUnits(dialog, 0, 0, 125, 80);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        POINT origin = {0, 0}, ownerOrigin = {0, 0};
        ::ClientToScreen(dialog, &origin);
        ::ClientToScreen(mainWindow(), &ownerOrigin);
        RECT offset = dialogUnits(dialog, 50, 50, 0, 0);
        EXPECT_EQ(origin.x - ownerOrigin.x, offset.left);
        EXPECT_EQ(origin.y - ownerOrigin.y, offset.top);
        LOGFONTA font{};
        ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

        const ControlRow rows[] = {
            {IDC_PRINT_ALL, BS_AUTORADIOBUTTON, "&All cables", 18, 32, 44, 9, false, false},
            {IDOK, BS_DEFPUSHBUTTON, "OK", 9, 62, 50, 14, false, true},
            {IDCANCEL, BS_PUSHBUTTON, "Cancel", 63, 62, 50, 14, false, true},
            {0xFFFF, BS_GROUPBOX, "Print:", 9, 7, 106, 49, false, false},
            {IDC_PRINT_CURRENT, BS_AUTORADIOBUTTON, "&Current cable", 18, 20, 55, 9, true, false},
            {IDC_PRINT_LIST, BS_AUTORADIOBUTTON, "Cab&lelist", 18, 43, 40, 9, false, false},
        };
        HWND child = ::GetWindow(dialog, GW_CHILD);
        for (const ControlRow& row : rows) {
            ASSERT_NE(child, nullptr) << "fewer controls than the six of the template";
            EXPECT_EQ(::GetDlgCtrlID(child), row.id) << "control order";
            EXPECT_EQ(textOf(child), row.text);
            LONG childStyle = ::GetWindowLongA(child, GWL_STYLE);
            EXPECT_EQ(childStyle & BS_TYPEMASK, row.kind) << row.text;
            EXPECT_EQ((childStyle & WS_GROUP) != 0, row.group) << row.text << ": WS_GROUP";
            EXPECT_EQ((childStyle & WS_TABSTOP) != 0, row.tabStop) << row.text << ": WS_TABSTOP";
            RECT expected = dialogUnits(dialog, row.x, row.y, row.width, row.height);
            EXPECT_EQ(rectText(childRect(dialog, child)), rectText(expected)) << row.text;
            child = ::GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << "more controls than the six of the template";

        EXPECT_FALSE(checked(dialog, IDC_PRINT_CURRENT) || checked(dialog, IDC_PRINT_ALL) ||
                     checked(dialog, IDC_PRINT_LIST))
            << "no option is checked when the dialog opens";
        // One exclusive group of three.
        click(dialog, IDC_PRINT_ALL);
        EXPECT_TRUE(checked(dialog, IDC_PRINT_ALL));
        click(dialog, IDC_PRINT_LIST);
        EXPECT_TRUE(checked(dialog, IDC_PRINT_LIST));
        EXPECT_FALSE(checked(dialog, IDC_PRINT_ALL));
        click(dialog, IDC_PRINT_CURRENT);
        EXPECT_TRUE(checked(dialog, IDC_PRINT_CURRENT));
        EXPECT_FALSE(checked(dialog, IDC_PRINT_LIST));
        click(dialog, IDC_PRINT_LIST);
        EndOptionsDialog(dialog, IDCANCEL);
        choiceAfterCancel = PrintChoiceOf(dialog);
    }});
    // Anything that would come after Cancel: the printer dialog or a message box.
    DialogWaiter after([](HWND dialog) { PressButton(dialog, IDCANCEL); }, 1500);
    pressF3();
    ASSERT_EQ(script.seen().size(), 1u) << "F3 opens the options dialog";
    EXPECT_EQ(choiceWhenShown, IDC_PRINT_CURRENT) << "every print command starts from the current cable";
    EXPECT_EQ(choiceAfterCancel, IDC_PRINT_CURRENT) << "Cancel leaves the choice alone";
    PumpUntilIdle(100, 2000);
    EXPECT_FALSE(after.seen()) << "Cancel in the options dialog ends the command; \"" << after.dialog().caption
                               << "\" came";
    EXPECT_EQ(NewFiles(pdfsBefore, PdfFiles()).size(), 0u);
}

TEST_F(PrintOptionsTest, CancelInThePrinterDialogPrintsNothing) {
    int choiceAfterOk = 0;
    HWND boxOwner = nullptr;
    HICON boxIcon = nullptr;
    DialogScript script({[&](HWND dialog) {
                             ::SendMessageA(::GetDlgItem(dialog, IDC_PRINT_LIST), BM_CLICK, 0, 0);
                             EndOptionsDialog(dialog, IDOK);
                             choiceAfterOk = PrintChoiceOf(dialog);
                         },
                         PressCancel(),
                         [&](HWND box) {
                             boxOwner = ::GetWindow(box, GW_OWNER);
                             boxIcon = MessageBoxIcon(box);
                             PressButton(box, IDOK);
                         }});
    pressF3();
    ASSERT_EQ(script.seen().size(), 3u) << "options dialog, printer dialog, message box";
    EXPECT_EQ(choiceAfterOk, IDC_PRINT_LIST) << "OK stores the checked option";
    EXPECT_EQ(script.seen()[2].caption, "Strandor!");
    EXPECT_EQ(script.seen()[2].text, "Printing canceled");
    EXPECT_EQ(boxOwner, mainWindow());
    EXPECT_EQ(boxIcon, StopIcon()) << "the box shows the stop icon";
    EXPECT_TRUE(WaitForEmptyQueue(5000));
    EXPECT_EQ(NewFiles(pdfsBefore, PdfFiles()).size(), 0u) << "no print job";
}
