#pragma once

#include "messaging/QtMessage.h"
#include "vrix/vxim/Emitter.h"
#include "vrix/vxim/Listener.h"
#include "vxqtgui_export.h"

#include <QApplication>
#include <QHash>

#include <unordered_map>

class GuiObject;

/// The process's single Qt application: the widget registries, the message dispatcher and the
/// GUI thread's wake-up. Built, used and destroyed on the GUI thread.
class VXQTGUI_EXPORT GuiApplication : public QApplication, public VXIM::Listener {
    Q_OBJECT

public:
    using ActivatedEmitter = VXIM::Emitter<void(), VXIM::KeepAll>;

    GuiApplication(int& argc, char** argv);
    ~GuiApplication() override;

    /// The application of the running GUI thread, or null.
    static GuiApplication* current();

    // Registries of the current application; each does nothing (or answers null) without one.
    /// Inserts or replaces the pointer-registry entry of `key`.
    static void putWidget(void* key, GuiObject* object);
    /// Inserts into the id registry; the first registration of an id wins.
    static void putWidget(unsigned id, GuiObject* object);
    static GuiObject* getWidget(unsigned id);
    /// The pointer-registry entry of `key`, or null.
    static GuiObject* findWidget(void* key);
    /// Erases the entry of `key` when it still is `object`.
    static void removeWidget(void* key, const GuiObject* object);
    /// Erases the id-registry entry of `id`.
    static void removeObject(unsigned id);
    /// Entries in both registries.
    static int widgetCount();

    /// Emitted when Qt reports that the application became active.
    ActivatedEmitter& applicationActivatedEmitter() { return m_applicationActivated; }

    /// The dispatcher: routes one message to a creation, the application or its widget, then
    /// completes a synchronous sender.
    void VRIXOneMessage(QtMessageHolder msg);
    bool event(QEvent* e) override;
    /// Serves the wake-up event (type 1461): drains the GUI thread's message queue.
    void VXIMMessage(QEvent* e);

    /// Qt's message handler: traces Qt diagnostics to the debug log when it is on.
    static void qtMessageOutput(
        QtMsgType type, const QMessageLogContext& context, const QString& text);

    int m_pendingTickles;
    bool m_reentrancyProtected;

private:
    void dispatch(QtMessage& msg);
    void createObject(QtMessage& msg);
    void destroyWidget(QtMessage& msg);
    void convertPixmap(QtMessage& msg);
    /// Message boxes, ids 408 to 414.
    void messageBoxMessage(VXMessageType type, QtMessage& msg);
    void deleteRemainingWidgets();

    ActivatedEmitter m_applicationActivated;
    std::unordered_map<unsigned, GuiObject*> m_idRegistry;
    QHash<void*, GuiObject*> m_pointerRegistry;
};
