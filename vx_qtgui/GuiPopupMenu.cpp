#include "vx_qtgui/GuiPopupMenu.h"

#include "engine/VXPopupMenu.h"
#include "messaging/QtAddSubmenuMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiPlacement.h"

#include <QAction>
#include <QCursor>
#include <QFont>

namespace {

QString plainName(const QString& text)
{
    QString name = text;
    name.remove(QLatin1Char('&'));
    return name;
}

} // namespace

GuiPopupMenu::GuiPopupMenu(void* key, QWidget* parent)
    : QMenu(parent)
    , GuiWidget(key)
    , m_proxy(VXObject::liveAs<VXPopupMenu>(key))
{
    GuiApplication::putWidget(key, this);
    connect(this, &QMenu::aboutToShow, this, &GuiPopupMenu::slotAboutToShow);
    if (m_proxy) {
        const VXIM::Thread here = VXIM::Thread::getCurrentThread();
        VXIM::connect(m_proxy->clearEmitter, this, &GuiPopupMenu::vxClear, here);
        VXIM::connect(m_proxy->forceRefreshEmitter, this, &GuiPopupMenu::vxForceRefresh, here);
        VXIM::connect(m_proxy->setClearOnShowEmitter, this, &GuiPopupMenu::vxSetClearOnShow, here);
    }
}

GuiPopupMenu::~GuiPopupMenu()
{
    VXIM::Listener::disconnect();
}

void GuiPopupMenu::remember(const QString& name, QAction* action)
{
    if (!name.isEmpty() && action)
        m_namedActions[name] = action;
}

QAction* GuiPopupMenu::namedItem(const QString& name) const
{
    const auto it = m_namedActions.find(name);
    return it == m_namedActions.end() ? nullptr : it->second.data();
}

void GuiPopupMenu::vxSetClearOnShow(bool clear)
{
    m_clearOnShow = clear;
}

void GuiPopupMenu::vxClear()
{
    // Registered actions belong to their peers; a menu that owned one must not delete it.
    for (QAction* action : actions()) {
        if (dynamic_cast<GuiWidget*>(action))
            removeAction(action);
    }
    clear();
    m_namedActions.clear();
}

void GuiPopupMenu::vxForceRefresh()
{
    if (!isVisible())
        return;
    QObject::disconnect(this, &QMenu::aboutToShow, this, &GuiPopupMenu::slotAboutToShow);
    popup(pos());
    connect(this, &QMenu::aboutToShow, this, &GuiPopupMenu::slotAboutToShow);
}

void GuiPopupMenu::tidySeparators()
{
    const QList<QAction*> items = actions();
    bool itemSinceSeparator = false;
    for (QAction* action : items) {
        if (action->isSeparator()) {
            action->setVisible(itemSinceSeparator);
            itemSinceSeparator = false;
        } else if (action->isVisible()) {
            itemSinceSeparator = true;
        }
    }
    for (int i = items.size() - 1; i >= 0; --i) {
        QAction* action = items.at(i);
        if (!action->isVisible())
            continue;
        if (!action->isSeparator())
            break;
        action->setVisible(false);
    }
}

void GuiPopupMenu::slotAboutToShow()
{
    tidySeparators();
    if (m_clearOnShow)
        vxClear();
    if (m_proxy)
        m_proxy->aboutToShowEmitter();
}

void GuiPopupMenu::addSubMenu(void* handle, const QString& title)
{
    auto* submenu = dynamic_cast<QMenu*>(GuiApplication::findWidget(handle));
    // A menu that leads back to itself would recurse when shown; the entry stays a placeholder.
    if (submenu && !GuiPlacement::mayHoldMenu(this, submenu, POPAddSubMenuMsg))
        submenu = nullptr;
    if (submenu)
        submenu->setTitle(title);
    if (QAction* named = namedItem(title); named && submenu) {
        named->setMenu(submenu);
        return;
    }
    if (submenu) {
        remember(title, addMenu(submenu));
        return;
    }
    // The host still sees the entry, if only as a placeholder.
    remember(title, addAction(title));
}

void GuiPopupMenu::addSubMenuItem(
    void* handle, const QString& name, const QString& before, bool separator)
{
    auto* submenu = dynamic_cast<QMenu*>(GuiApplication::findWidget(handle));
    if (!GuiPlacement::mayHoldMenu(this, submenu, POPAddSubMenuItemMsg))
        return;
    submenu->setTitle(name);
    QAction* anchor = before.isEmpty() ? nullptr : namedItem(before);
    if (anchor && !actions().contains(anchor))
        anchor = nullptr;
    if (separator)
        insertSeparator(anchor);
    remember(name, insertMenu(anchor, submenu));
}

void GuiPopupMenu::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case POPCreateMsg:
        return;
    case POPAddMenuItemMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            auto* action = dynamic_cast<QAction*>(GuiApplication::findWidget(handle->m_handle));
            if (action) {
                addAction(action);
                remember(plainName(action->text()), action);
            }
        }
        return;
    case POPAddSeparatorMsg:
        addSeparator();
        return;
    case POPAddSubMenuMsg:
        if (auto* args = dynamic_cast<QtAddSubmenuMessage*>(msg))
            addSubMenu(args->m_handle, args->m_string1);
        return;
    case POPAddSubMenuItemMsg:
        if (auto* args = dynamic_cast<QtAddSubmenuMessage*>(msg))
            addSubMenuItem(args->m_handle, args->m_string1, args->m_string2, args->m_bool);
        return;
    case POPPopupMsg:
        popup(QCursor::pos());
        return;
    case POPShowNamedItemMsg:
    case POPHideNamedItemMsg:
        if (auto* name = dynamic_cast<QtStringMessage*>(msg)) {
            if (QAction* action = namedItem(name->m_string))
                action->setVisible(type == POPShowNamedItemMsg);
        }
        return;
    case SetFontMsg:
        GuiCommonMessages::handle(GuiCommonMessages::Button, this, this, type, msg);
        return;
    default:
        return;
    }
}
