#pragma once

#include "examples/vxdemo/explorer/ExplorerAnswers.h"

class QtSpreadSheet;

/// Hands the demo host's answers to a spreadsheet proxy. A spreadsheet has no tree, no
/// dialog pane and no "contents of" link: those answers are freed unseen. Engine thread.
class SheetAnswers : public ExplorerAnswers {
public:
    explicit SheetAnswers(QtSpreadSheet& sheet);

    void setColumns(VXStringList* names, VXStringList* titles) override;
    void setRoot(VXMEObjectMessageData* root) override;
    void replaceSubtree(VXMEObjectMessageData* subtree) override;
    void replaceList(VXMEObjectDataList* rows, const std::u16string& message) override;
    void updatePendingData(VXMEObjectDataList* rows) override;
    void updateNodes(VXMEObjectDataList* rows) override;
    void changeEditType(VXMEEditTypeData* editor) override;
    void editListNodes(VXMEObjectDataList* rows) override;
    void showDialog(const std::u16string& page) override;
    void showContentsOf(UDInterface* node, const std::u16string& path) override;

private:
    QtSpreadSheet& m_sheet;
};
