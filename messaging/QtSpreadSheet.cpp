#include "messaging/QtSpreadSheet.h"

#include "engine/modelexplorer/VXMEObjectData.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtSpreadSheetEdit.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStringList2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/RecordPosts.h"
#include "vrix/VXStringList.h"

#if __has_include("engine/modelexplorer/VXMEEditTypeData.h")
#include "engine/modelexplorer/VXMEEditTypeData.h"
#define VX_HAVE_EDIT_TYPE_DATA 1
#endif

#include <memory>

namespace {

void* key(const void* pointer)
{
    return const_cast<void*>(pointer);
}

QStringList toQStringList(const VXStringList* list)
{
    QStringList texts;
    if (list) {
        for (const std::string& text : list->elements())
            texts.append(QString::fromLocal8Bit(text.c_str()));
    }
    return texts;
}

QString local8(const char* text)
{
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace

QtSpreadSheet::QtSpreadSheet(VXWidget* parent)
{
    if (parent)
        setParent(parent);
}

void QtSpreadSheet::show(bool visible)
{
    vxpeer::post(this, SSShowMsg, visible);
}

void QtSpreadSheet::showColumns()
{
    vxpeer::post(this, SSShowColumnsMsg);
}

void QtSpreadSheet::hideColumns()
{
    vxpeer::post(this, SSHideColumnsMsg);
}

void QtSpreadSheet::replacePropertyNames(VXStringList* names, VXStringList* newNames)
{
    std::unique_ptr<VXStringList> first(names);
    std::unique_ptr<VXStringList> second(newNames);
    auto* message = new QtStringList2Message(this, SSReplacePropertyNamesMsg);
    message->m_list1 = toQStringList(first.get());
    message->m_list2 = toQStringList(second.get());
    vxpeer::post(message);
}

void QtSpreadSheet::replaceList(RecordList* records, const std::u16string& name)
{
    vxpeer::postRecords(this, SSReplaceListMsg, records, name);
}

void QtSpreadSheet::updatePendingData(RecordList* records)
{
    vxpeer::postRecords(this, SSUpdatePendingDataMsg, records);
}

void QtSpreadSheet::updateNodes(RecordList* records, bool flag)
{
    vxpeer::postRecords(this, MEUpdateNodesMsg, records, flag);
}

void QtSpreadSheet::editListNodes(RecordList* records)
{
    vxpeer::postRecords(this, MEEditListNodesMsg, records);
}

void QtSpreadSheet::changeEditType(VXMEEditTypeData* editType)
{
#ifdef VX_HAVE_EDIT_TYPE_DATA
    vxpeer::postOwned(this, MEChangeEditTypeMsg, editType);
#else
    (void)editType;
#endif
}

void QtSpreadSheet::editItems(
    const Objects& objects, const char* property, const std::u16string& value)
{
    auto* edit = new QtSpreadSheetEdit { objects, local8(property),
        QString::fromUtf16(value.data(), int(value.size())) };
    vxpeer::postOwned(this, SSEditItemsMsg, edit);
}

void QtSpreadSheet::sort(const char* property, bool ascending)
{
    vxpeer::post(new QtStrInt4Message(
        this, SSEnableSortingMsg, property ? property : "", true, ascending, false, false, false));
}

void QtSpreadSheet::setGroupColumn(const char* property)
{
    vxpeer::send(new QtStringMessage(this, MESetGroupColumnMsg, property, false));
}

void QtSpreadSheet::setTitle(const std::u16string& title)
{
    vxpeer::send(new QtStringMessage(this, SSSetTitleMsg, title));
}

void QtSpreadSheet::select(const Objects& objects, bool flag)
{
    auto* message = new QtHandleBoolMessage(this, SSSelectMsg);
    auto* owned = new Objects(objects);
    message->m_handle = owned;
    message->m_bool = flag;
    message->m_owned.own(owned, [](void* pointer) { delete static_cast<Objects*>(pointer); });
    vxpeer::post(message);
}

void QtSpreadSheet::toggleFilter()
{
    vxpeer::post(this, SSToggleFilterMsg);
}

void QtSpreadSheet::setFilterText(const std::u16string& text)
{
    vxpeer::send(new QtStringMessage(this, MESetFilterStringMsg, text));
}

std::u16string QtSpreadSheet::getFilterText()
{
    return vxpeer::ask<std::u16string>(this, MEGetFilterStringMsg);
}

void QtSpreadSheet::setFilterWidget(VXWidget* edit)
{
    vxpeer::post(this, SSSetFilterWidgetMsg, vxpeer::Handle { edit });
}

void QtSpreadSheet::setListViewManager(VXObject* manager)
{
    vxpeer::post(this, MESetListViewManagerMsg, vxpeer::Handle { manager });
}

void QtSpreadSheet::fillVectorWithSpreadSheetText(std::vector<void*>* out)
{
    // Sent: the widget fills the caller's vector while the engine thread waits.
    vxpeer::send(new QtHandleMessage(this, SSFillVectorWithTextMsg, out));
}

void QtSpreadSheet::getItems(Objects* out)
{
    vxpeer::send(new QtHandleMessage(this, SSGetItemsMsg, out));
}

void QtSpreadSheet::getSelection(Objects* out)
{
    vxpeer::send(new QtHandleMessage(this, SSGetSelectionMsg, out));
}

bool QtSpreadSheet::isItemDrawnDisabled(UDInterface* object, int column)
{
    return vxpeer::ask<bool>(
        new QtHandleInt5Message(key(this), SSIsItemDrawnDisabledMsg, object, column));
}

void QtSpreadSheet::clickHyperlink(UDInterface* object, const char* property)
{
    vxpeer::post(new QtHandleStr4Message(
        this, SSClickHyperLinkMsg, object, property, nullptr, nullptr, nullptr, false));
}

void QtSpreadSheet::loadAllContent()
{
    vxpeer::send(this, SSLoadAllContentMsg);
}

bool QtSpreadSheet::getListLoadFlagStatus()
{
    return vxpeer::ask<bool>(this, SSGetListLoadFlagStatusMsg);
}

void QtSpreadSheet::setEnabled(bool enabled)
{
    vxpeer::post(this, SSSetEnabledMsg, enabled);
}

void QtSpreadSheet::setVisible(bool visible)
{
    show(visible);
}

bool QtSpreadSheet::isInView(UDInterface* object)
{
    return vxpeer::ask<bool>(new QtHandleMessage(this, SSIsInViewMsg, object));
}
