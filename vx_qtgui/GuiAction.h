#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QAction>

/// The action of a QtAction peer; reports ActionTriggered, or ActionToggled when checkable.
/// GUI thread.
class GuiAction : public QAction, public GuiWidget {
    Q_OBJECT

public:
    GuiAction(void* key, QObject* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Sets the text; without an explicit tooltip the tooltip follows it, minus "&" and "...".
    void setActionText(const QString& text);
    /// An image that does not load leaves the icon as it was.
    void setActionIcon(const QString& path);
    /// An empty tip falls back to the text.
    void setActionToolTip(const QString& tip);

protected:
    bool event(QEvent* e) override;

private slots:
    void actionTriggered();
    void actionToggled(bool on);

private:
    // Wires triggered() or toggled(bool) to the reporting slots, whichever the kind reports.
    void wireSignals();
    void replyText(QtMessage* msg, const QString& text);
    void replyBool(QtMessage* msg, bool value);

    bool m_explicitToolTip = false;
    QString m_iconPath;
};
