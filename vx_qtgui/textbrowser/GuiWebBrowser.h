#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QWidget>

/// The widget of a QtWebBrowser peer. No page engine is built in: it is an empty widget that
/// takes part in layout, visibility, enabling, sizing and tool tips, answers an empty address
/// and ignores one that is set. onNavigate() is the hook an engine calls before following a
/// link; it turns the host's link schemes into events. GUI thread.
class GuiWebBrowser : public QWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiWebBrowser(void* key, QWidget* parent, const QString& name);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Before following `url` in frame `target`: the host's schemes become events (and the
    /// navigation is left to the engine either way, `cancel` untouched).
    void onNavigate(const QString& target, const QString& url, bool& cancel);
    /// A page asked for a new window: not offered.
    void newWindow(const QString& url);
    /// Traces a signal of the page engine to the debug log.
    void logSignal(const char* name);
};
