#include "vx_qtgui/GuiUtil.h"

#include "vrix/services/ApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethod>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QWidget>

#include <climits>
#include <cmath>
#include <sstream>

// The host's path service.
#include "engine/HostFunctions.h"

namespace GuiUtil {

const VRIX::DpiScaled<int> ME_ISIZE_WIDTH(900);
const VRIX::DpiScaled<int> ME_ISIZE_HEIGHT(600);
const VRIX::DpiScaled<int> ME_ISIZE_LISTWIDTH(200);
const VRIX::DpiScaled<int> ME_MIN_LISTWIDTH(200);
const VRIX::DpiScaled<int> ME_MAX_COLWIDTH(200);
const VRIX::DpiScaled<int> DEFAULT_ICON_WIDTH(16);

namespace {

// Grey icons are mostly dark outlines; lifted by this much they read as disabled.
constexpr int kGreyLift = 130;
constexpr int kGreyLiftBelow = 125;
// Width of a column whose text measures nothing.
constexpr int kEmptyColumnWidth = 21;

// Accepts "zoomIn()" and SLOT(zoomIn()); empty when `w` has no such slot.
QByteArray slotMember(const QWidget* w, const char* name)
{
    if (!w || !name || !*name)
        return QByteArray();
    QByteArray signature(name);
    if (signature.at(0) == '0' + QSLOT_CODE || signature.at(0) == '0' + QSIGNAL_CODE)
        signature.remove(0, 1);
    if (!signature.contains('('))
        signature += "()";
    signature = QMetaObject::normalizedSignature(signature.constData());
    if (w->metaObject()->indexOfMethod(signature.constData()) < 0)
        return QByteArray();
    return QByteArray(1, char('0' + QSLOT_CODE)) + signature;
}

bool inputMethodIsJapanese()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    const QInputMethod* method = QGuiApplication::inputMethod();
    return method && method->locale().language() == QLocale::Japanese;
}

int clampToInt(std::size_t size)
{
    return size > std::size_t(INT_MAX) ? INT_MAX : int(size);
}

} // namespace

bool isGrayscale(unsigned int rgb)
{
    const int r = qRed(rgb);
    const int g = qGreen(rgb);
    const int b = qBlue(rgb);
    return r < b + 5 && r > b - 5 && r < g + 5 && r > g - 5;
}

bool isGrayscale(const QImage& image)
{
    if (image.width() == 0)
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (!isGrayscale(line[x]))
                return false;
        }
    }
    return true;
}

QPixmap convertPixmapToGrayscale(const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return QPixmap();
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const bool wasGrey = isGrayscale(image);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            int v = (5 * qBlue(pixel) + 16 * qGreen(pixel) + 11 * qRed(pixel)) / 32;
            if (wasGrey && v < kGreyLiftBelow)
                v += kGreyLift;
            line[x] = qRgb(v, v, v);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setMask(result.createHeuristicMask(true));
    return result;
}

QList<QKeySequence> zoomKeySequences(bool zoomIn, bool japanese)
{
    // A Japanese layout has "+" on Shift+";", and "=" beside "-" is read as zoom out.
    if (japanese) {
        if (zoomIn)
            return { QKeySequence(Qt::CTRL + Qt::Key_Plus),
                QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Semicolon) };
        return { QKeySequence(Qt::CTRL + Qt::Key_Minus), QKeySequence(Qt::CTRL + Qt::Key_Equal) };
    }
    if (zoomIn)
        return { QKeySequence(Qt::CTRL + Qt::Key_Plus), QKeySequence(Qt::CTRL + Qt::Key_Equal) };
    return { QKeySequence(Qt::CTRL + Qt::Key_Minus), QKeySequence(Qt::CTRL + Qt::Key_Underscore) };
}

