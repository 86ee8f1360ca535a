#include "vx_qtgui/GuiWidget.h"

#include "vx_qtgui/GuiApplication.h"

GuiWidget::GuiWidget(void* key)
    : m_peerKey(key)
    , m_highlighted(false)
    , m_highlightRed(0)
    , m_highlightGreen(0)
    , m_highlightBlue(0)
    , m_highlightAlpha(0.0)
{
}

GuiWidget::~GuiWidget()
{
    if (m_peerKey)
        GuiApplication::removeWidget(m_peerKey, this);
}

void GuiWidget::detachFromPeer()
{
    if (m_peerKey)
        GuiApplication::removeWidget(m_peerKey, this);
    m_peerKey = nullptr;
}

void GuiWidget::vxMessageNotify(VXMessageType, QtMessage*) { }

void GuiWidget::doSetWidgetHighlight(bool on, int red, int green, int blue, int alpha)
{
    m_highlighted = on;
    m_highlightRed = red;
    m_highlightGreen = green;
    m_highlightBlue = blue;
    m_highlightAlpha = alpha / 255.0;
}
