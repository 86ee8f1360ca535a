#include "engine/VXButton.h"
#include "engine/VXCheckBox.h"
#include "engine/VXComboBox.h"
#include "engine/VXEdit.h"
#include "engine/VXEditArea.h"
#include "engine/VXGridLayout.h"
#include "engine/VXGroupBox.h"
#include "engine/VXGroupedRadioButton.h"
#include "engine/VXHBoxLayout.h"
#include "engine/VXHyperLink.h"
#include "engine/VXImage.h"
#include "engine/VXImageCheckBox.h"
#include "engine/VXPanel.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXProgressBar.h"
#include "engine/VXProgressDialog.h"
#include "engine/VXRadioButton.h"
#include "engine/VXScrollView.h"
#include "engine/VXSearchBar.h"
#include "engine/VXSearchPanel.h"
#include "engine/VXSlider.h"
#include "engine/VXSplitter.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "engine/VXText.h"
#include "engine/VXTextBrowser.h"
#include "engine/VXTogglePanel.h"
#include "engine/VXToolBar.h"
#include "engine/VXVBoxLayout.h"
#include "engine/VXWebBrowser.h"
#include "engine/VXWidgetStack.h"
#include "engine/VXWindow.h"
#include "vrix/vxim/Connect.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

namespace {

template <class Proxy> class ProxyWithParent : public ::testing::Test {
};

using ProxiesWithParent = ::testing::Types<VXButton, VXCheckBox, VXComboBox, VXEdit, VXEditArea,
    VXGridLayout, VXGroupBox, VXGroupedRadioButton, VXHBoxLayout, VXHyperLink, VXImage,
    VXImageCheckBox, VXPanel, VXPopupMenu, VXRadioButton, VXScrollView, VXSearchBar, VXSearchPanel,
    VXSlider, VXSplitter, VXTab, VXTabBar, VXText, VXTextBrowser, VXTogglePanel, VXToolBar,
    VXVBoxLayout, VXWebBrowser, VXWidgetStack>;
TYPED_TEST_SUITE(ProxyWithParent, ProxiesWithParent);

TYPED_TEST(ProxyWithParent, AttachesToItsParentAndIsDeletedWithItOrIsTopLevelWithoutOne)
{
    TypeParam topLevel(nullptr);
    EXPECT_EQ(topLevel.getParent(), nullptr);
    EXPECT_TRUE(VXObject::isObjectValid(&topLevel, topLevel.getUID()));
    VXPanel parent;
    auto* proxy = new TypeParam(&parent);
    const std::uint32_t id = proxy->getUID();
    EXPECT_EQ(proxy->getParent(), &parent);
    EXPECT_EQ(parent.getChildren(), (std::list<VXWidget*> { proxy }));
    parent.deleteChildren();
    EXPECT_FALSE(VXObject::isObjectValid(id));
}

// The progress proxies take a bridge name before the parent.
TEST(ProxyFamily, ProgressProxiesAttachToTheirParent)
{
    VXPanel parent;
    VXProgressBar bar("qt", &parent);
    VXProgressDialog dialog(nullptr, &parent);
    EXPECT_EQ(dialog.getBridgeName(), "") << "a null bridge name is empty";
    EXPECT_EQ(parent.getChildren(), (std::list<VXWidget*> { &bar, &dialog }));
    parent.removeChild(&bar);
    parent.removeChild(&dialog);
}

struct Owner : VXIM::Listener {
    ~Owner() override { disconnect(); }
};

// Repeated cancels collapse to one.
TEST(ProxyFamily, EmittersQueueEveryValueAndTheStateGetterWaitsForItsAnswer)
{
    VXWindow window;
    VXProgressDialog dialog("qt", nullptr);
    std::vector<std::string> icons;
    int cancels = 0;
    std::vector<int> values;
    std::vector<std::pair<bool, int>> progress;
    Owner owner;
    EXPECT_EQ(window.getStateEmitter(), ""); // nobody answers yet
    VXIM::connectFunction(
        window.setIconEmitter, &owner, [&](std::string path) { icons.push_back(path); });
    VXIM::connectFunction(window.getStateEmitter, &owner, [] { return std::string("geometry:1"); });
    VXIM::connectFunction(dialog.canceledEmitter, &owner, [&] { ++cancels; });
    VXIM::connectFunction(dialog.setValueEmitter, &owner, [&](int v) { values.push_back(v); });
    VXIM::connectFunction(
        dialog.doProgressEmitter, &owner, [&](bool b, int i) { progress.emplace_back(b, i); });
    window.setIconEmitter("a.png");
    window.setIconEmitter("b.png");
    for (int v = 1; v <= 3; ++v) {
        dialog.canceledEmitter();
        dialog.setValueEmitter(v);
    }
    dialog.doProgressEmitter(true, 7);
    EXPECT_TRUE(icons.empty()); // queued, not called
    VXIM::Thread::getCurrentThread().processCurrentQueue();
    EXPECT_EQ(icons, (std::vector<std::string> { "a.png", "b.png" }));
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(values, (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(progress, (std::vector<std::pair<bool, int>> { { true, 7 } }));
    EXPECT_EQ(window.getStateEmitter(), "geometry:1");
}

} // namespace
