#include "tests/modelexplorer/TreeTestRecords.h"

#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"

VXMEObjectMessageData* treeNode(std::uintptr_t id, const char16_t* label,
    std::initializer_list<VXMEObjectMessageData*> children)
{
    auto* record = new CountedRecord(handle(id));
    record->label = label;
    for (VXMEObjectMessageData* c : children)
        record->addChild(c);
    return record;
}

VXMEObjectMessageData* withAttribute(
    VXMEObjectMessageData* record, std::uint16_t bits, const char16_t* value)
{
    VXPropertyAttribute attribute;
    attribute.flags = bits;
    record->treeAttributes = new VXMEObjectMessageData::AttributeVector { attribute };
    record->treeValues = new VXUStringList;
    record->treeValues->addElement(value);
    return record;
}

QString treeText(const ListItem* item)
{
    QString out = item->text(0);
    if (!item->hasChildren())
        return out;
    out += QLatin1Char('(');
    for (int i = 0; i < item->childCount(); ++i) {
        if (i)
            out += QLatin1Char(' ');
        out += treeText(item->child(i));
    }
    return out + QLatin1Char(')');
}

QString treeText(const TreeModel& model)
{
    const ListItem* root = model.root();
    if (!root)
        return QString();
    QStringList parts;
    for (int i = 0; i < root->childCount(); ++i)
        parts << treeText(root->child(i));
    return parts.join(QLatin1Char(' '));
}
