#include "vx_qtgui/modelexplorer/GuiMEDialogListView.h"

#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiLimits.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogList.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogPanel.h"

#include <algorithm>

namespace {

constexpr int kListWidth = 200;

} // namespace

GuiMEDialogListView::GuiMEDialogListView(GuiModelExplorer* explorer, QWidget* parent)
    : GuiMESplitter(explorer, 2, Qt::Horizontal, parent)
    , m_dialogList(new GuiMEDialogList(explorer, this))
    , m_dialogPanel(new GuiMEDialogPanel(this))
{
    addWidget(m_dialogList);
    addWidget(m_dialogPanel);
    setCollapsible(0, true);
    setSizes({ VRIX::toDpiScaled(kListWidth), VRIX::toDpiScaled(2 * kListWidth) });
}

void GuiMEDialogListView::setLayoutVertical(bool vertical)
{
    setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
}

int GuiMEDialogListView::paneSize() const
{
    return sizes().value(1);
}

void GuiMEDialogListView::setListViewWidth(int width)
{
    const QList<int> current = sizes();
    if (current.size() < 2)
        return;
    // A host width is bounded; Qt keeps stretch factors in eight bits.
    const int list = GuiLimits::clamp(width, 0, GuiLimits::MaxExtent);
    const int rest = std::max(0, current[0] + current[1] - list);
    setSizes({ list, rest });
    setStretchFactor(0, std::min(list, GuiLimits::MaxSplitterStretch));
    setStretchFactor(1, std::min(rest, GuiLimits::MaxSplitterStretch));
}

int GuiMEDialogListView::getListViewWidth() const
{
    return sizes().value(0);
}

void GuiMEDialogListView::setDialogPanel(bool show)
{
    if (!show) {
        if (m_dialogPanel->isVisible())
            m_restorePaneSize = paneSize() == 0;
        m_dialogPanel->hide();
        return;
    }
    if (m_dialogPanel->isHidden()) {
        m_dialogPanel->show();
        const bool vertical = isLayoutVertical();
        if ((!vertical && m_restorePaneSize) || (vertical && paneSize() == 0))
            setDialogPanelMinSize();
    } else if (paneSize() == 0) {
        setDialogPanelMinSize();
    }
}

void GuiMEDialogListView::setDialogPanelMinSize()
{
    const QList<int> current = sizes();
    if (current.size() < 2 || current[1] != 0)
        return;
    const QSize hint = m_dialogPanel->minimumSizeHint().expandedTo(QSize(1, 1));
    const int minimum = isLayoutVertical() ? hint.height() : hint.width();
    setSizes({ std::max(0, current[0] - minimum), minimum });
}
