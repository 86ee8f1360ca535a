#pragma once

#include "vx_qtgui/CustomizedStyle.h"

/// The customised style over the native macOS style, with roomier menu bar items, no tab
/// scroll arrows and tighter button spacing. Selected only when the platform style is the
/// macOS one. GUI thread.
class OurMacStyle : public CustomizedStyle {
public:
    OurMacStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr, QStyleHintReturn* returnData = nullptr) const override;
    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
        Qt::Orientation orientation, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};
