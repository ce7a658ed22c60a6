#include "GuiHarness.h"
#include "TestDrawings.h"

#include <vector>

#include "cables/CableTable.h"
#include "drawing/NotesDialog.h"

namespace {
struct Item {
    HWND hwnd;
    int id;
    std::string className;
    std::string text;
    RECT rect;  // client pixels of the dialog
};

BOOL CALLBACK collectItem(HWND child, LPARAM list) {
    Item item;
    item.hwnd = child;
    item.id = ::GetDlgCtrlID(child);
    char buffer[128] = "";
    ::GetClassNameA(child, buffer, sizeof buffer);
    item.className = buffer;
    ::GetWindowTextA(child, buffer, sizeof buffer);
    item.text = buffer;
    ::GetWindowRect(child, &item.rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&item.rect), 2);
    reinterpret_cast<std::vector<Item>*>(list)->push_back(item);
    return TRUE;
}

std::vector<Item> itemsOf(HWND dialog) {
    std::vector<Item> items;
    ::EnumChildWindows(dialog, collectItem, reinterpret_cast<LPARAM>(&items));
    return items;
}

// The dialog manager converts position and size separately.
RECT dialogUnits(HWND dialog, int x, int y, int w, int h) {
    RECT units = {x, y, w, h};
    ::MapDialogRect(dialog, &units);
    return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

void expectPlaced(const Item& item, const RECT& expected) {
    EXPECT_EQ(item.rect.left, expected.left) << item.text;
    EXPECT_EQ(item.rect.top, expected.top) << item.text;
    EXPECT_EQ(item.rect.right, expected.right) << item.text;
    EXPECT_EQ(item.rect.bottom, expected.bottom) << item.text;
}

// Opens a dialog by a command of the main window and hands it to `check` while it is up.
void withDialog(HWND main, UINT command, const std::function<void(HWND)>& check) {
    DialogWaiter waiter([&](HWND dialog) {
        check(dialog);
        PressButton(dialog, IDOK);
    });
    ::PostMessageA(main, WM_COMMAND, command, 0);
    PumpUntilIdle(150);
    ASSERT_TRUE(waiter.seen()) << "command " << command << " opened no dialog";
}
}  // namespace

using ViewerDialogTest = ProgramTest;

TEST_F(ViewerDialogTest, HelpDialogListsTheFunctionKeys) {
    withDialog(mainWindow(), 501, [](HWND dialog) {
        EXPECT_EQ(Describe(dialog).caption, "Strandor! - HELP");
        std::vector<Item> items = itemsOf(dialog);
        ASSERT_EQ(items.size(), 12u);
        EXPECT_EQ(items[0].text, "Function keys");
        expectPlaced(items[0], dialogUnits(dialog, 5, 0, 227, 150));
        const char* texts[] = {"F1- HELP", "F2- INFO about Strandor!", "F3- PRINT", "F4- EXIT to Windows",
                               "F5- CABLE LIST", "F6- START connector PINOUTS", "F7- END connector PINOUTS",
                               "F8- CABLE NOTES", "F9- USER NOTES", "F10- CONNECTOR catalog"};
        const int ys[] = {17, 27, 37, 46, 56, 65, 74, 83, 92, 102};
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(items[i + 1].text, texts[i]);
            RECT expected = dialogUnits(dialog, 18, ys[i], 0, 9);
            EXPECT_EQ(items[i + 1].rect.left, expected.left);
            EXPECT_EQ(items[i + 1].rect.top, expected.top);
            EXPECT_EQ(items[i + 1].rect.bottom, expected.bottom);
        }
        EXPECT_EQ(items[11].text, "OK");
        EXPECT_EQ(items[11].id, IDOK);
        expectPlaced(items[11], dialogUnits(dialog, 181, 153, 50, 14));
    });
}

