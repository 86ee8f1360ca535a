#include "vx_qtgui/GuiConversions.h"

#include "messaging/QtRectMessage.h"
#include "vx_qtgui/GuiLimits.h"

#include <algorithm>

namespace {

struct FlagPair {
    unsigned vx;
    unsigned qt;
};

// Engine-side flag and the Qt bits it stands for. 0x0010 has no Qt counterpart.
constexpr FlagPair kToQt[] = {
    { 0x0001, 0x1 }, // Qt::Window
    { 0x0002, 0x3 }, // Qt::Dialog
    { 0x0004, 0x9 }, // Qt::Popup
    { 0x0008, 0x11 }, // Qt::Desktop
    { 0x0020, 0x100 }, // Qt::MSWindowsFixedSizeDialogHint
    { 0x0040, 0x1000 }, // Qt::WindowTitleHint
    { 0x0080, 0x2000 }, // Qt::WindowSystemMenuHint
    { 0x0100, 0x4000 }, // Qt::WindowMinimizeButtonHint
    { 0x0200, 0x8000 }, // Qt::WindowMaximizeButtonHint
    { 0x0400, 0xb }, // Qt::Tool
    { 0x0800, 0x40000 }, // Qt::WindowStaysOnTopHint
    { 0x1000, 0x800 }, // Qt::FramelessWindowHint
    { 0x2000, 0x10000 }, // Qt::WindowContextHelpButtonHint
    { 0x4000, 0x400 }, // Qt::X11BypassWindowManagerHint
    { 0x8000, 0x800 }, // Qt::FramelessWindowHint
};

// Qt bits tested by overlap and the engine-side flags they give.
constexpr FlagPair kFromQt[] = {
    { 0x0002, 0x3 },
    { 0x0004, 0x9 },
    { 0x0008, 0x11 },
    { 0x0400, 0xb },
    { 0x0020, 0x100 },
    { 0x0040, 0x1000 },
    { 0x0080, 0x2000 },
    { 0x0100, 0x4000 },
    { 0x0200, 0x8000 },
    { 0x0800, 0x40000 },
    { 0x2000, 0x10000 },
    { 0x4000, 0x400 },
    { 0x1000 | 0x8000, 0x800 },
};

constexpr unsigned kAllHints = 0xfff0;

int toQtStyle(int style)
{
    switch (style) {
    case VRIX::Font::StyleItalic:
        return QFont::StyleItalic;
    case VRIX::Font::StyleOblique:
        return QFont::StyleOblique;
    default:
        return QFont::StyleNormal;
    }
}

int fromQtStyle(QFont::Style style)
{
    switch (style) {
    case QFont::StyleItalic:
        return VRIX::Font::StyleItalic;
    case QFont::StyleOblique:
        return VRIX::Font::StyleOblique;
    default:
        return VRIX::Font::StyleNormal;
    }
}

} // namespace

Qt::WindowFlags vrixFlagToQt(unsigned vxFlags)
{
    unsigned qt = 0;
    for (const FlagPair& pair : kToQt) {
        if (vxFlags & pair.vx)
            qt |= pair.qt;
    }
    if ((vxFlags & kAllHints) == kAllHints)
        qt |= 0xff;
    return Qt::WindowFlags(static_cast<int>(qt));
}

unsigned QtFlagToVrix(Qt::WindowFlags flags)
{
    const auto qt = static_cast<unsigned>(flags);
    unsigned vx = (qt & 0x1) ? 0x1 : 0;
    for (const FlagPair& pair : kFromQt) {
        if (qt & pair.qt)
            vx |= pair.vx;
    }
    return vx;
}

QRect hostRect(const QtRectMessage& r)
{
    const int limit = GuiLimits::MaxExtent;
    const auto extent = [limit](int from, int to) {
        return GuiLimits::clamp(
            int(std::min<long long>(limit, static_cast<long long>(to) - from + 1)), 1, limit);
    };
    return QRect(GuiLimits::clamp(r.m_left, -limit, limit),
        GuiLimits::clamp(r.m_top, -limit, limit), extent(r.m_left, r.m_right),
        extent(r.m_top, r.m_bottom));
}

namespace VRIX {

QFont toQFont(const Font& font, double dpi)
{
    QFont q(QString::fromLocal8Bit(font.familyName()));
    q.setStyle(static_cast<QFont::Style>(toQtStyle(font.style())));
    q.setWeight(font.weight() == Font::WeightBold ? QFont::Bold : QFont::Normal);
    // Qt refuses sizes that are not positive; such a font keeps Qt's default size.
    const double points = font.size() * (72.0 / dpi);
    if (points > 0)
        q.setPointSizeF(points);
    return q;
}

Font toFont(const QFont& font, double dpi)
{
    return Font(font.family().toLocal8Bit().constData(), font.pointSizeF() * dpi / 72.0,
        fromQtStyle(font.style()),
        font.weight() == QFont::Bold ? Font::WeightBold : Font::WeightNormal);
}

} // namespace VRIX
