#include "vx_qtgui/modelexplorer/GuiTreeAccordion.h"

#include "vx_qtgui/GuiAccordion.h"
#include "vx_qtgui/GuiAccordionComponent.h"
#include "vx_qtgui/modelexplorer/GuiTreePanel.h"

#include <algorithm>

GuiTreeAccordion::GuiTreeAccordion(GuiTreePanel* panel, QWidget* parent)
    : QSplitter(Qt::Vertical, parent)
    , m_panel(panel)
{
    setChildrenCollapsible(false);
    if (m_panel)
        addWidget(m_panel);
}

GuiTreeAccordion::~GuiTreeAccordion() = default;

void GuiTreeAccordion::addAccordionComponent(const QString& name, const QString& label,
    const QString& iconPath, const QString& fourth, const QString& statusTip)
{
    if (!m_accordion) {
        m_accordion = new GuiAccordion(Qt::Vertical, this);
        m_accordion->hide();
        addWidget(m_accordion);
        connect(m_accordion, &GuiAccordion::activeComponentChanged, this,
            &GuiTreeAccordion::slotActiveComponentChanged);
    }
    if (m_accordion->componentExists(name))
        return;
    m_accordion->show();
    m_accordion->addAccordionComponent(name, label, iconPath, fourth, statusTip);
    growAccordion(1);
    m_accordion->setSelected(0, false);
}

void GuiTreeAccordion::selectAccordionComponent(const QString& name)
{
    if (m_accordion)
        m_accordion->setSelected(name);
}

void GuiTreeAccordion::removeAccordionComponent(const QString& name)
{
    if (m_accordion)
        m_accordion->removeAccordionComponent(name);
}

void GuiTreeAccordion::showAccordionComponent(const QString& name)
{
    if (m_accordion)
        growAccordion(m_accordion->showAccordionComponent(name));
}

void GuiTreeAccordion::hideAccordionComponent(const QString& name)
{
    if (m_accordion)
        growAccordion(-m_accordion->hideAccordionComponent(name));
}

// Moves the splitter handle by whole pane headers; the tree gives or takes the difference.
void GuiTreeAccordion::growAccordion(int panes)
{
    const int index = indexOf(m_accordion);
    if (!m_accordion || index < 1 || panes == 0)
        return;
    const GuiAccordionComponent* first = m_accordion->component(0);
    const int header = first ? first->minimumSizeHint().height() : 0;
    QList<int> sizes = this->sizes();
    const int delta = panes * header;
    // Neither side goes below nothing.
    const int moved = std::clamp(delta, -sizes[index], sizes[index - 1]);
    sizes[index - 1] -= moved;
    sizes[index] += moved;
    setSizes(sizes);
}

void GuiTreeAccordion::slotActiveComponentChanged(const GuiAccordionComponent& component)
{
    emit accordionChanged(component.id());
}