TEST_F(ViewerDialogTest, AboutDialogShowsExactlyItsItems) {
    withDialog(mainWindow(), 502, [](HWND dialog) {
        EXPECT_EQ(Describe(dialog).caption, "About Strandor!");
        std::vector<Item> items = itemsOf(dialog);
        ASSERT_EQ(items.size(), 6u);
        EXPECT_EQ(::GetWindowLongA(items[0].hwnd, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
        EXPECT_EQ(::GetWindowLongA(items[1].hwnd, GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
        RECT icon = dialogUnits(dialog, 18, 16, 20, 20);
        EXPECT_EQ(items[0].rect.left, icon.left);
        EXPECT_EQ(items[0].rect.top, icon.top);
        // Etched lines: the system keeps them at its own thickness and may widen them by the edge.
        for (int i : {1, 2}) {
            RECT line = i == 1 ? dialogUnits(dialog, 15, 9, 156, 1) : dialogUnits(dialog, 14, 42, 156, 1);
            EXPECT_EQ(items[i].rect.left, line.left);
            EXPECT_EQ(items[i].rect.top, line.top);
            EXPECT_NEAR(items[i].rect.right, line.right, 2);
        }
        EXPECT_EQ(items[3].text, "Cable-making guide");
        expectPlaced(items[3], dialogUnits(dialog, 41, 14, 103, 8));
        EXPECT_EQ(items[4].text, "Version 1.04 - 32bit");
        expectPlaced(items[4], dialogUnits(dialog, 47, 23, 90, 9));
        EXPECT_EQ(items[5].text, "OK");
        expectPlaced(items[5], dialogUnits(dialog, 68, 72, 50, 14));
    });
}

TEST_F(ViewerDialogTest, NotesDialogCentresTheNotesDrawingOfTheCurrentCable) {
    MakeDataFolders();
    WriteRectangleDrawing("DATA\\NOTES\\NOTES.000", 0, 0, 1300, -1300, RGB(255, 0, 0));
    int notesNumber = -1;
    withDialog(mainWindow(), 508, [&](HWND dialog) {
        notesNumber = NotesNumberOf(dialog);
        EXPECT_EQ(Describe(dialog).caption, "Strandor! - Cable Notes");
        Pixels pixels = Pixels::OfClient(dialog);
        // The drawing's (0, 0) at the client centre, 26 drawing units a pixel: 50 x 50 pixels of red.
        int cx = pixels.width() / 2, cy = pixels.height() / 2;
        EXPECT_EQ(pixels.at(cx, cy), RGB(255, 0, 0));
        EXPECT_EQ(pixels.at(cx - 2, cy), RGB(255, 255, 255));
        EXPECT_EQ(pixels.at(cx, cy - 2), RGB(255, 255, 255));
        EXPECT_NEAR(pixels.countOf(RGB(255, 0, 0), RECT{0, 0, pixels.width(), pixels.height()}), 2500, 150);

        // Uncovering it reads the file again.
        WriteRectangleDrawing("DATA\\NOTES\\NOTES.000", 0, 0, 1300, -1300, RGB(0, 0, 255));
        Pixels again = Pixels::OfClient(dialog);
        EXPECT_EQ(again.at(cx + 5, cy + 5), RGB(0, 0, 255));
    });
    EXPECT_EQ(notesNumber, 0);
}

TEST_F(ViewerDialogTest, NotesOfCable57ComeFromItsOwnFile) {
    MakeDataFolders();
    WriteRectangleDrawing("DATA\\NOTES\\NOTES.057", -2600, 2600, 2600, -2600, RGB(0, 128, 0));
    frame().ShowCable(57);
    int notesNumber = -1;
    withDialog(mainWindow(), 508, [&](HWND dialog) {
        notesNumber = NotesNumberOf(dialog);
        Pixels pixels = Pixels::OfClient(dialog);
        EXPECT_GT(pixels.countOf(RGB(0, 128, 0), RECT{0, 0, pixels.width(), pixels.height()}), 9000);
    });
    EXPECT_EQ(notesNumber, 57);
}
