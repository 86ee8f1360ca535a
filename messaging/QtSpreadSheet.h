#pragma once

#include "engine/VXSpreadSheet.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "messaging/QtPeer.h"

#include <string>
#include <vector>

class VXMEEditTypeData;
class VXObject;
class VXStringList;

/// The spreadsheet's peer: each operation becomes one message to its GuiSpreadSheet, posted for
/// commands and sent for queries. Record lists and object lists the host hands over travel owned
/// by their message, so a widget that is gone frees them with it. Exported, unlike the other
/// peers: its proxy has no operations of its own, so hosts drive the sheet through this class.
/// Engine thread.
class VXQTGUI_EXPORT QtSpreadSheet : public QtPeer<VXSpreadSheet> {
public:
    using RecordList = VXMEObjectDataList;
    using Objects = std::vector<UDInterface*>;

    explicit QtSpreadSheet(VXWidget* parent = nullptr);

    using QtPeer<VXSpreadSheet>::show;

    void show(bool visible);
    void showColumns();
    void hideColumns();
    /// Takes both lists.
    void replacePropertyNames(VXStringList* names, VXStringList* newNames);
    /// Takes the list and its records.
    void replaceList(RecordList* records, const std::u16string& name);
    void updatePendingData(RecordList* records);
    void updateNodes(RecordList* records, bool flag);
    void editListNodes(RecordList* records);
    /// Takes the record.
    void changeEditType(VXMEEditTypeData* editType);
    void editItems(const Objects& objects, const char* property, const std::u16string& value);
    void sort(const char* property, bool ascending);
    void setGroupColumn(const char* property);
    void setTitle(const std::u16string& title);
    void select(const Objects& objects, bool flag);
    void toggleFilter();
    void setFilterText(const std::u16string& text);
    std::u16string getFilterText();
    /// `edit` is the proxy of an edit widget; anything else is ignored by the widget.
    void setFilterWidget(VXWidget* edit);
    void setListViewManager(VXObject* manager);
    /// Appends header titles and loaded texts (allocated copies the caller frees).
    void fillVectorWithSpreadSheetText(std::vector<void*>* out);
    void getItems(Objects* out);
    void getSelection(Objects* out);
    bool isItemDrawnDisabled(UDInterface* object, int column);
    void clickHyperlink(UDInterface* object, const char* property);
    void loadAllContent();
    bool getListLoadFlagStatus();
    void setEnabled(bool enabled) override;
    void setVisible(bool visible);
    bool isInView(UDInterface* object);
};
