// What the connector catalog program's window makes of its list: the rows of its lists, the status
// line, where its parts go and the scale of its drawings, and the printed page.

#include <gtest/gtest.h>

#include "catalogapp/CatalogLayout.h"
#include "datafiles/ConnectorList.h"
#include "catalogapp/ConnectorPage.h"
#include "catalogapp/ConnectorRows.h"
#include "SampleConnectorList.h"

namespace {
ConnectorList sampleList() { return SampleConnectorList(); }
}  // namespace

TEST(ConnectorListRows, GroupHeadingsStandBeforeEachGroupsConnectors) {
    const std::vector<ConnectorRow> rows = ConnectorRows(sampleList());
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].text, "Serial and parallel");
    EXPECT_EQ(rows[0].connector, -1);
    EXPECT_EQ(rows[1].text, "    009  DE-9 (9-pin D-sub)");
    EXPECT_EQ(rows[1].connector, 0);
    EXPECT_EQ(rows[2].connector, 1);
    EXPECT_EQ(rows[3].text, "Audio and AV");
    EXPECT_EQ(rows[3].connector, -1);
    EXPECT_EQ(rows[4].connector, 2);
    EXPECT_EQ(rows[5].text, "    099  Unused");
}

TEST(ConnectorListRows, TheFindBoxKeepsTheConnectorsWhoseNameOrGroupHoldsEveryWord) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"d-sub", {-1, 0, 1}}, {"  DB-25  ", {-1, 1}}, {"audio", {-1, 2, 3}},
        {"rca serial", {}},    {"", {-1, 0, 1, -1, 2, 3}},
    };
    for (const auto& [words, connectors] : cases) {
        std::vector<int> found;
        for (const ConnectorRow& row : ConnectorRows(sampleList(), words)) found.push_back(row.connector);
        EXPECT_EQ(found, connectors) << "'" << words << "'";
    }
}

TEST(ConnectorListRows, TheSelectionStepsOverHeadingsInTheDirectionMoved) {
    const std::vector<ConnectorRow> rows = ConnectorRows(sampleList());
    EXPECT_EQ(SelectableRow(rows, 1, 2), 2);
    EXPECT_EQ(SelectableRow(rows, 2, 3), 4) << "down onto a heading goes on down";
    EXPECT_EQ(SelectableRow(rows, 4, 3), 2) << "up onto a heading goes on up";
    EXPECT_EQ(SelectableRow(rows, 1, 0), 1) << "the first heading has nothing above it: back down";
    EXPECT_EQ(SelectableRow(rows, -1, 0), 1);
    EXPECT_EQ(SelectableRow(rows, 2, 6), -1);
    EXPECT_EQ(SelectableRow(std::vector<ConnectorRow>{{"Group", -1}}, -1, 0), -1);
}

TEST(ConnectorListRows, PinoutsStepRoundTheEnds) {
    EXPECT_EQ(SteppedPinout(0, 1, 4), 1);
    EXPECT_EQ(SteppedPinout(3, 1, 4), 0);
    EXPECT_EQ(SteppedPinout(0, -1, 4), 3);
    EXPECT_EQ(SteppedPinout(0, 1, 1), 0);
    EXPECT_EQ(SteppedPinout(0, 1, 0), 0);
}

TEST(ConnectorListRows, TextsOfPinoutAndCableRowsAndTheStatusLine) {
    EXPECT_EQ(PinoutRowText(1, "DE-9 RS-232 (PC, DTE)"), "001  DE-9 RS-232 (PC, DTE)");
    EXPECT_EQ(PinoutRowText(0, ""), "000");
    EXPECT_EQ(CableRowText(38, "MAC - PC (DB9) serial"), "38  MAC - PC (DB9) serial");
    const ConnectorList list = sampleList();
    EXPECT_EQ(CatalogStatusText(list.connectors[0], 1),
              "DE-9 (9-pin D-sub): pinout 2 of 4, Enter shows the next. Tab: next list, F3: print, Esc: quit.");
    EXPECT_EQ(CatalogStatusText(list.connectors[2], 0),
              "RCA (phono): pinout 1 of 1. Tab: next list, F3: print, Esc: quit.");
    EXPECT_EQ(CatalogStatusText(list.connectors[3], 0),
              "Unused: no pinout drawing. Tab: next list, F3: print, Esc: quit.");
}

