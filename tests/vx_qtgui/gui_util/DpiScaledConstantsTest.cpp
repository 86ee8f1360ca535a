#include "vx_qtgui/GuiUtil.h"

#include "tests/vx_qtgui/gui_util/PictureFiles.h"
#include "vrix/DpiScaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DpiScaledConstants : public DpiScaleTest { };

// Scaled values are rounded half up, then truncated: 16 × 1.25 = 20 exactly, 16 × 1.3 = 20.8,
// 16 × 1.28 = 20.48.
TEST_F(DpiScaledConstants, FollowTheDisplayFactor)
{
    struct Row {
        double scale;
        std::vector<int> values; // width, height, list width, minimum list width, column, icon
    };
    const Row rows[] = {
        { 1.0, { 900, 600, 200, 200, 200, 16 } },
        { 1.5, { 1350, 900, 300, 300, 300, 24 } },
        { 1.25, { 1125, 750, 250, 250, 250, 20 } },
        { 1.3, { 1170, 780, 260, 260, 260, 21 } },
        { 1.28, { 1152, 768, 256, 256, 256, 20 } },
    };
    for (const Row& row : rows) {
        VRIX::setDpiScale(row.scale);
        const std::vector<int> values { GuiUtil::ME_ISIZE_WIDTH, GuiUtil::ME_ISIZE_HEIGHT,
            GuiUtil::ME_ISIZE_LISTWIDTH, GuiUtil::ME_MIN_LISTWIDTH, GuiUtil::ME_MAX_COLWIDTH,
            GuiUtil::DEFAULT_ICON_WIDTH };
        EXPECT_EQ(values, row.values) << "scale " << row.scale;
    }
}

} // namespace
