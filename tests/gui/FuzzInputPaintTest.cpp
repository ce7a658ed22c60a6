// Every input the fuzz targets kept for the metafile check, and every input that ever crashed a
// fuzz target, given to the program where it reads drawings: as a drawing panel's file, as the
// notes dialog's file and on a printed sheet. The program lives on, the panel keeps its white
// ground and its frame, and no GDI object is left behind.

#include <string>
#include <vector>

#include "PrintFixture.h"
#include "TestDrawings.h"
#include "cables/CableTable.h"
#include "app/MainFrame.h"
#include "drawing/MetafileCheck.h"
#include "framework/GdiObjects.h"
#include "print/CableSheet.h"
#include "resource.h"

namespace {
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF DarkGrey = RGB(128, 128, 128);

std::vector<std::string> keptInputs() {
    std::string root = std::string("Z:") + FUZZ_INPUTS_DIR;
    for (char& c : root)
        if (c == '/') c = '\\';
    std::vector<std::string> inputs = FilesIn(root + "\\metafile_check\\corpus");
    for (const char* target : {"metafile_check", "connector_source", "sketch_source", "cable_source", "connector_list"})
        for (const std::string& crash : FilesIn(root + "\\" + target + "\\crashes")) inputs.push_back(crash);
    return inputs;
}

// The seven drawing places of a sheet printed for cable 0 with these connector numbers.
const char* const SheetPlaces[] = {"DATA\\PLUG\\PLUG.001",       "DATA\\PLUG\\PLUG.002", "DATA\\PINOUTS\\PINOUTS.003",
                                   "DATA\\PINOUTS\\PINOUTS.004", "DATA\\CABLE\\CABLE.000", "DATA\\NOTES\\NOTES.000",
                                   "DATA\\MISC\\SD_PRINT.LGO"};

using FuzzInputPaintTest = PrintTest;
}  // namespace

TEST_F(FuzzInputPaintTest, EveryKeptInputOnAPanelInTheNotesDialogAndOnAPrintedSheet) {
    const std::vector<std::string> inputs = keptInputs();
    ASSERT_GE(inputs.size(), 10u) << "no kept fuzz inputs under " << FUZZ_INPUTS_DIR;
    for (const char* place : SheetPlaces) WriteDataFile(place, "");
    HWND panel = view().diagramPanel.GetSafeHwnd();
    const long gdiBefore = LiveGdiObjects();

    for (const std::string& input : inputs) {  // on a panel and in the notes dialog
        const std::string bytes = ReadBytes(input);
        const bool sound = IsSoundMetafile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        WriteBytes("DATA\\CABLE\\CABLE.000", bytes);
        ::RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pixels pixels = Pixels::OfClient(panel);
        const int w = pixels.width(), h = pixels.height();
        ASSERT_TRUE(::IsWindow(mainWindow())) << input;
        EXPECT_TRUE(pixels.at(0, h / 2) == DarkGrey && pixels.at(w / 2, 0) == DarkGrey && pixels.at(1, h / 2) == Black &&
                    pixels.at(w - 2, h / 2) == Black)
            << input << ": the frame is broken";
        const RECT inside = {2, 2, w - 2, h - 2};
        if (sound) EXPECT_GT(pixels.countOf(White, inside), 0) << input << ": no white ground left";
        else EXPECT_EQ(pixels.countOf(White, inside), (w - 4) * (h - 4)) << input << ": a refused file drew";

        WriteBytes("DATA\\NOTES\\NOTES.000", bytes);
        DialogWaiter notes([](HWND dialog) { PressButton(dialog, IDOK); });
        ::PostMessageA(mainWindow(), WM_COMMAND, ID_CABLE_NOTES, 0);
        PumpUntilIdle(100);
        EXPECT_TRUE(notes.seen()) << input << ": the notes dialog did not come";
        EXPECT_EQ(notes.dialog().caption, "Strandor! - Cable Notes") << input;
    }
    EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "on screen";

    // Seven inputs a sheet, one in each drawing place.
    size_t sheets = 0;
    for (size_t first = 0; first < inputs.size(); first += std::size(SheetPlaces), ++sheets) {
        for (size_t i = 0; i < std::size(SheetPlaces); ++i)
            WriteBytes(SheetPlaces[i], ReadBytes(inputs[(first + i) % inputs.size()]));
        CDC printer;
        ASSERT_TRUE(printer.Attach(::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr)));
        DialogWaiter anyBox([](HWND box) { PressButton(box, IDOK); }, 200);
        PrintCableSheet(nullptr, "Fuzz inputs", 1, 2, 3, 4, 0, printer);
        printer.DeleteDC();
        PumpUntilIdle(20);
        EXPECT_FALSE(anyBox.seen()) << "sheet " << sheets << ": " << anyBox.dialog().text;
    }
    EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "on the sheets";
    ASSERT_TRUE(WaitForEmptyQueue(120000)) << QueuedJobs();
    EXPECT_EQ(NewFiles(pdfsBefore, PdfFiles()).size(), sheets) << "every sheet reached the queue";
}
