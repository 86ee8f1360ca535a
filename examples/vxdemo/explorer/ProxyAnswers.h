#pragma once

#include "examples/vxdemo/explorer/ExplorerAnswers.h"

class VXBridge;
class VXModelExplorer;
class VXTextBrowser;

/// Hands the demo host's answers to an explorer proxy; the object dialog is a text browser the
/// explorer shows in its dialog pane, made on first use. Engine thread.
class ProxyAnswers : public ExplorerAnswers {
public:
    ProxyAnswers(VXBridge& bridge, VXModelExplorer& explorer);

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
    VXBridge& m_bridge;
    VXModelExplorer& m_explorer;
    // Owned by the explorer proxy, its parent.
    VXTextBrowser* m_dialog = nullptr;
};
