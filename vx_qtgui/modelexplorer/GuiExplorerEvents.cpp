#include "vx_qtgui/modelexplorer/GuiExplorerEvents.h"

#include "engine/VXEventMouse.h"
#include "engine/VXWidget.h"
#include "engine/modelexplorer/VXEventBoolArray.h"
#include "engine/modelexplorer/VXEventIntArray.h"
#include "engine/modelexplorer/VXEventMouseUDI.h"
#include "engine/modelexplorer/VXEventRect.h"
#include "engine/modelexplorer/VXEventUDI.h"
#include "engine/modelexplorer/VXMEEventCreateObject.h"
#include "engine/modelexplorer/VXMEEventData.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEEventStringList.h"
#include "engine/modelexplorer/VXMEObjectDataFactory.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "vrix/DpiScaling.h"
#include "vrix/VXStringList.h"
#include "vrix/services/ServiceRegistry.h"

#include <QRect>
#include <QRegularExpression>

#include <cmath>

namespace {

VXWidget* proxyOf(void* key)
{
    return static_cast<VXWidget*>(key);
}

int unscaled(int value)
{
    return static_cast<int>(std::floor(value / VRIX::dpiScale() + 0.5));
}

} // namespace

void GuiExplorerEvents::plain(VXEventType type) const
{
    (new VXEvent(type, proxyOf(m_key)))->doEvent();
}

void GuiExplorerEvents::valueState(VXEventType type, int value, bool state) const
{
    auto* event = new VXEvent(type, proxyOf(m_key));
    event->setValue(value);
    event->setState(state);
    event->doEvent();
}

void GuiExplorerEvents::text(VXEventType type, const QString& text) const
{
    auto* event = new VXEvent(type, proxyOf(m_key));
    event->setString(text.toLocal8Bit().constData());
    event->doEvent();
}

void GuiExplorerEvents::visibility(bool shownOnce, bool visible) const
{
    (new VXEventBoolArray(ShowHideEvent, proxyOf(m_key), new bool[2] { shownOnce, visible }, 2))
        ->doEvent();
}

void GuiExplorerEvents::geometry(const QRect& frame) const
{
    (new VXEventRect(MEGeometryChangedEvent, proxyOf(m_key), unscaled(frame.left()),
         unscaled(frame.top()), unscaled(frame.width()), unscaled(frame.height())))
        ->doEvent();
}

void GuiExplorerEvents::splitters(const int (&sizes)[6]) const
{
    int* values = new int[6];
    std::copy(sizes, sizes + 6, values);
    (new VXEventIntArray(MESplittersMovedEvent, proxyOf(m_key), values, 6))->doEvent();
}

void GuiExplorerEvents::createObject(const QString& type, const QString& names) const
{
    const QStringList pieces
        = names.split(QRegularExpression(QStringLiteral("[ \\t\\n,]")), Qt::SkipEmptyParts);
    VXStringList* list = nullptr;
    if (!pieces.isEmpty()) {
        list = new VXStringList();
        for (const QString& piece : pieces)
            list->addElement(piece.toLocal8Bit().toStdString());
    }
    auto* event = new VXMEEventCreateObject(MECreateNewObjEvent, proxyOf(m_key), list);
    event->setString(type.toLocal8Bit().constData());
    event->doEvent();
}

void GuiExplorerEvents::menuItem(void* actionKey, bool checkable, bool checked)
{
    auto* event = new VXEvent(checkable ? ActionToggled : ActionTriggered, proxyOf(actionKey));
    if (checkable)
        event->setState(checked);
    event->doEvent();
}

void GuiExplorerEvents::record(VXEventType type, VXMEObjectEventData* record, int value) const
{
    auto* event = new VXMEEventData(type, proxyOf(m_key), record);
    event->m_ownsPayload = true;
    event->setValue(value);
    event->doEvent();
}

void GuiExplorerEvents::factoryRecordList(VXEventType type, UDInterface* object) const
{
    auto* list = new VXMEObjectDataList();
    using Factory = VXServices::VXService<VXServices::VXMEObjectDataFactory>;
    if (object) {
        if (VXServices::VXMEObjectDataFactory* factory = Factory::get()) {
            if (VXMEObjectEventData* made = factory->createEventData(object))
                list->push_back(made);
        }
    }
    auto* event = new VXMEEventDataList(type, proxyOf(m_key), list);
    event->m_ownsPayload = true;
    event->doEvent();
}

void GuiExplorerEvents::object(VXEventType type, UDInterface* object, bool state) const
{
    auto* event = new VXEventUDI(type, proxyOf(m_key), object);
    event->setState(state);
    event->doEvent();
}

void GuiExplorerEvents::mouse(VXEventType type, int x, int y, UDInterface* object, int value) const
{
    auto* event = new VXEventMouseUDI(type, proxyOf(m_key), x, y, object);
    event->setValue(value);
    event->doEvent();
}

void GuiExplorerEvents::rightClick(
    int x, int y, bool isTree, bool isWhiteSpace, const QString& property) const
{
    auto* event = new VXEventMouse(MERightButtonClickedEvent, proxyOf(m_key), x, y);
    event->setState(isTree);
    event->setValue(isWhiteSpace ? 1 : 0);
    event->setString(property.toLocal8Bit().constData());
    event->doEvent();
}

void GuiExplorerEvents::names(VXEventType type, VXStringList* names) const
{
    auto* event = new VXMEEventStringList(type, proxyOf(m_key), names);
    event->m_ownsPayload = true;
    event->doEvent();
}
