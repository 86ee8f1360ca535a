// The dispatcher and the widget registries, driven from the engine thread.
#include "engine/VXObject.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtWFlagsMessage.h"
#include "messaging/VXConvertQPixmapToQImage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCreationRoute.h"
#include "vx_qtgui/GuiLookup.h"
#include "vx_qtgui/GuiWidget.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

using vxtest::post;
using vxtest::runOnGuiThread;
using vxtest::send;
using vxtest::waitUntil;

namespace {

// What happened to test widgets, in order. GUI thread.
std::vector<std::string> g_life;

// A test widget kind: a QWidget registered under its peer key that records the messages it
// handles and the label it was built with.
class TestWidget : public QWidget, public GuiWidget {
public:
    TestWidget(void* key, QWidget* parent, const QString& label)
        : QWidget(parent)
        , GuiWidget(key)
        , m_label(label)
    {
        GuiApplication::putWidget(key, this);
    }
    void vxMessageNotify(VXMessageType type, QtMessage* msg) override
    {
        m_types.push_back(type);
        if (type == SetToolTipMsg)
            setToolTip(static_cast<QtStringMessage*>(msg)->m_string);
        if (type == IsVisibleMsg)
            vxtest::ProbeWidget::answer(msg, static_cast<int>(m_types.size()));
    }
    ~TestWidget() override { g_life.push_back(m_label.toStdString() + " deleted"); }
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Close)
            g_life.push_back(m_label.toStdString() + " closed");
        if (e->type() == QEvent::DeferredDelete)
            g_life.push_back(m_label.toStdString() + " deleted later");
        return QWidget::event(e);
    }

    QString m_label;
    std::vector<VXMessageType> m_types;
};

class TestMainWindow : public QMainWindow, public GuiWidget {
public:
    explicit TestMainWindow(void* key)
        : GuiWidget(key)
    {
        GuiApplication::putWidget(key, this);
    }
};

GuiObject* createTestWidget(void* key, QtMessage& msg, QWidget* parent)
{
    auto* payload = dynamic_cast<QtHandleStr4Message*>(&msg);
    return payload ? new TestWidget(key, parent, payload->m_string1) : nullptr;
}

// The tool bar row carries only the parent.
GuiObject* createTestToolBar(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new TestWidget(key, parent, "bar") : nullptr;
}

GuiObject* createMainWindow(void* key, QtMessage&, QWidget*)
{
    return new TestMainWindow(key);
}

std::atomic<int> g_finished { 0 };

void countFinish(GuiObject*, QWidget*)
{
    ++g_finished;
}

class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vxtest::startGuiThreadOnce();
        ASSERT_NE(vxtest::guiThread(), nullptr);
        // Test kinds under three creation ids, restored afterwards.
        for (const GuiCreationRoute::Entry& entry :
            { GuiCreationRoute::Entry { BTNCreateMsg, GuiCreationRoute::WidgetParent, true, true,
                  &createTestWidget, &countFinish },
                GuiCreationRoute::Entry { TOOLCreateMsg, GuiCreationRoute::MainWindowParent, false,
                    false, &createTestToolBar, nullptr },
                GuiCreationRoute::Entry { WNDCreateMsg, GuiCreationRoute::NoParent, false, false,
                    &createMainWindow, nullptr } })
            m_routes.push_back(std::make_unique<vxtest::ScopedCreationRoute>(entry));
        m_baseline = count();
        g_finished = 0;
    }

    void TearDown() override
    {
        for (void* key : m_keys)
            send(new QtMessage(key, DestroyWidgetMsg));
        EXPECT_EQ(count(), m_baseline) << "a widget stayed registered";
        m_routes.clear();
    }

    static int count() { return vxtest::guiObjectCount(); }

    // Posts the creation of a test widget under `key` with the given parent proxy.
    void create(void* key, void* parent, const char* label = "label")
    {
        m_keys.push_back(key);
        post(new QtHandleStr4Message(
            key, BTNCreateMsg, parent, label, nullptr, nullptr, nullptr, false));
    }

    static TestWidget* widgetOf(void* key)
    {
        return dynamic_cast<TestWidget*>(GuiApplication::findWidget(key));
    }

    // The life log so far, read on the GUI thread.
    static std::vector<std::string> life()
    {
        std::vector<std::string> copy;
        runOnGuiThread([&] { copy = g_life; });
        return copy;
    }

    std::vector<void*> m_keys;
    int m_baseline = 0;
    std::vector<std::unique_ptr<vxtest::ScopedCreationRoute>> m_routes;
    int m_parentKey = 0, m_childKey = 0, m_otherKey = 0;
};

