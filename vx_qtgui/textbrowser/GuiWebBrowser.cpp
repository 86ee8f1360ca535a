#include "vx_qtgui/textbrowser/GuiWebBrowser.h"

#include "engine/VXDebugOutputLogging.h"
#include "engine/VXEvent.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QByteArray>
#include <QRegExp>

GuiWebBrowser::GuiWebBrowser(void* key, QWidget* parent, const QString& name)
    : QWidget(parent)
    , GuiWidget(key)
{
    setObjectName(name);
    GuiApplication::putWidget(key, this);
}

void GuiWebBrowser::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case WEBGetUrlMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, QString()));
        return;
    case WEBSetUrlMsg:
        return; // nothing to show it in
    default:
        GuiCommonMessages::handle(GuiCommonMessages::WebBrowser, this, this, type, msg);
        return;
    }
}

void GuiWebBrowser::onNavigate(const QString& target, const QString& url, bool& cancel)
{
    QString address = url;
    address.replace(QStringLiteral("%20"), QStringLiteral(" "));
    VXEventType type = InvalidEvent;
    QString rest = address;
    if (address.contains(QRegExp(QStringLiteral("^velmar:")))) {
        type = WEBVelmarLinkEvent;
        rest.remove(QRegExp(QStringLiteral("^velmar:|^velmar:/+")));
    } else if (address.contains(QRegExp(QStringLiteral("^zvgrefresh:")))) {
        type = WEBZVGRefreshEvent;
        rest.remove(QRegExp(QStringLiteral("^zvgrefresh:|^zvgrefresh:/+")));
    } else {
        return;
    }
    auto* event = new VXEvent(type, static_cast<VXWidget*>(m_peerKey));
    event->setUString(std::u16string(
        reinterpret_cast<const char16_t*>(rest.utf16()), static_cast<std::size_t>(rest.size())));
    event->doEvent();
}

void GuiWebBrowser::newWindow(const QString& url) { }

void GuiWebBrowser::logSignal(const char* name)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    const QByteArray line = QByteArrayLiteral("ActiveX Signal: ") + (name ? name : "") + '\n';
    VXDebugOutputLogging::output(line.constData());
}
