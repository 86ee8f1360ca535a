#include "tests/fuzz/DispatchFuzzer.h"

#include "engine/VXButton.h"
#include "engine/VXEvent.h"
#include "messaging/SyncMsgControl.h"
#include "messaging/VXMessageCatalogue.h"
#include "tests/fuzz/FuzzWatchdog.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCreationRoute.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>

// Messages go straight to the GUI thread (post and send): the fuzzer tries the dispatcher with
// payloads that the bridge would refuse before they travel.
namespace vxtest {

namespace {

constexpr int kProxies = 16;
// Ids past the catalogue's end and below its start; the dispatcher must refuse them all.
const int kForeignIds[] = { -1, -1000, SSIsInViewMsg + 1, 999, 65535, 65536 + BTNCreateMsg };

// Getters that hand the GUI a container of the engine's own to fill: the pointer is the
// engine's, never a host value, so it is never random here (as the image conversion's are).
bool fillsEngineContainer(int id)
{
    const VXMessageCatalogue::Row* row = VXMessageCatalogue::find(id);
    return row
        && (std::strstr(row->name, "FillVector") != nullptr
            || std::strstr(row->name, "GetLoaded") != nullptr);
}

// The explorer and the spreadsheet take the engine's own lists and vectors by pointer in many
// synchronous operations (the engine waits while the GUI reads them); such a pointer is never a
// host value, and these kinds are left to their own tests rather than given random ones.
bool takesEngineContainers(int creationId)
{
    return creationId == MECreateMsg || creationId == SSCreateMsg;
}

// Quitting ends the run itself (the shut-down tests cover it); the engine's own containers are
// never random.
bool neverSent(const std::set<int>& skipped, int id)
{
    return id == QuitMsg || skipped.count(id) || fillsEngineContainer(id)
        || takesEngineContainers(id);
}

template <class Items> auto& anyOf(RandomPayload& random, Items& items)
{
    return items[static_cast<std::size_t>(random.below(int(std::size(items))))];
}

bool isRegistered(void* key)
{
    bool found = false;
    runOnGuiThread([&] { found = GuiApplication::findWidget(key) != nullptr; });
    return found;
}

// Modal dialogs and pop-up menus run loops of their own that wait for a user; this one closes
// them, as a user would, so no handler waits for ever.
QTimer* startModalCloser()
{
    QTimer* timer = nullptr;
    runOnGuiThread([&] {
        timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                // A message box without an escape button ignores close(); reject() always ends it.
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        timer->start(5);
    });
    return timer;
}

} // namespace

DispatchFuzzer::DispatchFuzzer(unsigned seed, const std::vector<CreationKind>& kinds,
    const std::set<int>& skipped, FuzzWatchdog& watchdog)
    : m_random(seed)
    , m_payload(m_random)
    , m_kinds(kinds)
    , m_skipped(skipped)
    , m_watchdog(watchdog)
    , m_seed(seed)
{
    for (int i = 0; i < kProxies; ++i)
        m_proxies.push_back(std::make_unique<VXButton>(nullptr));
    runOnGuiThread([this] {
        m_probe = new ProbeWidget(&m_markerKey, [this](VXMessageType, QtMessage* msg) {
            auto* marker = dynamic_cast<QtIntMessage*>(msg);
            if (!marker)
                return;
            m_markersSeen.push_back(marker->m_int);
            if (msg->m_syncControl)
                msg->m_syncControl->m_returnValue = marker->m_int;
        });
    });
    m_modalCloser = startModalCloser();
    m_baseline = registeredCount();
}

DispatchFuzzer::~DispatchFuzzer()
{
    runOnGuiThread([this] {
        delete m_probe;
        delete m_modalCloser;
    });
}

std::vector<CreationKind> DispatchFuzzer::discoverCreationKinds(const std::set<int>& skipped)
{
    std::vector<VXMessageType> ids;
    runOnGuiThread([&] {
        for (int id = 0; id <= SSIsInViewMsg + 1; ++id) {
            if (GuiCreationRoute::find(static_cast<VXMessageType>(id)) && !skipped.count(id)
                && !takesEngineContainers(id))
                ids.push_back(static_cast<VXMessageType>(id));
        }
    });
    std::mt19937 random(1);
    RandomPayload payload(random);
    std::vector<CreationKind> kinds;
    char key = 0; // its address is the new object's key
    for (VXMessageType id : ids) {
        CreationKind kind { id, {} };
        for (int c = 0; c < RandomPayload::classCount(); ++c) {
            send(payload.make(c, &key, id, {}));
            if (!isRegistered(&key))
                continue;
            kind.fittingClasses.push_back(c);
            send(new QtMessage(&key, DestroyWidgetMsg));
            // A modal object goes later, when the loop has turned.
            waitUntil([&] { return !isRegistered(&key); });
        }
        kinds.push_back(std::move(kind));
    }
    return kinds;
}

int DispatchFuzzer::registeredCount()
{
    int count = -1;
    runOnGuiThread([&] { count = GuiApplication::widgetCount(); });
    return count;
}

void DispatchFuzzer::step()
{
    ++m_step;
    const int pick = m_payload.below(100);
    if (pick < 22)
        create();
    else if (pick < 30)
        destroy();
    else if (pick < 34)
        churn();
    else if (pick < 40)
        marker();
    else
        anyMessage();
    if (m_step % 40 == 0) {
        note("serve engine", -1, -1);
        runEngineCommands();
    }
}

int DispatchFuzzer::sweepExtremeIntegers()
{
    static const int kExtremes[] = { INT_MIN, -1, 0, INT_MAX };
    std::mt19937 unused(0);
    RandomPayload plain(unused);
    plain.startSweep(-1, 0);

    // All alive at once, so a message's handle names another live widget (a button when there
    // is one), as placing one widget in another needs.
    m_sweepKeys.assign(m_kinds.size(), 0);
    std::vector<void*> targets;
    std::set<int> creationIds;
    void* child = nullptr;
    for (std::size_t i = 0; i < m_kinds.size(); ++i) {
        const CreationKind& kind = m_kinds[i];
        creationIds.insert(kind.type);
        if (kind.fittingClasses.empty())
            continue;
        void* key = &m_sweepKeys[i];
        m_everUsed.insert(key);
        note("sweep create", kind.type, kind.fittingClasses.front());
        send(plain.make(kind.fittingClasses.front(), key, kind.type, {}));
        if (!isRegistered(key))
            continue;
        targets.push_back(key);
        if (kind.type == BTNCreateMsg)
            child = key;
    }
    if (targets.empty())
        return 0;
    const std::vector<void*> handles { child ? child : targets.front() };

    int sent = 0;
    const auto postCounted = [&](QtMessage* message) {
        post(message);
        if (++sent % 500 == 0) {
            // Through the same queue, so the GUI thread keeps up and a stall shows here.
            send(new QtMessage(nullptr, IMGetWidgetCountMsg));
            runEngineCommands();
        }
    };
    for (void* target : targets) {
        for (std::size_t r = 0; r < VXMessageCatalogue::rowCount(); ++r) {
            const VXMessageCatalogue::Row& row = VXMessageCatalogue::rows()[r];
            if (row.delivery == VXMessageCatalogue::Wake || row.id == DestroyWidgetMsg
                || creationIds.count(row.id) || neverSent(m_skipped, row.id))
                continue;
            int payloadClass = -1;
            for (int c = 0; c < RandomPayload::classCount(); ++c) {
                if (std::strcmp(RandomPayload::className(c), row.payload) == 0)
                    payloadClass = c;
            }
            if (payloadClass < 0)
                continue;
            note("sweep", row.id, payloadClass);
            plain.startSweep(-1, 0);
            postCounted(plain.make(payloadClass, target, row.id, handles));
            const int integers = plain.integersAsked();
            for (int position = 0; position < integers; ++position) {
                for (int value : kExtremes) {
                    plain.startSweep(position, value);
                    postCounted(plain.make(payloadClass, target, row.id, handles));
                }
            }
        }
    }
    send(new QtMessage(nullptr, IMGetWidgetCountMsg));
    m_stats.posts += sent;
    return sent;
}

bool DispatchFuzzer::cleanUp()
{
    note("clean-up", -1, -1);
    runOnGuiThread([] { QApplication::closeAllWindows(); });
    for (void* key : m_everUsed)
        send(new QtMessage(key, DestroyWidgetMsg));
    for (auto& proxy : m_proxies)
        send(new QtMessage(proxy.get(), DestroyWidgetMsg));
    const bool back = waitUntil([this] { return registeredCount() == m_baseline; });
    while (runEngineCommands() > 0) { }
    VXEvent::processPendingEvents();
    return back;
}

std::vector<int> DispatchFuzzer::markersSeen()
{
    std::vector<int> copy;
    runOnGuiThread([&] { copy = m_markersSeen; });
    return copy;
}

void* DispatchFuzzer::anyTarget(int proxies, int raw, int dangling)
{
    const int pick = m_payload.below(100);
    if (pick < proxies)
        return anyOf(m_payload, m_proxies).get();
    if (pick < proxies + raw)
        return &anyOf(m_payload, m_rawKeys);
    if (pick < proxies + raw + dangling && !m_dangling.empty())
        return anyOf(m_payload, m_dangling);
    return nullptr;
}

std::vector<void*> DispatchFuzzer::handles() const
{
    std::vector<void*> all { nullptr, const_cast<int*>(&m_markerKey) };
    for (const auto& proxy : m_proxies)
        all.push_back(proxy.get());
    for (const char& raw : m_rawKeys)
        all.push_back(const_cast<char*>(&raw));
    all.insert(all.end(), m_dangling.begin(), m_dangling.end());
    return all;
}

void DispatchFuzzer::create()
{
    if (m_kinds.empty())
        return;
    const CreationKind& kind = anyOf(m_payload, m_kinds);
    // Mostly the payload the kind expects, so widgets come to exist; else any class.
    int payloadClass = m_payload.below(RandomPayload::classCount());
    if (!kind.fittingClasses.empty() && m_payload.below(4) != 0)
        payloadClass = anyOf(m_payload, kind.fittingClasses);
    // The bridge creates for a new proxy; now and then the host passes a raw or null one.
    void* target = anyTarget(75, 17, 0);
    note("create", kind.type, payloadClass);
    if (target) {
        // A second creation for a key that has a widget replaces nothing: its old widget
        // goes first, as the peer's destructor would have made it.
        post(new QtMessage(target, DestroyWidgetMsg));
        m_everUsed.insert(target);
    }
    ++m_stats.creations;
    deliver(m_payload.make(payloadClass, target, kind.type, handles()));
}

void DispatchFuzzer::destroy()
{
    void* target = anyTarget();
    note("destroy", DestroyWidgetMsg, 0);
    ++m_stats.destroys;
    deliver(new QtMessage(target, DestroyWidgetMsg));
}

void DispatchFuzzer::churn()
{
    // The host deletes a proxy (its widget is asked to go) and makes a new one; later traffic
    // may still name the old address.
    const auto victim = static_cast<std::size_t>(m_payload.below(kProxies));
    note("churn", DestroyWidgetMsg, 0);
    ++m_stats.churns;
    void* old = m_proxies[victim].get();
    post(new QtMessage(old, DestroyWidgetMsg));
    m_proxies[victim].reset();
    if (std::find(m_dangling.begin(), m_dangling.end(), old) == m_dangling.end())
        m_dangling.push_back(old);
    m_proxies[victim] = std::make_unique<VXButton>(nullptr);
    // The allocator may hand the same address out again: then it is live, not dangling.
    m_dangling.erase(std::remove(m_dangling.begin(), m_dangling.end(), m_proxies[victim].get()),
        m_dangling.end());
}

void DispatchFuzzer::anyMessage()
{
    int id = m_payload.below(SSIsInViewMsg + 1);
    if (m_payload.below(20) == 0)
        id = anyOf(m_payload, kForeignIds);
    if (neverSent(m_skipped, id))
        id = DestroyWidgetMsg;
    const int payloadClass = m_payload.below(RandomPayload::classCount());
    void* target = anyTarget();
    note("message", id, payloadClass);
    const auto type = static_cast<VXMessageType>(id);
    if (target)
        m_everUsed.insert(target);
    deliver(m_payload.make(payloadClass, target, type, handles()));
}

void DispatchFuzzer::marker()
{
    const int value = static_cast<int>(m_markersSent.size());
    note("marker", HideMsg, -1);
    m_markersSent.push_back(value);
    if (m_payload.anyBool()) {
        post(new CountedMessage(&m_markerKey, HideMsg, value));
        ++m_stats.posts;
    } else {
        if (send(new CountedMessage(&m_markerKey, IsVisibleMsg, value)) != value)
            ++m_wrongAnswers;
        ++m_stats.sends;
    }
}

void DispatchFuzzer::deliver(QtMessage* message)
{
    if (m_payload.below(100) < 55) {
        post(message);
        ++m_stats.posts;
        return;
    }
    QtMessageHolder reply;
    send(message, &reply);
    ++m_stats.sends;
}

void DispatchFuzzer::note(const char* what, int id, int payloadClass)
{
    char line[160];
    std::snprintf(line, sizeof line, "seed %u step %d: %s id %d payload %s", m_seed, m_step, what,
        id, payloadClass >= 0 ? RandomPayload::className(payloadClass) : "-");
    m_watchdog.note(line);
}

} // namespace vxtest
