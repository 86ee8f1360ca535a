#include "vx_qtgui/GuiProgressDialog.h"

#include "engine/VXProgressDialog.h"
#include "vrix/DpiScaling.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/VXIMReentrancyProtector.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {
const int kDialogWidth = 255;
const int kDialogHeight = 80;
// Labels this long are cut to kLabelKept characters and the marker.
const int kLabelLimit = 71;
const int kLabelKept = 65;
} // namespace

GuiProgressDialog::GuiProgressDialog(VXProgressDialog* proxy, QWidget* parent)
    : QProgressDialog(parent)
    , GuiWidget(proxy)
    , m_bar(new QProgressBar)
    , m_label(new QLabel)
    , m_startTime(std::clock())
    , m_proxy(proxy)
{
    GuiApplication::putWidget(proxy, this);
    if (proxy) {
        const VXIM::Thread gui = VXIM::Thread::getCurrentThread();
        VXIM::connect(proxy->setMinimumEmitter, this, &QProgressDialog::setMinimum, gui);
        VXIM::connect(proxy->setMaximumEmitter, this, &QProgressDialog::setMaximum, gui);
        VXIM::connect(proxy->setValueEmitter, this, &GuiProgressDialog::vxSetValue, gui);
        VXIM::connect(proxy->setLabelTextEmitter, this, &GuiProgressDialog::vxSetLabelText, gui);
        VXIM::connect(proxy->setLabelEmitter, this, &GuiProgressDialog::vxSetLabel, gui);
        VXIM::connect(proxy->setCancelButtonTextEmitter, this,
            &GuiProgressDialog::vxSetCancelButtonText, gui);
        VXIM::connect(
            proxy->setMinimumDurationEmitter, this, &QProgressDialog::setMinimumDuration, gui);
        VXIM::connect(
            proxy->setWindowTitleEmitter, this, &GuiProgressDialog::vxSetWindowTitle, gui);
        VXIM::connect(
            proxy->setWindowModalityEmitter, this, &GuiProgressDialog::vxSetWindowModality, gui);
        VXIM::connect(proxy->setWindowIconEmitter, this, &GuiProgressDialog::vxSetWindowIcon, gui);
        VXIM::connect(
            proxy->hideCancelButtonEmitter, this, &GuiProgressDialog::vxHideCancelButton, gui);
        VXIM::connect(proxy->cancelEmitter, this, &GuiProgressDialog::imCancelProgress, gui);
        VXIM::connect(proxy->showEmitter, this, &QWidget::show, gui);
        VXIM::connect(proxy->hideEmitter, this, &QWidget::hide, gui);
        VXIM::connect(proxy->doProgressEmitter, this, &GuiProgressDialog::doProgress, gui);
    }
    QObject::connect(this, &QProgressDialog::canceled, this, &GuiProgressDialog::canceledEvent);

    setWindowFlags(Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);

    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->show();
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setFont(QFont(QStringLiteral("Helvetica"), 10));
    setBar(m_bar);
    setLabel(m_label);

    // Only the screen's size counts, not its offset.
    const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    move(0, 0);
    if (screen) {
        const QSize area = screen->geometry().size();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
}

GuiProgressDialog::~GuiProgressDialog()
{
    VXIM::Listener::disconnect();
}

void GuiProgressDialog::vxSetValue(int value)
{
    // setValue may process events while the dialog is modal.
    VXIMReentrancyProtector protector;
    setValue(value);
}

void GuiProgressDialog::vxSetLabelText(const std::u16string& text)
{
    const int width = VRIX::toDpiScaled(kDialogWidth);
    setFixedSize(width, VRIX::toDpiScaled(kDialogHeight));
    const QFontMetrics metrics(m_label->font());
    m_label->setText(metrics.elidedText(
        QString::fromStdU16String(text), Qt::ElideRight, width - 4 * metrics.averageCharWidth()));
}

void GuiProgressDialog::vxSetLabel(const std::string& text)
{
    QString shown = QString::fromLocal8Bit(text.c_str());
    if (shown.size() >= kLabelLimit)
        shown = shown.left(kLabelKept) + QStringLiteral("(...)");
    const QFontMetrics metrics(m_label->font());
    resize(static_cast<int>(metrics.horizontalAdvance(shown) * 1.5 + 0.5),
        VRIX::toDpiScaled(kDialogHeight));
    m_label->setText(shown);
}

void GuiProgressDialog::vxSetCancelButtonText(const std::string& text)
{
    setCancelButtonText(QString::fromLocal8Bit(text.c_str()));
}

void GuiProgressDialog::vxSetWindowTitle(const std::u16string& title)
{
    setWindowTitle(QString::fromStdU16String(title));
}

void GuiProgressDialog::vxSetWindowModality(const std::string& modality)
{
    if (modality == "NonModal")
        setWindowModality(Qt::NonModal);
    else if (modality == "WindowModal")
        setWindowModality(Qt::WindowModal);
    else if (modality == "ApplicationModal")
        setWindowModality(Qt::ApplicationModal);
}

void GuiProgressDialog::vxSetWindowIcon(const std::string& path)
{
    setWindowIcon(QIcon(GuiUtil::installationPath(QString::fromLocal8Bit(path.c_str()))));
}

void GuiProgressDialog::vxHideCancelButton()
{
    auto* button = new QPushButton(this);
    setCancelButton(button);
    button->hide();
}

void GuiProgressDialog::imCancelProgress()
{
    // As if the user had pressed cancel: Qt's cancel() itself tells nobody.
    const bool first = !wasCanceled();
    cancel();
    if (first)
        canceledEvent();
}

void GuiProgressDialog::doProgress(bool, int)
{
    const double elapsedMs
        = static_cast<double>(std::clock() - m_startTime) * 1000.0 / CLOCKS_PER_SEC;
    if (elapsedMs > minimumDuration())
        show();
}

void GuiProgressDialog::canceledEvent()
{
    // The proxy may have gone while its destruction message is on its way.
    VXProgressDialog* proxy = m_proxy ? VXObject::liveAs<VXProgressDialog>(m_proxy) : nullptr;
    if (!proxy)
        return;
    proxy->canceled = true;
    proxy->canceledEmitter.send(VXIM::DefaultSend);
}

void GuiProgressDialog::closeEvent(QCloseEvent* event)
{
    // Neither the title bar nor a programmatic close ends the dialog: only the proxy does.
    event->ignore();
}
