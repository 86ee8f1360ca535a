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

VXMEObjectMessageData* sampleTree(const char16_t* engineLabel)
{
    return treeNode(1, u"car",
        { treeNode(2, engineLabel, { treeNode(5, u"piston"), treeNode(6, u"valve") }),
            treeNode(3, u"body", { treeNode(7, u"door", { treeNode(8, u"hinge") }) }),
            treeNode(4, u"wheel") });
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
    // The root item is unnamed: drop its "(" and ")".
    const ListItem* root = model.root();
    return root && root->hasChildren() ? treeText(root).mid(1).chopped(1) : QString();
}
