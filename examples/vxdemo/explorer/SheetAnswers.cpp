#include "examples/vxdemo/explorer/SheetAnswers.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "messaging/QtSpreadSheet.h"

SheetAnswers::SheetAnswers(QtSpreadSheet& sheet)
    : m_sheet(sheet)
{
}

void SheetAnswers::setColumns(VXStringList* names, VXStringList* titles)
{
    m_sheet.replacePropertyNames(names, titles);
}

void SheetAnswers::setRoot(VXMEObjectMessageData* root)
{
    delete root;
}

void SheetAnswers::replaceSubtree(VXMEObjectMessageData* subtree)
{
    delete subtree;
}

void SheetAnswers::replaceList(VXMEObjectDataList* rows, const std::u16string& message)
{
    m_sheet.replaceList(rows, message);
}

void SheetAnswers::updatePendingData(VXMEObjectDataList* rows)
{
    m_sheet.updatePendingData(rows);
}

void SheetAnswers::updateNodes(VXMEObjectDataList* rows)
{
    m_sheet.updateNodes(rows, false);
}

void SheetAnswers::changeEditType(VXMEEditTypeData* editor)
{
    m_sheet.changeEditType(editor);
}

void SheetAnswers::editListNodes(VXMEObjectDataList* rows)
{
    m_sheet.editListNodes(rows);
}

void SheetAnswers::showDialog(const std::u16string&) { }

void SheetAnswers::showContentsOf(UDInterface*, const std::u16string&) { }
