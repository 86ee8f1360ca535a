#pragma once

#include "engine/modelexplorer/VXMEObjectMessageData.h"

#include <QString>

#include <cstdint>
#include <initializer_list>

class TreeModel;
class ListItem;

/// A tree node record of the object `id` (see `handle`) with a label and children, counted by
/// `CountedRecord::alive`.
VXMEObjectMessageData* treeNode(std::uintptr_t id, const char16_t* label,
    std::initializer_list<VXMEObjectMessageData*> children = {});
/// The same record with a first tree attribute of `bits` and a first tree value.
VXMEObjectMessageData* withAttribute(
    VXMEObjectMessageData* record, std::uint16_t bits, const char16_t* value);

/// A car 1 of engine 2 (piston 5, valve 6), body 3 (door 7 (hinge 8)) and wheel 4.
VXMEObjectMessageData* sampleTree(const char16_t* engineLabel = u"engine");

/// The loaded tree as "root(child child(grandchild))", labels only.
QString treeText(const TreeModel& model);
QString treeText(const ListItem* item);
