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

struct Receiver : VXIM::Listener {
    ~Receiver() override { disconnect(); }
    std::vector<std::string> icons;
    int canceledCount = 0;
    std::vector<std::pair<bool, int>> progress;
    std::vector<int> values;
};

void serveThisThread()
{
    VXIM::Thread::getCurrentThread().processCurrentQueue();
}

TEST(ProxyFamily, WindowEmittersQueueEveryValueAndTheStateGetterWaitsForItsAnswer)
{
    VXWindow window;
    Receiver receiver;
    EXPECT_EQ(window.getStateEmitter(), ""); // nobody answers yet

    VXIM::connectFunction(window.setIconEmitter, &receiver,
        [&receiver](std::string path) { receiver.icons.push_back(path); });
    VXIM::connectFunction(
        window.getStateEmitter, &receiver, [] { return std::string("geometry:1"); });
    window.setIconEmitter("a.png");
    window.setIconEmitter("b.png");
    EXPECT_TRUE(receiver.icons.empty()); // queued, not called
    serveThisThread();
    EXPECT_EQ(receiver.icons, (std::vector<std::string> { "a.png", "b.png" }));
    EXPECT_EQ(window.getStateEmitter(), "geometry:1");
}

TEST(ProxyFamily, ProgressDialogCollapsesRepeatedCancelsButKeepsEveryValue)
{
    VXProgressDialog dialog("qt", nullptr);
    Receiver receiver;
    VXIM::connectFunction(
        dialog.canceledEmitter, &receiver, [&receiver] { ++receiver.canceledCount; });
    VXIM::connectFunction(
        dialog.setValueEmitter, &receiver, [&receiver](int v) { receiver.values.push_back(v); });
    VXIM::connectFunction(dialog.doProgressEmitter, &receiver,
        [&receiver](bool b, int i) { receiver.progress.emplace_back(b, i); });
    dialog.canceledEmitter();
    dialog.canceledEmitter();
    dialog.canceledEmitter();
    for (int v = 1; v <= 3; ++v)
        dialog.setValueEmitter(v);
    dialog.doProgressEmitter(true, 7);
    serveThisThread();
    EXPECT_EQ(receiver.canceledCount, 1);
    EXPECT_EQ(receiver.values, (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(receiver.progress, (std::vector<std::pair<bool, int>> { { true, 7 } }));
}

} // namespace