TEST(ConnectorListLayout, PartsOfTheWindowDoNotOverlapAndFillIt) {
    const Rect client = {0, 0, 792, 527};
    const CatalogLayout l = CatalogLayoutFor(client);
    EXPECT_EQ(l.status, (Rect{1, 508, 791, 527}));
    EXPECT_EQ(l.connectorList, (Rect{8, 26, 218, 502}));
    EXPECT_EQ(l.findBox, (Rect{88, 4, 218, 23})) << "right of the caption, over the list";
    EXPECT_EQ(l.connectorPanel, (Rect{226, 26, 501, 311}));
    EXPECT_EQ(l.pinoutPanel, (Rect{509, 26, 784, 311}));
    EXPECT_EQ(l.pinoutList, (Rect{226, 337, 408, 502}));
    EXPECT_EQ(l.cableList, (Rect{416, 337, 784, 502}));
    EXPECT_EQ(l.connectorCaption.x, 226);
    EXPECT_EQ(l.connectorCaption.y, 9);
    EXPECT_EQ(l.cablesCaption.y, 320);
    EXPECT_LT(l.connectorList.bottom, l.status.top);
    EXPECT_LT(l.cableList.bottom, l.status.top);
}

TEST(ConnectorListLayout, PanelScaleShowsTheWholeEnvelopeAtOneWholeUnitPerPixel) {
    // 275 x 285 pixels: 9400 / 285 rounds up to 33 units a pixel (5000 / 275 needs only 19).
    EXPECT_EQ(CatalogPanelScale(275, 285), (Scale{630, -472}));
    // Wide and low or narrow and high: the tighter way decides.
    EXPECT_EQ(CatalogPanelScale(100, 2000), (Scale{416, -312}));  // 50 units a pixel
    EXPECT_EQ(CatalogPanelScale(1000, 940), (Scale{2080, -1560}));  // 10
    EXPECT_EQ(CatalogPanelScale(0, 0), (Scale{2, -1}));  // no room: 9400 units a pixel, never a zero extent
    for (int w = 40; w < 900; w += 37) {
        for (int h = 40; h < 900; h += 41) {
            Scale s = CatalogPanelScale(w, h);
            const int units = DrawingExtentX / s.x;
            EXPECT_GE(w * units, 5000) << w << " x " << h;
            EXPECT_GE(h * units, 9400) << w << " x " << h;
        }
    }
}

TEST(ConnectorListPage, TitleLinesAndTheTwoDrawingsSideBySide) {
    const ConnectorList list = sampleList();
    EXPECT_STREQ(ConnectorDocumentName, "Strandor! connector catalog");
    EXPECT_EQ(ConnectorPageSubtitle(list.connectors[0], 1, "DE-9 RS-232 (PC, DTE)"),
              "Connector 009, pinout 001: DE-9 RS-232 (PC, DTE)");
    EXPECT_EQ(ConnectorPageSubtitle(list.connectors[2], 0, ""), "Connector 015, pinout 000");
    EXPECT_EQ(ConnectorPageSubtitle(list.connectors[3], -1, ""), "Connector 099, no pinout drawing");
    const auto drawings = ConnectorPageDrawings(9, 36);
    EXPECT_EQ(drawings[0].path, "DATA\\PLUG\\PLUG.009");
    EXPECT_EQ(drawings[1].path, "DATA\\PINOUTS\\PINOUTS.036");
    EXPECT_EQ(drawings[0].y0, drawings[1].y0) << "one baseline";
    // Each drawing reaches 1900 units either side of its (0, 0): they neither touch nor leave the page.
    EXPECT_GE(-drawings[1].x0 - 1900, -drawings[0].x0 + 1900);
    EXPECT_GE(-drawings[0].x0 - 1900, 0);
    EXPECT_LE(-drawings[1].x0 + 1900, 21000);
    EXPECT_GE(drawings[0].y0 - 4400, -SubtitlePosition.y + 500) << "below the subtitle";
}
