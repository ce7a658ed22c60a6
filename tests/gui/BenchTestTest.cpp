// Test at the bench in the real program: cable 3 walked with keys through the dialog manager as a
// user's keyboard reaches it, the faults the answers give, the verdict at the end of the user's
// notes file, Esc keeping or dropping the answers, the marks on the drawings, grey on cable 0.

#include "GuiHarness.h"
#include "TestDrawings.h"

#include <functional>

#include "benchtest/BenchTestDialog.h"
#include "resource.h"

namespace {
const char* const Generated[] = {"MISC\\CONNECT.LST", "MISC\\CABLES.IDX", "PLUG\\PLUG.009", "CABLE\\CABLE.003"};
const char* const Notes = "DATA\\USERNOTE\\USERNOTE.003";

// Cable 3: three wires and three jumpers an end (9 connections), 13 neighbour pairs an end.
constexpr int Connections = 9;
constexpr int Neighbours = 26;

// Keys typed into the dialog as its own loop takes them: to the focus, through IsDialogMessage.
void type(HWND dialog, const std::vector<UINT>& keys) {
    for (UINT key : keys) {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageA(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (::IsWindow(dialog) && ::IsDialogMessageA(dialog, &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

std::vector<UINT> times(int count, UINT key) { return std::vector<UINT>(count, key); }

std::vector<UINT> operator+(std::vector<UINT> a, const std::vector<UINT>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// What the step view shows now (painted, so asked of the dialog's object).
std::string stepText(HWND dialog) {
    auto* test = static_cast<BenchTestDialog*>(CWnd::FromHandle(dialog));
    return test ? test->Text() : std::string();
}

class BenchTestTest : public ProgramTest {
protected:
    void SetUp() override {
        MakeDataFolders();
        for (const char* file : Generated)
            ASSERT_TRUE(::CopyFileA(GeneratedDataFile(file).c_str(), (std::string("DATA\\") + file).c_str(), FALSE)) << file;
        ::DeleteFileA(Notes);
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
        frame().ShowCable(3);
    }
    void TearDown() override {
        ProgramTest::TearDown();
        for (const char* file : Generated) ::DeleteFileA((std::string("DATA\\") + file).c_str());
        ::DeleteFileA(Notes);
    }
    // Opens the test with Ctrl+T's command and hands the dialog to `walk` while it is up.
    void withTest(const std::function<void(HWND)>& walk) {
        DialogWaiter waiter([&](HWND dialog) { walk(dialog); });
        ::PostMessageA(mainWindow(), WM_COMMAND, ID_BENCH_TEST, 0);
        PumpUntilIdle(150);
        ASSERT_TRUE(waiter.seen()) << "Ctrl+T opened no dialog";
    }
};
}  // namespace

TEST_F(BenchTestTest, Cable3WalkedToGoodAddsTheDatedVerdictToTheNotes) {
    WriteBytes(Notes, "Made on Tuesday.");  // no line end: the verdict starts after a blank line
    std::string first, last;
    int redStart = 0, redEnd = 0;
    withTest([&](HWND dialog) {
        first = stepText(dialog);
        const Pixels pixels = Pixels::OfClient(dialog);
        RECT client;
        ::GetClientRect(dialog, &client);
        redStart = pixels.countOf(RGB(220, 0, 0), RECT{0, 0, client.right / 4, client.bottom});
        redEnd = pixels.countOf(RGB(220, 0, 0), RECT{client.right * 3 / 4, 0, client.right, client.bottom});
        // Y, N and Backspace: the second answer is taken back and given again with Space.
        type(dialog, std::vector<UINT>{'Y', 'N', VK_BACK} + times(Connections - 1, VK_SPACE) + times(Neighbours, 'N'));
        last = stepText(dialog);
        type(dialog, {VK_RETURN});
    });
    EXPECT_NE(first.find("Step 1 of 35: every connection beeps\nProbes on S3 (TxD) and E2 (RxD): does the meter beep?"),
              std::string::npos) << first;
    EXPECT_GT(redStart, 20) << "S3 is not marked on the start connector";
    EXPECT_GT(redEnd, 20) << "E2 is not marked on the end connector";
    EXPECT_NE(last.find("\nGood: 9 of 9 connections, 26 neighbour pairs silent\nAdded to the notes of this cable (F9)."),
              std::string::npos) << last;
    const std::string notes = ReadBytes(Notes);
    const std::string head = "Made on Tuesday.\r\n\r\nTest at the bench, ";
    ASSERT_EQ(notes.substr(0, head.size()), head) << notes;
    EXPECT_EQ(notes.substr(head.size() + 16), ": Good: 9 of 9 connections, 26 neighbour pairs silent\r\n") << notes;
}

TEST_F(BenchTestTest, ASilentConnectionAndABeepingNeighbourPairAreNamedAsTheirFaults) {
    std::string verdict;
    withTest([&](HWND dialog) {
        PressButton(dialog, IDC_BENCH_SILENT);  // the mouse: S3 - E2 stays silent
        type(dialog, times(Connections - 1, 'Y') + std::vector<UINT>{'Y'} + times(Neighbours - 1, 'N'));
        verdict = stepText(dialog);
        type(dialog, {VK_ESCAPE});
    });
    EXPECT_NE(verdict.find("\n2 faults: 8 of 9 connections beep, 25 of 26 neighbour pairs silent\n"
                           "S3 - E2 does not beep: open: a cold joint or a broken wire\n"
                           "S1 - S2 beeps: solder bridge between S1 and S2\n"),
              std::string::npos) << verdict;
    EXPECT_NE(ReadBytes(Notes).find("  S1 - S2 beeps: solder bridge between S1 and S2\r\n"), std::string::npos);
}

TEST_F(BenchTestTest, EscAsksWhetherToKeepTheAnswersAndNoLeavesTheNotesAsTheyWere) {
    WriteBytes(Notes, "Mine.\r\n");
    for (const int button : {IDNO, IDYES}) {
        std::string question;
        withTest([&](HWND dialog) {
            DialogWaiter box([&](HWND messageBox) {
                question = Describe(messageBox).text;
                PressButton(messageBox, button);
            });
            type(dialog, {VK_SPACE, VK_SPACE, VK_ESCAPE});
            PumpUntilIdle(150);
        });
        EXPECT_EQ(question, "Keep the 2 answers given so far in the notes of nullmodem, 3-Wire, DB9-DB9?");
        if (button == IDNO) {
            EXPECT_EQ(ReadBytes(Notes), "Mine.\r\n");
        }
    }
    const std::string notes = ReadBytes(Notes);
    EXPECT_EQ(notes.substr(0, 9), "Mine.\r\n\r\n") << notes;
    EXPECT_NE(notes.find(": Stopped after 2 of 35 steps: 2 of 9 connections beep, 0 of 26 neighbour pairs silent\r\n"),
              std::string::npos) << notes;
}

TEST_F(BenchTestTest, HighContrastColoursTheSurfaceAndTheStepAndNotTheDrawings) {
    const SystemColours system = HighContrastSystem();
    withTest([&](HWND dialog) {
        static_cast<BenchTestDialog*>(CWnd::FromHandle(dialog))->SetColours(SurfaceColoursFor(true, system));
        PumpUntilIdle();
        RECT step;
        ::GetWindowRect(::GetDlgItem(dialog, IDC_BENCH_STEP), &step);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&step), 2);
        const Pixels shown = Pixels::OfScreen(dialog);
        SaveHighContrastShot(shown);
        EXPECT_EQ(ColourName(shown.at(2, 2)), ColourName(system.buttonFace)) << "the surface";
        EXPECT_EQ(ColourName(shown.at(step.left + 2, step.top + 2)), ColourName(system.buttonFace)) << "the step's card";
        EXPECT_GT(shown.countOf(system.buttonText, step), 200) << "the step's letters";
        EXPECT_EQ(ColourName(shown.at(12, 12)), ColourName(RGB(255, 255, 255))) << "the start drawing's white ground";
        type(dialog, {VK_ESCAPE});
    });
}

TEST_F(BenchTestTest, GreyOnCableZero) {
    HMENU menu = ::GetMenu(mainWindow());
    auto grey = [&] {
        ::SendMessageA(mainWindow(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        return (::GetMenuState(menu, ID_BENCH_TEST, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    EXPECT_FALSE(grey());
    frame().ShowCable(0);
    EXPECT_TRUE(grey());
}
