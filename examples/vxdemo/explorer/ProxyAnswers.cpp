#include "examples/vxdemo/explorer/ProxyAnswers.h"

#include "engine/VXBridge.h"
#include "engine/VXModelExplorer.h"
#include "engine/VXTextBrowser.h"

ProxyAnswers::ProxyAnswers(VXBridge& bridge, VXModelExplorer& explorer)
    : m_bridge(bridge)
    , m_explorer(explorer)
{
}

void ProxyAnswers::setColumns(VXStringList* names, VXStringList* titles)
{
    m_explorer.replacePropertyNames(names, titles);
}

void ProxyAnswers::setRoot(VXMEObjectMessageData* root)
{
    m_explorer.setRoot(root);
}

void ProxyAnswers::replaceSubtree(VXMEObjectMessageData* subtree)
{
    m_explorer.replaceSubtree(subtree);
}

void ProxyAnswers::replaceList(VXMEObjectDataList* rows, const std::u16string& message)
{
    m_explorer.replaceList(rows, message);
}

void ProxyAnswers::updatePendingData(VXMEObjectDataList* rows)
{
    m_explorer.updatePendingData(rows);
}

void ProxyAnswers::updateNodes(VXMEObjectDataList* rows)
{
    m_explorer.updateNodes(rows, false);
}

void ProxyAnswers::changeEditType(VXMEEditTypeData* editor)
{
    m_explorer.changeEditType(editor);
}

void ProxyAnswers::editListNodes(VXMEObjectDataList* rows)
{
    m_explorer.editListNodes(rows);
}

void ProxyAnswers::showContentsOf(UDInterface* node, const std::u16string& path)
{
    m_explorer.replaceHyperlink(node, path, path, u"");
}

void ProxyAnswers::showDialog(const std::u16string& page)
{
    if (!m_dialog) {
        m_dialog = m_bridge.createTextBrowser(&m_explorer, "");
        if (!m_dialog)
            return;
        m_explorer.setCurrentDialog(m_dialog);
    }
    m_dialog->setTextU(page);
}
