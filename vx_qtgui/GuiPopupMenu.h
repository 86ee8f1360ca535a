#pragma once

#include "vrix/vxim/Listener.h"
#include "vx_qtgui/GuiWidget.h"

#include <QMenu>
#include <QPointer>
#include <QString>

#include <map>

class QAction;
class VXPopupMenu;

/// The menu of a QtPopupMenu peer. Driven by messages and by the proxy's clear, force-refresh
/// and clear-on-show emitters; fires the proxy's about-to-show emitter so the host can fill it
/// first. GUI thread.
class GuiPopupMenu : public QMenu, public GuiWidget, public VXIM::Listener {
    Q_OBJECT

public:
    GuiPopupMenu(void* key, QWidget* parent);
    ~GuiPopupMenu() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Re-lays out a visible menu without asking the host again.
    void vxForceRefresh();
    void vxSetClearOnShow(bool clear);
    /// Empties the menu; the host's actions are only removed, never deleted.
    void vxClear();

    bool clearOnShow() const { return m_clearOnShow; }
    /// The item known under `name`, or null.
    QAction* namedItem(const QString& name) const;

    /// Hides leading, repeated and trailing separators.
    void tidySeparators();

private slots:
    void slotAboutToShow();

private:
    void addSubMenu(void* handle, const QString& title);
    void addSubMenuItem(void* handle, const QString& name, const QString& before, bool separator);
    void remember(const QString& name, QAction* action);

    VXPopupMenu* m_proxy;
    bool m_clearOnShow = false;
    // Items by name for the named-item messages; the host's actions may go at any time.
    std::map<QString, QPointer<QAction>> m_namedActions;
};