TEST_F(DispatcherTest, CreationBuildsRegistersAndNotifiesUnderTheParentAndDestroyedOnlyComplete)
{
    create(&m_parentKey, nullptr, "parent");
    create(&m_childKey, &m_parentKey, "child");
    // Posted right behind the creation, without waiting: it reaches the new widget.
    post(new QtStringMessage(&m_childKey, SetToolTipMsg, QStringLiteral("tip")));
    EXPECT_EQ(send(new QtMessage(&m_childKey, IsVisibleMsg)), 3);

    runOnGuiThread([&] {
        TestWidget* parent = widgetOf(&m_parentKey);
        TestWidget* child = widgetOf(&m_childKey);
        ASSERT_NE(parent, nullptr);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(parent->parentWidget(), nullptr);
        EXPECT_EQ(child->parentWidget(), parent);
        EXPECT_EQ(child->m_label, QStringLiteral("child"));
        EXPECT_EQ(child->peerKey(), &m_childKey);
        EXPECT_EQ(child->m_types,
            (std::vector<VXMessageType> { BTNCreateMsg, SetToolTipMsg, IsVisibleMsg }));
        EXPECT_EQ(child->toolTip(), QStringLiteral("tip"));
    });
    EXPECT_EQ(g_finished.load(), 2);
    EXPECT_EQ(count(), m_baseline + 2);
    // The child, registered under its own key, goes with its parent and unregisters itself.
    send(new QtMessage(&m_parentKey, DestroyWidgetMsg));
    EXPECT_EQ(count(), m_baseline);
    // Engine-only messages without a target only complete.
    EXPECT_EQ(send(new QtMessage(nullptr, GenerateSEGVMsg)), 0);
    EXPECT_EQ(send(new QtMessage(nullptr, VXIMProcessEventsMsg)), 0);
}

TEST_F(DispatcherTest, UnknownOrUnfitParentGivesAParentlessWidgetAndAnUnfitPayloadNone)
{
    int unknownParent = 0;
    create(&m_childKey, &unknownParent);
    // The tool bar kind wants a main window: a plain widget does not qualify, a window does.
    create(&m_parentKey, nullptr);
    m_keys.push_back(&m_otherKey);
    post(new QtHandleMessage(&m_otherKey, TOOLCreateMsg, &m_parentKey));
    int windowKey = 0, barKey = 0, unfitKey = 0;
    m_keys.insert(m_keys.end(), { &barKey, &windowKey });
    post(new QtWFlagsMessage(&windowKey, WNDCreateMsg, 0));
    post(new QtHandleMessage(&barKey, TOOLCreateMsg, &windowKey));
    // A payload of the wrong class: nothing built or finished.
    post(new QtIntMessage(&unfitKey, BTNCreateMsg, 1));

    EXPECT_EQ(count(), m_baseline + 5);
    EXPECT_EQ(g_finished.load(), 2);
    runOnGuiThread([&] {
        ASSERT_NE(widgetOf(&m_childKey), nullptr);
        EXPECT_EQ(widgetOf(&m_childKey)->parentWidget(), nullptr);
        ASSERT_NE(widgetOf(&m_otherKey), nullptr);
        EXPECT_EQ(widgetOf(&m_otherKey)->parentWidget(), nullptr);
        // Not notified: its entry says so.
        EXPECT_TRUE(widgetOf(&m_otherKey)->m_types.empty());
        ASSERT_NE(widgetOf(&barKey), nullptr);
        EXPECT_EQ(widgetOf(&barKey)->parentWidget(),
            dynamic_cast<QWidget*>(GuiApplication::findWidget(&windowKey)));
    });
}

TEST_F(DispatcherTest, DestroyUnregistersAtOnceAndDeletesUnlessModalEvenInChurn)
{
    create(&m_parentKey, nullptr, "plain");
    create(&m_childKey, nullptr, "modal");
    runOnGuiThread([&] {
        g_life.clear();
        widgetOf(&m_childKey)->setWindowModality(Qt::ApplicationModal);
        widgetOf(&m_childKey)->show();
    });

    // Gone from the registry at once; deleted at once, or after the events Qt still holds
    // for it when it was built in the same batch.
    send(new QtMessage(&m_parentKey, DestroyWidgetMsg));
    EXPECT_EQ(count(), m_baseline + 1);
    EXPECT_TRUE(waitUntil([&] { return !life().empty() && life().back() == "plain deleted"; }));
    runOnGuiThread([&] { g_life.clear(); });

    // The modal one is closed, then deleted through a deferred deletion.
    send(new QtMessage(&m_childKey, DestroyWidgetMsg));
    EXPECT_TRUE(waitUntil([&] { return life().size() == 3; }));
    EXPECT_EQ(life(),
        (std::vector<std::string> { "modal closed", "modal deleted later", "modal deleted" }));
    EXPECT_EQ(count(), m_baseline);

    // Built and destroyed back to back without waiting, as a churning host does: each is
    // unregistered at once and deleted once Qt has delivered what it queued for it.
    runOnGuiThread([&] { g_life.clear(); });
    constexpr int kPairs = 200;
    std::vector<int> keys(kPairs);
    for (int& key : keys) {
        create(&key, nullptr, "churn");
        post(new QtMessage(&key, DestroyWidgetMsg));
    }
    EXPECT_EQ(count(), m_baseline);
    EXPECT_TRUE(waitUntil([&] {
        const std::vector<std::string> now = life();
        return std::count(now.begin(), now.end(), "churn deleted") == kPairs;
    }));
}