QList<QShortcut*> createZoomShortCutList(QWidget* w, const char* zoomIn, const char* zoomOut)
{
    QList<QShortcut*> shortcuts;
    if (!w)
        return shortcuts;
    const bool japanese = inputMethodIsJapanese();
    const auto add = [&](const char* slot, bool in) {
        const QByteArray member = slotMember(w, slot);
        if (member.isEmpty())
            return;
        for (const QKeySequence& keys : zoomKeySequences(in, japanese))
            shortcuts.append(new QShortcut(
                keys, w, member.constData(), nullptr, Qt::WidgetWithChildrenShortcut));
    };
    add(zoomIn, true);
    add(zoomOut, false);
    return shortcuts;
}

void paintHighlight(QPainter* painter, const QRect& rect, const QColor& color, double opacity)
{
    if (!painter || !painter->isActive())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(color, 4.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);
    painter->setOpacity(std::isnan(opacity) ? 0.0 : qBound(0.0, opacity, 1.0));
    painter->drawRoundedRect(QRectF(rect.left(), rect.top(), rect.right() - rect.left() + 1,
                                 rect.bottom() - rect.top() + 1),
        10, 10);
    painter->restore();
}

void drawWidgetWithGlassEffect(
    QPainter* painter, const QWidget* widget, const QColor& base, const QColor& light, bool lighter)
{
    if (!painter || !painter->isActive() || !widget)
        return;
    const QRectF area = QRectF(widget->rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    // The hover form is paler and lets more of the background through.
    const int alpha = lighter ? 110 : 200;
    QColor edge = lighter ? base.lighter(115) : base;
    QColor band = lighter ? light.lighter(110) : light;
    QColor rim = edge.darker(125);
    QColor outline = edge.darker(150);
    for (QColor* c : { &edge, &band, &rim, &outline })
        c->setAlpha(alpha);

    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, rim);
    gradient.setColorAt(0.3, edge);
    gradient.setColorAt(0.45, band);
    gradient.setColorAt(0.55, band);
    gradient.setColorAt(0.7, edge);
    gradient.setColorAt(1.0, rim);

    const qreal radius = qMin(VRIX::toDpiScaled(4.0), area.height() / 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(outline, 1.0));
    painter->setBrush(gradient);
    painter->drawRoundedRect(area, radius, radius);
    painter->restore();
}

bool isTrueStr(const QString& s)
{
    const QString lower = s.toLower();
    return lower == QLatin1String("on") || s == QLatin1String("1")
        || lower == QLatin1String("true");
}

QString convertToQString(void* p)
{
    std::ostringstream out;
    out << p;
    return QString::fromStdString(out.str());
}

QString convertToQString(const std::string& s)
{
    return QString::fromLocal8Bit(s.data(), clampToInt(s.size()));
}

QString toQString(const std::u16string& s)
{
    // Unit for unit: QString::fromUtf16 would drop a leading byte-order mark.
    return QString(reinterpret_cast<const QChar*>(s.data()), clampToInt(s.size()));
}

std::u16string toVXUString(const QString& s)
{
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size()));
}

int getStandardColumnWidth(const QString& text, const QFontMetrics& fm)
{
    const int widest = fm.maxWidth();
    const double pad = widest != 0 ? widest / 2.0 : fm.horizontalAdvance(QLatin1Char('W'));
    const int textWidth = fm.horizontalAdvance(text);
    const int width = textWidth == 0 ? kEmptyColumnWidth : int(pad + textWidth);
    return qMin(width, ME_MAX_COLWIDTH.value());
}

bool isAbsoluteHostPath(const QString& path)
{
    const QByteArray local = path.toLocal8Bit();
    return zpIsAbsolutePath(local.constData()) != 0;
}

QString installationPath(const QString& relative)
{
    auto* context = VXServices::VXService<VXServices::ApplicationContext>::get();
    const char* root = context ? context->getRoot() : nullptr;
    if (!root || !*root)
        return relative;
    return QString::fromLocal8Bit(root) + QLatin1Char('/') + relative;
}

} // namespace GuiUtil
