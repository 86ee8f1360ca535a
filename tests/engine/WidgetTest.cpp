#include "engine/VXButton.h"
#include "engine/VXPanel.h"
#include "engine/VXWidget.h"

#include <gtest/gtest.h>

#include <cstring>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace {

// Listeners are only compared, never called, here: any distinct addresses serve.
int s_listenerStorage[3];
VXListener* const l1 = reinterpret_cast<VXListener*>(&s_listenerStorage[0]);
VXListener* const l2 = reinterpret_cast<VXListener*>(&s_listenerStorage[1]);

class RecordingWidget : public VXWidget {
public:
    explicit RecordingWidget(std::vector<std::string>* log = nullptr, std::string name = {})
        : m_log(log)
        , m_name(std::move(name))
    {
    }
    ~RecordingWidget() override
    {
        disconnect();
        record("destroyed");
    }
    void show() override { record("show"); }
    void hide() override { record("hide"); }
    void onParentDestroyed() override { record("parent destroyed"); }

private:
    void record(const char* what)
    {
        if (m_log)
            m_log->push_back(m_name.empty() ? what : m_name + " " + what);
    }
    std::vector<std::string>* m_log;
    std::string m_name;
};

class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override { m_liveBefore = liveObjects(); }
    // Every proxy a test builds is gone at its end.
    void TearDown() override { EXPECT_EQ(liveObjects(), m_liveBefore); }

    static std::size_t liveObjects()
    {
        std::vector<VXObject*> objects;
        VXObject::getAllValidObjects(objects);
        return objects.size();
    }

    std::size_t m_liveBefore = 0;
};

TEST_F(WidgetTest, ChildAddedTwiceIsListedTwiceRemovedOneAtATimeAndDeletedOnce)
{
    std::vector<std::string> log;
    VXPanel parent;
    auto* deletedByHost = new VXButton(&parent);
    auto* first = new RecordingWidget(&log, "first");
    auto* second = new RecordingWidget(&log, "second");
    first->setParent(&parent);
    first->setParent(&parent);
    second->setParent(&parent);
    delete deletedByHost; // leaves the list: deleteChildren must not touch it again
    EXPECT_EQ(first->getParent(), &parent);
    EXPECT_EQ(parent.getChildren(), (std::list<VXWidget*> { first, first, second }));
    parent.removeChild(first);
    parent.removeChild(nullptr);
    EXPECT_EQ(parent.getChildren(), (std::list<VXWidget*> { first, second }));
    EXPECT_EQ(first->getParent(), &parent); // removeChild does not touch the child

    // setVisible reaches the overriding show and hide.
    static_cast<VXWidget*>(first)->setVisible(false);
    static_cast<VXWidget*>(first)->setVisible(true);
    // Each child is deleted once, in attachment order.
    first->setParent(&parent);
    parent.deleteChildren();
    EXPECT_EQ(log,
        (std::vector<std::string> {
            "first hide", "first show", "first destroyed", "second destroyed" }));
    EXPECT_TRUE(parent.getChildren().empty());
}

TEST_F(WidgetTest, ChildOutlivingItsParentDoesNotTouchTheFreedParent)
{
    alignas(VXPanel) unsigned char storage[sizeof(VXPanel)];
    auto* parent = new (storage) VXPanel;
    auto child = std::make_unique<VXButton>(parent);
    ASSERT_EQ(parent->getChildren(), (std::list<VXWidget*> { child.get() }));
    parent->~VXPanel();
    // What a reused block may hold: walking it as the parent's child list would crash.
    std::memset(storage, 0xA5, sizeof storage);
    child.reset();
    EXPECT_FALSE(VXObject::isObjectValid(reinterpret_cast<VXObject*>(storage)));
}

TEST_F(WidgetTest, DestructorTellsRegisteredChildrenTheirParentIsGone)
{
    std::vector<std::string> log;
    auto parent = std::make_unique<VXPanel>();
    RecordingWidget recorded(&log, "child");
    RecordingWidget unrelated(&log, "unrelated");
    auto stale = std::make_unique<VXPanel>();
    const std::uint32_t staleId = stale->getUID();
    stale.reset();
    VXObject::addToChildrenMap(recorded.getUID(), parent->getUID());
    VXObject::addToChildrenMap(staleId, parent->getUID()); // skipped: no longer registered

    parent.reset();
    EXPECT_EQ(log, (std::vector<std::string> { "child parent destroyed" }));
    VXObject::removeFromChildrenMap(staleId);
}

TEST_F(WidgetTest, NewProxyTranslatesIgnoresANullParentAndRemovesEveryEntryOfAListenerPair)
{
    VXPanel panel;
    panel.setParent(nullptr);
    EXPECT_EQ(panel.getParent(), nullptr);
    EXPECT_TRUE(panel.getChildren().empty());
    EXPECT_TRUE(panel.shouldTranslate());
    EXPECT_EQ(panel.listenerCount(), 0u);
    EXPECT_FALSE(panel.listensForEventOfType(ButtonPressEvent));
    panel.addEventListener(l1, ButtonPressEvent);
    panel.addEventListener(l1, CloseEvent);
    panel.addEventListener(l1, InvalidEvent);
    panel.addEventListener(l2, ButtonPressEvent);
    panel.addEventListener(l1, ButtonPressEvent);
    ASSERT_EQ(panel.listenerCount(), 5u);

    panel.removeEventListener(l1, ButtonPressEvent);
    EXPECT_EQ(panel.listenerCount(), 2u);
    EXPECT_TRUE(panel.listensForEventOfType(CloseEvent));
    EXPECT_TRUE(panel.listensForEventOfType(ButtonPressEvent)); // l2's entry
    EXPECT_FALSE(panel.listensForEventOfType(InvalidEvent));

    panel.removeEventListener(l2, FocusEvent);
    EXPECT_EQ(panel.listenerCount(), 2u);
    panel.removeEventListener(l2, ButtonPressEvent);
    EXPECT_FALSE(panel.listensForEventOfType(ButtonPressEvent));
    EXPECT_TRUE(panel.listensForEventOfType(CloseEvent));
}

} // namespace
