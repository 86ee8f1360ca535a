#include "vx_qtgui/OurMacStyle.h"

namespace {

// The control kinds as the native style reports them for its buttons and boxes.
bool isUpperControl(QSizePolicy::ControlType type)
{
    return type == QSizePolicy::DefaultType || type == QSizePolicy::Label;
}

bool isLowerControl(QSizePolicy::ControlType type)
{
    return type == QSizePolicy::ComboBox || type == QSizePolicy::LineEdit;
}

} // namespace

OurMacStyle::OurMacStyle()
    : CustomizedStyle(QStringLiteral("macintosh"))
{
}

QSize OurMacStyle::sizeFromContents(
    ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const
{
    QSize result = CustomizedStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuBarItem && result.width() >= 1 && result.height() >= 1)
        result += QSize(12, 4);
    return result;
}

int OurMacStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
    QStyleHintReturn* returnData) const
{
    if (hint == SH_TabBar_PreferNoArrows)
        return 0;
    if (hint == SH_FocusFrame_Mask && option && option->rect.isEmpty())
        return 0;
    return CustomizedStyle::styleHint(hint, option, widget, returnData);
}

int OurMacStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
    Qt::Orientation orientation, const QStyleOption* option, const QWidget* widget) const
{
    // Stacked buttons and check boxes sit closer than the native guidelines want.
    if (orientation == Qt::Vertical && isUpperControl(control1) && isLowerControl(control2))
        return 2;
    return CustomizedStyle::layoutSpacing(control1, control2, orientation, option, widget);
}
