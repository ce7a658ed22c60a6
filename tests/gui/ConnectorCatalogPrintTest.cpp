// Printing the connector shown: F3 asks the system printer dialog; cancelling it says so.

#include <memory>

#include "ConnectorCatalogFixture.h"

#include "resource.h"

TEST_F(ConnectorCatalogTest, F3AsksForThePrinterAndCancellingItSaysPrintingCanceled) {
    std::vector<DialogInfo> seen;
    std::unique_ptr<DialogWaiter> second;
    DialogWaiter first([&](HWND dialog) {
        seen.push_back(Describe(dialog));
        second = std::make_unique<DialogWaiter>([&](HWND box) {
            seen.push_back(Describe(box));
            PressButton(box, IDOK);
        });
        PressButton(dialog, IDCANCEL);
    });
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_F3);
    for (int i = 0; i < 100 && seen.size() < 2; ++i) PumpUntilIdle(20, 200);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "Print") << "the system printer dialog";
    EXPECT_EQ(seen[1].caption, "Strandor! connector catalog");
    EXPECT_EQ(seen[1].text, "Printing canceled");
    EXPECT_TRUE(::IsWindow(frame())) << "the program goes on";
}
