#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"

#include <string>

class VXMEEditTypeData;
class VXMEObjectMessageData;
class VXStringList;

/// Where the demo host's answers go: the explorer proxy in the program, a recorder in tests.
/// Every pointer handed over becomes the receiver's. Engine thread.
class ExplorerAnswers {
public:
    virtual ~ExplorerAnswers() = default;

    virtual void setColumns(VXStringList* names, VXStringList* titles) = 0;
    virtual void setRoot(VXMEObjectMessageData* root) = 0;
    virtual void replaceSubtree(VXMEObjectMessageData* subtree) = 0;
    /// `message` is drawn over an empty list.
    virtual void replaceList(VXMEObjectDataList* rows, const std::u16string& message) = 0;
    virtual void updatePendingData(VXMEObjectDataList* rows) = 0;
    virtual void updateNodes(VXMEObjectDataList* rows) = 0;
    virtual void changeEditType(VXMEEditTypeData* editor) = 0;
    virtual void editListNodes(VXMEObjectDataList* rows) = 0;
    /// Shows `page` (HTML) as the current object's dialog.
    virtual void showDialog(const std::u16string& page) = 0;
    /// Names the node whose objects the list shows (its "contents of" link).
    virtual void showContentsOf(UDInterface* node, const std::u16string& path) = 0;
};