TEST_F(DispatcherTest, PixmapConversionRunsOnTheGuiThread)
{
    QPixmap* pixmap = nullptr;
    runOnGuiThread([&] {
        pixmap = new QPixmap(4, 3);
        pixmap->fill(QColor(255, 0, 0));
    });
    QImage image;
    VXConvertQPixmapToQImage(*pixmap, image);
    EXPECT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(QColor(image.pixel(2, 1)), QColor(255, 0, 0));
    runOnGuiThread([&] { delete pixmap; });

    // Without a source nothing is converted.
    QImage untouched(1, 1, QImage::Format_RGB32);
    untouched.fill(Qt::blue);
    auto* noSource = new QtConvertQPixmapToQImage(nullptr, ConvertQPixmapToQImageMsg);
    noSource->m_image = &untouched;
    send(noSource);
    EXPECT_EQ(untouched.size(), QSize(1, 1));
    EXPECT_EQ(QColor(untouched.pixel(0, 0)), QColor(Qt::blue));
}

// lookup(VXObject*) asks the proxy which registry keeps its GUI object: the pointer registry
// (by address) or the id registry (by number).
class KeptById : public VXObject {
public:
    int registryKind() const override { return RegisteredById; }
};

TEST_F(DispatcherTest, LookupFindsTheObjectInItsProxysRegistryAndDeletedObjectsLeaveIt)
{
    for (const bool keptById : { false, true }) {
        SCOPED_TRACE(keptById ? "kept by id" : "kept by address");
        std::unique_ptr<VXObject> proxy
            = keptById ? std::make_unique<KeptById>() : std::make_unique<VXObject>();
        // One GUI object under the proxy's address, another under its id: the kind picks one.
        GuiObject *found = nullptr, *byAddress = nullptr, *byId = nullptr, *spare = nullptr;
        const int before = vxtest::guiObjectCount();
        runOnGuiThread([&] {
            byAddress = new vxtest::ProbeWidget(proxy.get(), {});
            byId = new vxtest::ProbeWidget(nullptr, {});
            spare = new vxtest::ProbeWidget(nullptr, {});
            VRIX::addObject(proxy->getUID(), byId);
            VRIX::addObject(proxy->getUID(), spare); // an id keeps its first object
            found = VRIX::lookup(proxy.get());
        });
        EXPECT_EQ(found, keptById ? byId : byAddress);
        // Both registries count towards the widget count.
        EXPECT_EQ(vxtest::guiObjectCount(), before + 2);

        // Gone from its own registry: null, never the other registry's object; a null proxy finds
        // nothing.
        runOnGuiThread([&] {
            EXPECT_EQ(VRIX::lookup(static_cast<VXObject*>(nullptr)), nullptr);
            if (keptById)
                VRIX::removeObject(proxy->getUID());
            else
                delete byAddress;
            found = VRIX::lookup(proxy.get());
        });
        EXPECT_EQ(found, nullptr);

        // A stale proxy address is not asked its kind: it is only a key for the pointer registry.
        VXObject* stale = proxy.get();
        const unsigned id = proxy->getUID();
        proxy.reset();
        runOnGuiThread([&] {
            found = VRIX::lookup(stale);
            VRIX::removeObject(id);
            if (keptById)
                delete byAddress;
            delete byId;
            delete spare;
        });
        EXPECT_EQ(found, keptById ? byAddress : nullptr);
    }

    // A library that deletes an object it kept by id, without removing the entry, leaves no
    // dangling entry behind: a later message for that id finds nothing.
    const int before = vxtest::guiObjectCount();
    GuiObject* found = nullptr;
    GuiObject* other = nullptr;
    runOnGuiThread([&] {
        auto* kept = new vxtest::ProbeWidget(nullptr, {});
        other = new vxtest::ProbeWidget(nullptr, {});
        VRIX::addObject(4242, kept);
        VRIX::addObject(4243, kept);
        VRIX::addObject(4244, other);
        delete kept;
        found = VRIX::lookup(4243u);
    });
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(vxtest::guiObjectCount(), before + 1) << "the other object's entry stays";
    runOnGuiThread([&] {
        found = VRIX::lookup(4244u);
        delete other;
    });
    EXPECT_EQ(found, other);
    EXPECT_EQ(vxtest::guiObjectCount(), before);
}

struct ActivationListener : VXIM::Listener {
    ~ActivationListener() override { disconnect(); }
    void activated() { ++count; }
    int count = 0;
};

TEST_F(DispatcherTest, ApplicationActivationIsEmitted)
{
    ActivationListener listener;
    const VXIM::Thread engine = VXIM::Thread::getCurrentThread();
    runOnGuiThread([&] {
        auto* emitter = VRIX::getApplicationActivatedEmitter();
        ASSERT_NE(emitter, nullptr);
        VXIM::connect(*emitter, &listener, &ActivationListener::activated, engine);
        QEvent activate(QEvent::ApplicationActivate);
        QCoreApplication::sendEvent(qApp, &activate);
    });
    engine.processCurrentQueue();
    EXPECT_EQ(listener.count, 1);
}

} // namespace
