#include "vx_qtgui/GuiGridLayout.h"

#include "engine/VXDebugOutputLogging.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtGridStretchMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "vrix/DpiScaling.h"
#include "vrix/services/ApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiLimits.h"
#include "vx_qtgui/GuiPlacement.h"

#include <QWidget>

#include <algorithm>

namespace {

const Qt::Alignment kAlignments[] = {
    Qt::AlignLeft,
    Qt::AlignTop | Qt::AlignLeft,
    Qt::AlignTop | Qt::AlignHCenter,
    Qt::AlignTop | Qt::AlignRight,
    Qt::AlignVCenter | Qt::AlignLeft,
    Qt::AlignVCenter | Qt::AlignHCenter,
    Qt::AlignVCenter | Qt::AlignRight,
    Qt::AlignBottom | Qt::AlignLeft,
    Qt::AlignBottom | Qt::AlignHCenter,
    Qt::AlignBottom | Qt::AlignRight,
};

void traceRefused(VXMessageType type, const char* why)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    const QString line = QString::asprintf("bound refused - %d %s: %s\n", static_cast<int>(type),
        VXDebugOutputLogging::messageNameOrUnknown(type), why);
    VXDebugOutputLogging::output(line.toLocal8Bit().constData());
}

} // namespace

GuiGridLayout::GuiGridLayout(void* key, QWidget* parent, int /*rows*/, int /*columns*/)
    : QGridLayout(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    const int margin = defaultMargin();
    setContentsMargins(margin, margin, margin, margin);
}

GuiGridLayout::GuiGridLayout(void* key, int rows, int columns)
    : GuiGridLayout(key, nullptr, rows, columns)
{
}

Qt::Alignment GuiGridLayout::getQtAlignmentFlag(int number)
{
    const int count = int(sizeof(kAlignments) / sizeof(kAlignments[0]));
    return number >= 1 && number <= count ? kAlignments[number - 1] : Qt::Alignment();
}

QWidget* GuiGridLayout::registeredWidget(void* handle)
{
    return handle ? dynamic_cast<QWidget*>(GuiApplication::findWidget(handle)) : nullptr;
}

QLayout* GuiGridLayout::registeredLayout(void* handle, const QLayout* self, VXMessageType operation)
{
    auto* layout = handle ? dynamic_cast<QLayout*>(GuiApplication::findWidget(handle)) : nullptr;
    return GuiPlacement::mayHoldLayout(self, layout, operation) ? layout : nullptr;
}

QWidget* GuiGridLayout::placeableWidget(void* handle, const QLayout* self, VXMessageType operation)
{
    QWidget* widget = registeredWidget(handle);
    if (!widget || !self)
        return nullptr;
    // A free layout has no widget to loop through yet; the check runs again when it is placed.
    if (QWidget* owner = self->parentWidget())
        return GuiPlacement::mayHoldWidget(owner, widget, operation) ? widget : nullptr;
    return widget;
}

int GuiGridLayout::defaultMargin()
{
    return int(2 * VRIX::dpiScale());
}

bool GuiGridLayout::activateAfterRemove()
{
    auto* context = VXServices::VXService<VXServices::ApplicationContext>::get();
    return context && context->isFeatureEnabled("LayoutActivate");
}

void GuiGridLayout::place(QtMessage* msg, bool isLayout)
{
    auto* args = dynamic_cast<QtHandleInt5Message*>(msg);
    if (!args)
        return;
    // Fields: from row, to row, from column, to column, alignment; an end below 0 spans to
    // the last row or column. A cell past the grid's bound is refused; within it the span
    // arithmetic cannot overflow.
    const int row = std::max(args->m_int1, 0);
    const int column = std::max(args->m_int3, 0);
    if (row > GuiLimits::MaxGridIndex || column > GuiLimits::MaxGridIndex
        || args->m_int2 > GuiLimits::MaxGridIndex || args->m_int4 > GuiLimits::MaxGridIndex) {
        traceRefused(args->messageType(), "a row or column past the grid's bound");
        return;
    }
    const int rowSpan = args->m_int2 >= 0 ? args->m_int2 + 1 - row : -1;
    const int columnSpan = args->m_int4 >= 0 ? args->m_int4 + 1 - column : -1;
    const Qt::Alignment alignment = getQtAlignmentFlag(args->m_int5);
    if (isLayout) {
        if (QLayout* child = registeredLayout(args->m_handle, this, args->messageType()))
            addLayout(child, row, column, rowSpan, columnSpan, alignment);
    } else if (QWidget* child = placeableWidget(args->m_handle, this, args->messageType())) {
        addWidget(child, row, column, rowSpan, columnSpan, alignment);
    }
}

void GuiGridLayout::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case LAYGridAddLayoutMsg:
        place(msg, true);
        return;
    case LAYGridAddWidgetMsg:
        place(msg, false);
        return;
    case LAYGridAddWidget2Msg:
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (!GuiLimits::isGridIndex(args->m_int1) || !GuiLimits::isGridIndex(args->m_int2))
                traceRefused(type, "a row or column outside the grid's bound");
            else if (QWidget* child = placeableWidget(args->m_handle, this, type))
                addWidget(child, args->m_int1, args->m_int2, getQtAlignmentFlag(args->m_int3));
        }
        return;
    case LAYGridSetColStretchMsg:
        if (auto* args = dynamic_cast<QtInt5Message*>(msg)) {
            if (GuiLimits::isGridIndex(args->m_int1))
                setColumnStretch(args->m_int1, GuiLimits::stretch(args->m_int2));
            else
                traceRefused(type, "a column outside the grid's bound");
        }
        return;
    case LAYGridSetRowStretchMsg:
        if (auto* args = dynamic_cast<QtInt5Message*>(msg)) {
            if (GuiLimits::isGridIndex(args->m_int1))
                setRowStretch(args->m_int1, GuiLimits::stretch(args->m_int2));
            else
                traceRefused(type, "a row outside the grid's bound");
        }
        return;
    case LAYGridSetStretchFactorsMsg:
        if (auto* args = dynamic_cast<QtGridStretchMessage*>(msg)) {
            // Factors past the grid's bound are dropped.
            const int rows = std::min(args->m_rowCount, GuiLimits::MaxGridIndex + 1);
            const int columns = std::min(args->m_columnCount, GuiLimits::MaxGridIndex + 1);
            for (int i = 0; args->m_rowStretch && i < rows; ++i)
                setRowStretch(i, GuiLimits::stretch(args->m_rowStretch[i]));
            for (int j = 0; args->m_columnStretch && j < columns; ++j)
                setColumnStretch(j, GuiLimits::stretch(args->m_columnStretch[j]));
        }
        return;
    case LAYGridSetMarginMsg:
        if (auto* margin = dynamic_cast<QtIntMessage*>(msg)) {
            const int m = GuiLimits::clamp(margin->m_int, 0, GuiLimits::MaxMargin);
            setContentsMargins(m, m, m, m);
        }
        return;
    case LAYGridSetActiveMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            setEnabled(flag->m_bool);
            if (QWidget* owner = parentWidget())
                owner->setUpdatesEnabled(flag->m_bool);
        }
        return;
    case LAYRemoveWidgetMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            if (QWidget* child = registeredWidget(handle->m_handle)) {
                removeWidget(child);
                if (activateAfterRemove())
                    activate();
            }
        }
        return;
    default:
        return;
    }
}
