#pragma once

#include "vrix/vxim/Listener.h"
#include "vx_qtgui/GuiWidget.h"

#include <QProgressDialog>

#include <ctime>
#include <string>

class QLabel;
class QProgressBar;
class VXProgressDialog;

/// The progress dialog of a VXProgressDialog proxy: driven by the proxy's emitters, not by
/// messages; reports the user's cancel through the proxy's flag and canceled emitter. The
/// title bar cannot close it. GUI thread.
class GuiProgressDialog : public QProgressDialog, public GuiWidget, public VXIM::Listener {
    Q_OBJECT

public:
    /// Connects the proxy's emitters to this dialog and centres it on its screen.
    GuiProgressDialog(VXProgressDialog* proxy, QWidget* parent);
    ~GuiProgressDialog() override;

    void vxSetValue(int value);
    /// Fixed size; the text is elided to the width.
    void vxSetLabelText(const std::u16string& text);
    /// 71 characters or more are cut to 65 and "(...)"; the dialog widens to the text.
    void vxSetLabel(const std::string& text);
    void vxSetCancelButtonText(const std::string& text);
    void vxSetWindowTitle(const std::u16string& title);
    void vxSetWindowModality(const std::string& modality);
    /// `path` is below the installation root.
    void vxSetWindowIcon(const std::string& path);
    void vxHideCancelButton();
    void imCancelProgress();
    /// Shows the dialog once more CPU time than the minimum duration has passed since it was
    /// built; the arguments are the host's and unused.
    void doProgress(bool, int);

    QProgressBar* progressBar() const { return m_bar; }
    QLabel* labelWidget() const { return m_label; }

public slots:
    void canceledEvent();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* m_bar;
    QLabel* m_label;
    std::clock_t m_startTime;
    VXProgressDialog* m_proxy;
};
