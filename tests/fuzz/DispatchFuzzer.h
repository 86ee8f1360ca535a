#pragma once

#include "messaging/VXMessageType.h"
#include "tests/fuzz/RandomPayload.h"

#include <array>
#include <memory>
#include <random>
#include <set>
#include <vector>

class QTimer;
class VXButton;

namespace vxtest {

class FuzzWatchdog;
class ProbeWidget;

/// A creation id and the payload classes that build an object for it.
struct CreationKind {
    VXMessageType type;
    std::vector<int> fittingClasses;
};

/// What one run did.
struct FuzzStats {
    int posts = 0;
    int sends = 0;
    int creations = 0;
    int destroys = 0;
    int churns = 0;
};

/// Feeds random traffic through the bridge's real post and send path to the GUI thread's
/// dispatcher: creations of every kind in the creation table, destroys, setters and getters
/// with random ids, payloads that do not fit their id, null, unknown and dangling targets.
/// Marker messages to a probe widget run alongside, so a message lost or reordered by a drop
/// shows. Engine thread; the bridge must be running.
class DispatchFuzzer {
public:
    /// `skipped` ids are never sent.
    DispatchFuzzer(unsigned seed, const std::vector<CreationKind>& kinds,
        const std::set<int>& skipped, FuzzWatchdog& watchdog);
    ~DispatchFuzzer();
    DispatchFuzzer(const DispatchFuzzer&) = delete;
    DispatchFuzzer& operator=(const DispatchFuzzer&) = delete;

    /// Every creation id in the dispatcher's table but `skipped`, each class tried once.
    static std::vector<CreationKind> discoverCreationKinds(const std::set<int>& skipped);
    static int registeredCount(); ///< objects in the GUI side's registries

    void step(); ///< one random operation
    /// Builds one widget of every kind that builds on a bare key and hands each of them every
    /// catalogue message, once per integer argument and extreme value (INT_MIN, -1, 0, INT_MAX),
    /// the other values plain. Returns the messages sent.
    int sweepExtremeIntegers();
    /// Destroys every widget the run made, closes its windows and serves the queued events.
    /// True when the registries are back where they started.
    bool cleanUp();

    const FuzzStats& stats() const { return m_stats; }
    const std::vector<int>& markersSent() const { return m_markersSent; }
    std::vector<int> markersSeen(); ///< in the order the probe got them
    int wrongAnswers() const { return m_wrongAnswers; } ///< sends answered another's marker
    int baseline() const { return m_baseline; }

private:
    /// A proxy, raw key or deleted proxy with these percentages, else null.
    void* anyTarget(int proxies = 60, int raw = 15, int dangling = 15);
    std::vector<void*> handles() const;
    void create();
    void destroy();
    void churn();
    void anyMessage();
    void marker();
    void deliver(QtMessage* message);
    void note(const char* what, int id, int payloadClass);

    std::mt19937 m_random;
    RandomPayload m_payload;
    const std::vector<CreationKind>& m_kinds;
    const std::set<int> m_skipped;
    FuzzWatchdog& m_watchdog;
    const unsigned m_seed;
    int m_step = 0;
    int m_baseline = 0;
    FuzzStats m_stats;

    std::vector<std::unique_ptr<VXButton>> m_proxies;
    std::array<char, 12> m_rawKeys {}; // addresses only: keys that are no proxy at all
    std::vector<void*> m_dangling; // addresses of deleted proxies
    std::set<void*> m_everUsed; // every key that may have got a widget
    std::vector<char> m_sweepKeys; // addresses only: one per kind in the sweep

    int m_markerKey = 0; // its address is the probe's key
    ProbeWidget* m_probe = nullptr; // GUI thread
    std::vector<int> m_markersSeen; // GUI thread
    std::vector<int> m_markersSent;
    int m_wrongAnswers = 0;
    QTimer* m_modalCloser = nullptr; // GUI thread
};

} // namespace vxtest
