// The test at the bench without its window: the steps of real cables, what the answers mean, and
// the verdict added to a notes file in the file's own encoding.

#include <gtest/gtest.h>

#include <algorithm>

#include "RealCableIndex.h"
#include "benchtest/BenchLayout.h"
#include "benchtest/BenchRun.h"

namespace {
std::vector<std::string> questions(int cable, std::size_t from, std::size_t count) {
    const std::vector<BenchStep> steps = BenchSteps(*realIndex().find(cable));
    std::vector<std::string> asked;
    for (std::size_t i = from; i < from + count && i < steps.size(); ++i) asked.push_back(steps[i].question());
    return asked;
}

BenchRun answered(const std::string& answers) {
    // Three connections and two neighbour pairs, the second of them sharing S3 with the first wire.
    IndexedCable cable;
    cable.wires = {{"wire", "S3", "TxD", "E2", "RxD", ""}, {"wire", "S2", "RxD", "E3", "TxD", ""},
                   {"jumper", "E7", "", "E8", "", ""}};
    cable.quiet = {{"S1", "S2"}, {"S3", "S4"}};
    BenchRun run(BenchSteps(cable));
    for (char c : answers) c == 'b' ? run.answer(BenchAnswer::Beeps) : c == '<' ? void(run.back()) : run.answer(BenchAnswer::Silent);
    return run;
}
}  // namespace

TEST(BenchRun, StepsOfCable3AYCableAndARibbon) {
    const std::vector<BenchStep> three = BenchSteps(*realIndex().find(3));
    EXPECT_EQ(three.size(), 9u + 26u) << "3 wires and 6 jumpers, then 13 neighbour pairs an end; the open shield is no step";
    EXPECT_EQ(questions(3, 0, 1), (std::vector<std::string>{"Probes on S3 (TxD) and E2 (RxD): does the meter beep?"}));
    EXPECT_EQ(questions(3, 3, 1), (std::vector<std::string>{"Probes on S7 (RTS) and S8 (CTS): does the meter beep?"}));
    EXPECT_EQ(questions(3, 9, 2), (std::vector<std::string>{"Probes on S1 and S2: it must stay silent.",
                                                             "Probes on S2 and S3: it must stay silent."}));
    // The Y-cable asks each plug's wires, the split ground of the start once for each plug.
    EXPECT_EQ(questions(22, 2, 2), (std::vector<std::string>{"Probes on S3 (GND) and EK:3 (GND): does the meter beep?",
                                                              "Probes on S4 (+5V) and EK:4 (+5V): does the meter beep?"}));
    EXPECT_EQ(questions(22, 6, 1), (std::vector<std::string>{"Probes on S3 (GND) and EM:3 (GND): does the meter beep?"}));
    // The ribbon: each of its 39 wires, 20 left out where the key blocks the hole.
    const std::vector<BenchStep> ide = BenchSteps(*realIndex().find(19));
    EXPECT_EQ(std::count_if(ide.begin(), ide.end(), [](const BenchStep& s) { return s.wantsBeep(); }), 39);
    EXPECT_EQ(questions(19, 19, 1)[0].substr(0, 15), "Probes on S21 (") << questions(19, 19, 1)[0];
}

TEST(BenchRun, AnswersGiveTheVerdictWithEachFaultNamed) {
    const struct {
        const char* answers;  // b: beeps, s: silent, <: back
        std::vector<std::string> verdict;
    } cases[] = {
        {"bbbss", {"Good: 3 of 3 connections, 2 neighbour pairs silent"}},
        {"bsbss", {"1 fault: 2 of 3 connections beep, 2 of 2 neighbour pairs silent",
                   "S2 - E3 does not beep: open: a cold joint or a broken wire"}},
        {"bbbbs", {"1 fault: 3 of 3 connections beep, 1 of 2 neighbour pairs silent",
                   "S1 - S2 beeps: solder bridge between S1 and S2"}},
        // S3's wire is on S4's cup: S3 - E2 is silent and S3 beeps to S4; one fault.
        {"sbbsb", {"1 fault: 2 of 3 connections beep, 1 of 2 neighbour pairs silent",
                   "S3 - E2 does not beep: on the wrong contact (S3 beeps to S4)"}},
        {"ss<<bbbs", {"Stopped after 4 of 5 steps: 3 of 3 connections beep, 1 of 2 neighbour pairs silent"}},
        {"bs", {"Stopped after 2 of 5 steps, 1 fault: 1 of 3 connections beep, 0 of 2 neighbour pairs silent",
                "S2 - E3 does not beep: open: a cold joint or a broken wire"}},
    };
    for (const auto& c : cases) EXPECT_EQ(answered(c.answers).verdict(), c.verdict) << c.answers;
    EXPECT_FALSE(answered("").back()) << "no step before the first";
}

TEST(BenchRun, TheVerdictGoesAfterTheNotesInTheirOwnEncoding) {
    const std::string block = VerdictBlock({"1 fault: x", "S2 - E3 does not beep: open"}, "2026-12-10 12:34");
    EXPECT_EQ(block, "Test at the bench, 2026-12-10 12:34: 1 fault: x\r\n  S2 - E3 does not beep: open\r\n");
    const struct {
        std::string existing, block, appended;
    } cases[] = {
        {"", "A\r\n", "A\r\n"},
        {"notes\r\n", "A\r\n", "\r\nA\r\n"},
        {"notes", "A\r\n", "\r\n\r\nA\r\n"},
        {"caf\xE9", "\x80\r\n", "\r\n\r\n\x80\r\n"},                                  // code page 1252 stays so
        {"caf\xC3\xA9\n", "\x80\r\n", "\r\n\xE2\x82\xAC\r\n"},                       // UTF-8 without a mark
        {"\xEF\xBB\xBF", "\xE9", "\xC3\xA9"},                                          // UTF-8 with one, empty
        {std::string("\xFF\xFEx\0\n\0", 6), "A", std::string("\r\0\n\0A\0", 6)},      // UTF-16 little-endian
        {std::string("\xFE\xFF\0x", 4), "\x80", std::string("\0\r\0\n\0\r\0\n\x20\xAC", 10)},  // big-endian
    };
    for (const auto& c : cases) EXPECT_EQ(NotesAppendBytes(c.existing, c.block), c.appended) << c.existing;
}

TEST(BenchRun, ADrawingFitsItsBoxAndItsContactsLandWhereGdiPutsThem) {
    const BenchLayout layout = LayoutBench(714, 440, 96);
    EXPECT_EQ(layout.startDrawing.left, 10);
    EXPECT_EQ(layout.endDrawing.right, 704);
    EXPECT_LT(layout.startDrawing.right, layout.step.left);
    const DrawingFit fit = FitConnectorDrawing(layout.startDrawing);
    // 142 x 420 pixels: the width rules, 27 drawing units a pixel (3800 / 142 rounded up).
    EXPECT_EQ(fit.viewportX, 20800 / 27);
    EXPECT_EQ(fit.viewportY, -(15600 / 27));
    EXPECT_NEAR(fit.pixelX(-1900), layout.startDrawing.left, 2) << "the envelope's left edge";
    EXPECT_NEAR(fit.pixelX(1900), layout.startDrawing.right, 2);
    EXPECT_NEAR(fit.pixelY(0), 220, 1) << "the middle of the box";
    EXPECT_NEAR(fit.pixelY(4400) - fit.pixelY(0), -(4400 / 27), 1) << "up the drawing is up the screen";
}
