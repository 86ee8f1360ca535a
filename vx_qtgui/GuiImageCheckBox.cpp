#include "vx_qtgui/GuiImageCheckBox.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/DpiScaling.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiUtil.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {
const int kArrowSize = 16; // device-independent edge of the arrow label
}

GuiImageCheckBox::GuiImageCheckBox(void* key, QWidget* parent)
    : QWidget(parent)
    , GuiWidget(key)
    , m_arrow(new QLabel(this))
    , m_text(new QLabel(this))
    , m_downArrow(VRIX::loadDpiScaledPixmap(
          GuiUtil::installationPath("toolbox/shared/orvidesk/resources/down_arrow.png")))
    , m_rightArrow(VRIX::loadDpiScaledPixmap(
          GuiUtil::installationPath("toolbox/shared/orvidesk/resources/right_arrow.png")))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(VRIX::toDpiScaled(4));
    m_arrow->setFixedSize(VRIX::toDpiScaled(kArrowSize), VRIX::toDpiScaled(kArrowSize));
    m_arrow->setAlignment(Qt::AlignCenter);
    m_arrow->setPixmap(m_rightArrow);
    layout->addWidget(m_arrow);
    layout->addWidget(m_text, 1);
    GuiApplication::putWidget(key, this);
}

void GuiImageCheckBox::setToggled(bool toggled)
{
    m_toggled = toggled;
    m_arrow->setPixmap(toggled ? m_downArrow : m_rightArrow);
}

void GuiImageCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (!m_arrow->geometry().contains(event->pos())) {
        QWidget::mousePressEvent(event);
        return;
    }
    setToggled(!m_toggled);
    GuiCommonMessages::postEvent(m_peerKey, CheckBoxToggleEvent, m_toggled ? 1 : 0, m_toggled);
    event->accept();
}

void GuiImageCheckBox::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case IMGCHCKSetTitleMsg:
        if (auto* title = dynamic_cast<QtStringMessage*>(msg))
            m_text->setText(title->m_string);
        return;
    case IMGCHCKSetToggledMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setToggled(flag->m_bool);
        return;
    default:
        return;
    }
}
