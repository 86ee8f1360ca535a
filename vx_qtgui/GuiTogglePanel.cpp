#include "vx_qtgui/GuiTogglePanel.h"

#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QCheckBox>
#include <QVBoxLayout>

GuiTogglePanel::GuiTogglePanel(void* key, QWidget* parent)
    : QWidget(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
}

void GuiTogglePanel::setUpTogglePanel()
{
    if (m_header)
        return;
    auto* column = new QVBoxLayout(this);
    m_header = new QCheckBox(this);
    m_content = new QWidget(this);
    column->addWidget(m_header);
    column->addWidget(m_content);
    m_header->setChecked(false);
    m_content->hide();
    connect(m_header, &QCheckBox::toggled, this, &GuiTogglePanel::togglePanel);
}

void GuiTogglePanel::togglePanel(bool checked)
{
    if (m_content)
        m_content->setVisible(checked);
}

void GuiTogglePanel::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    if (type == TGLPNCreateMsg) {
        setUpTogglePanel();
        return;
    }
    GuiCommonMessages::handle(GuiCommonMessages::TogglePanel, this, this, type, msg);
}
