#include "RadioPanel.h"

#include <gtest/gtest.h>

namespace {

TEST(RadioPanelTest, StartsHiddenWithoutCaption) {
    TRadioPanel panel(nullptr);
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.Width(), 194);
    EXPECT_EQ(panel.Height(), 100);
    EXPECT_EQ(panel.MemoHeight(), 58);
    EXPECT_EQ(panel.FinalAnchors(), akLeft | akTop);
    EXPECT_EQ(panel.Anchors(), akLeft | akTop);
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.Caption(), "");
    EXPECT_FALSE(panel.InPopup());
    EXPECT_FALSE(panel.RadioEnabled());
    EXPECT_EQ(panel.Lines().Count(), 0);
}

TEST(RadioPanelTest, FinalAnchorsReachTheAnchorsOnlyInThePopup) {
    TRadioPanel panel(nullptr);
    panel.SetFinalAnchors(akLeft | akTop | akRight);
    EXPECT_EQ(panel.Anchors(), akLeft | akTop);
    EXPECT_EQ(panel.FinalAnchors(), akLeft | akTop | akRight);
    panel.SetInPopup(true);
    panel.SetFinalAnchors(akRight | akBottom);
    EXPECT_EQ(panel.Anchors(), akRight | akBottom);
    EXPECT_EQ(panel.FinalAnchors(), akRight | akBottom);
}

TEST(RadioPanelTest, SettingLinesCopiesThem) {
    TRadioPanel panel(nullptr);
    TStrings mine;
    mine.Add("first");
    panel.SetLines(mine);
    mine.Add("second");
    ASSERT_EQ(panel.Lines().Count(), 1);
    EXPECT_EQ(panel.Lines()[0], "first");
}

} // namespace
