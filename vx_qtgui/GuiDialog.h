#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QDialog>
#include <QString>

#include <memory>

class GuiTransientEventFilter;
class QShortcut;

/// The dialog of a QtDialog peer: a top-level window that reports closing, settled resizes,
/// loss of activation (when transient) and zoom keys to the host. GUI thread.
class GuiDialog : public QDialog, public GuiWidget {
    Q_OBJECT

public:
    /// `flags` are Qt window flags; the dialog always gets a close button and gets minimise
    /// and maximise buttons only when the flags ask for them.
    GuiDialog(void* key, QWidget* parent, Qt::WindowFlags flags);
    ~GuiDialog() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Reports DLGApplyCloseEvent.
    void applyCloseDialog();
    bool isMonitoringResize() const { return m_monitorResize; }
    bool isTransient() const { return m_transient; }
    bool isEscapeEnabled() const;
    QString title() const { return m_title; }

public slots:
    /// Reports DLGCloseEvent with value 1 and leaves the dialog open: the host decides.
    void closeDialog();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private slots:
    void increaseFontSize();
    void decreaseFontSize();

private:
    void setTransient(bool transient, bool frameless);
    void removeTransientFilter();
    void setFrameGeometry(const QRect& frame);
    void showAndRaise();
    // Platform window settings after showing; nothing where there is no native window.
    void fixCocoaWindow();

    bool m_monitorResize = false;
    int m_resizeTimerId = -1;
    bool m_transient = false;
    std::unique_ptr<GuiTransientEventFilter> m_transientFilter;
    QShortcut* m_closeShortcut = nullptr;
    QString m_title;
};
