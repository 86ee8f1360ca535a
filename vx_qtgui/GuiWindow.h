#pragma once

#include "vrix/Color.h"
#include "vrix/vxim/Listener.h"
#include "vx_qtgui/GuiWidget.h"

#include <QMainWindow>

#include <string>

class QMenuBar;
class QToolBar;

/// The main window of a QtWindow peer, driven by messages and by the proxy's emitters (icon,
/// status bar, state, background). Reports closing, mouse moves and zoom keys. GUI thread.
class GuiWindow : public QMainWindow, public GuiWidget, public VXIM::Listener {
    Q_OBJECT

public:
    /// Connects the emitters of the proxy at `key` when it is a live window proxy.
    GuiWindow(void* key, QWidget* parent, Qt::WindowFlags flags);
    ~GuiWindow() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    void vxSetIcon(const std::string& path);
    void vxShowStatusBar(bool show);
    /// "x,y,width,height," then the tool bar state bytes; changes nothing when a comma is
    /// missing.
    void vxSetState(const std::string& state);
    std::string vxGetState();
    void vxSetBGColor(const VRIX::Color& color);
    /// An empty text clears the message.
    void vxShowStatusBarMessage(const std::string& text);

    /// Docks a tool bar built for this window (top area).
    void addToolBarWidget(QToolBar* toolBar);
    /// Makes `menuBar` the window's menu bar; the window owns it from then on.
    void setMenuBarWidget(QMenuBar* menuBar);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private slots:
    void increaseFontSize();
    void decreaseFontSize();

private:
    void connectProxy();
    void setFrameGeometry(const QRect& frame);
    void showAndRaise();
};
