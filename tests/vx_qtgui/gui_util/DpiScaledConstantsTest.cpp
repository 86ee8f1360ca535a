#include "vx_qtgui/GuiUtil.h"

#include "vrix/DpiScaling.h"

#include <gtest/gtest.h>

namespace {

// The display factor is process-wide: every test starts at 1.0 and puts it back.
class DpiScaledConstants : public ::testing::Test {
protected:
    void SetUp() override { VRIX::setDpiScale(1.0); }
    void TearDown() override { VRIX::setDpiScale(1.0); }
};

TEST_F(DpiScaledConstants, ReadTheirBaseValuesAtScaleOne)
{
    EXPECT_EQ(GuiUtil::ME_ISIZE_WIDTH, 900);
    EXPECT_EQ(GuiUtil::ME_ISIZE_HEIGHT, 600);
    EXPECT_EQ(GuiUtil::ME_ISIZE_LISTWIDTH, 200);
    EXPECT_EQ(GuiUtil::ME_MIN_LISTWIDTH, 200);
    EXPECT_EQ(GuiUtil::ME_MAX_COLWIDTH, 200);
    EXPECT_EQ(GuiUtil::DEFAULT_ICON_WIDTH, 16);
}

TEST_F(DpiScaledConstants, ScaleByOneAndAHalf)
{
    VRIX::setDpiScale(1.5);
    EXPECT_EQ(GuiUtil::ME_ISIZE_WIDTH, 1350);
    EXPECT_EQ(GuiUtil::ME_ISIZE_HEIGHT, 900);
    EXPECT_EQ(GuiUtil::ME_ISIZE_LISTWIDTH, 300);
    EXPECT_EQ(GuiUtil::ME_MIN_LISTWIDTH, 300);
    EXPECT_EQ(GuiUtil::ME_MAX_COLWIDTH, 300);
    EXPECT_EQ(GuiUtil::DEFAULT_ICON_WIDTH, 24);
}

TEST_F(DpiScaledConstants, RoundHalfUpThenTruncate)
{
    // 16 × 1.25 = 20 exactly, 16 × 1.3 = 20.8, 16 × 1.28 = 20.48.
    VRIX::setDpiScale(1.25);
    EXPECT_EQ(GuiUtil::DEFAULT_ICON_WIDTH, 20);
    VRIX::setDpiScale(1.3);
    EXPECT_EQ(GuiUtil::DEFAULT_ICON_WIDTH, 21);
    VRIX::setDpiScale(1.28);
    EXPECT_EQ(GuiUtil::DEFAULT_ICON_WIDTH, 20);
}

} // namespace
