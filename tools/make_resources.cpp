// Draws the pictures the toolkit loads from the installation tree, each at 1x and at 2x (the
// "@2x" file), into the directory given as the only argument. Shapes only, no text, so the
// output does not depend on the fonts of the machine it runs on.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

const QColor kInk(64, 64, 64);
const QColor kDisabled(176, 176, 176);
const QColor kBlue(47, 111, 179);
const QColor kDeepBlue(29, 78, 133);
const QColor kPaleBlue(188, 215, 242);
const QColor kGreen(79, 154, 85);
const QColor kRed(210, 60, 50);
const QColor kOrange(232, 137, 43);
const QColor kYellow(242, 194, 48);
const QColor kMidGrey(154, 154, 154);

using Draw = std::function<void(QPainter&)>;

struct Picture {
    QString path; // relative to the output directory
    int edge; // square, in device-independent pixels
    Draw draw;
};

QPen roundPen(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillPolygon(QPainter& p, const QPolygonF& polygon, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(polygon);
}

void drawCross(QPainter& p, qreal from, qreal to, const QColor& color, qreal width)
{
    p.setPen(roundPen(color, width));
    p.drawLine(QPointF(from, from), QPointF(to, to));
    p.drawLine(QPointF(to, from), QPointF(from, to));
}

void drawDefault(QPainter& p)
{
    // A framed landscape: the stand-in for a picture that has none of its own.
    const QRectF frame(1.5, 2.5, 13, 11);
    p.setPen(QPen(QColor(90, 107, 125), 1));
    p.setBrush(QColor(220, 233, 246));
    p.drawRoundedRect(frame, 1.5, 1.5);
    fillPolygon(p,
        QPolygonF({ { 2.5, 12.5 }, { 6.5, 7 }, { 9, 10 }, { 10.5, 8.5 }, { 13.5, 12.5 } }), kGreen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(11, 5.5), 1.6, 1.6);
}

void drawClearEdit(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kMidGrey);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    drawCross(p, 5.5, 10.5, Qt::white, 1.6);
}

void drawDownArrow(QPainter& p, const QColor& color, qreal edge)
{
    const qreal c = edge / 2;
    const qreal half = edge / 3;
    fillPolygon(p,
        QPolygonF(
            { { c - half, c - half / 2 }, { c + half, c - half / 2 }, { c, c + half * 0.75 } }),
        color);
}

void drawRightArrow(QPainter& p, const QColor& color, qreal edge)
{
    const qreal c = edge / 2;
    const qreal half = edge / 3;
    fillPolygon(p,
        QPolygonF(
            { { c - half / 2, c - half }, { c - half / 2, c + half }, { c + half * 0.75, c } }),
        color);
}

void drawModelIcon(QPainter& p)
{
    // Two blocks joined by a signal line, with a feedback path underneath.
    p.setPen(roundPen(kDeepBlue, 1.2));
    p.setBrush(kPaleBlue);
    p.drawRoundedRect(QRectF(2.5, 6.5, 7, 7), 1, 1);
    p.drawRoundedRect(QRectF(14.5, 6.5, 7, 7), 1, 1);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(9.5, 10), QPointF(12.5, 10));
    p.drawLine(QPointF(21.5, 10), QPointF(23.5, 10));
    p.drawLine(QPointF(0.5, 10), QPointF(2.5, 10));
    p.drawPolyline(QPolygonF({ { 18, 13.5 }, { 18, 19.5 }, { 6, 19.5 }, { 6, 15 } }));
    fillPolygon(p, QPolygonF({ { 12, 7.5 }, { 14.5, 10 }, { 12, 12.5 } }), kDeepBlue);
    fillPolygon(p, QPolygonF({ { 3.75, 15.5 }, { 6, 13.5 }, { 8.25, 15.5 } }), kDeepBlue);
}

void drawApplicationIcon(QPainter& p)
{
    // Rising bars and a trend line over a blue tile.
    QLinearGradient tile(0, 0, 0, 32);
    tile.setColorAt(0, kBlue);
    tile.setColorAt(1, kDeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(QRectF(6, 18, 5, 8));
    p.drawRect(QRectF(13.5, 13, 5, 13));
    p.drawRect(QRectF(21, 8, 5, 18));
    p.setPen(roundPen(kOrange, 2.2));
    p.drawPolyline(QPolygonF({ { 5, 17 }, { 12, 12 }, { 18, 14 }, { 27, 5 } }));
}

void drawCloseTab(QPainter& p, const QColor& disc, const QColor& cross)
{
    if (disc.isValid()) {
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(QPointF(6, 6), 5.5, 5.5);
    }
    drawCross(p, 3.75, 8.25, cross, 1.4);
}

void drawExplorerIcon(QPainter& p)
{
    // A small hierarchy of objects with a magnifier over it.
    p.setPen(roundPen(kDeepBlue, 1.2));
    p.drawLine(QPointF(7.5, 10), QPointF(7.5, 26));
    p.drawLine(QPointF(7.5, 16), QPointF(13, 16));
    p.drawLine(QPointF(7.5, 26), QPointF(13, 26));
    p.setBrush(kPaleBlue);
    p.drawRoundedRect(QRectF(3.5, 3.5, 8, 6.5), 1, 1);
    p.drawRoundedRect(QRectF(13.5, 13, 9, 6), 1, 1);
    p.drawRoundedRect(QRectF(13.5, 23, 9, 6), 1, 1);

    p.setPen(roundPen(kInk, 3));
    p.drawLine(QPointF(25.5, 11.5), QPointF(30, 16));
    p.setPen(roundPen(kInk, 1.6));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(22, 8), 5, 5);
}

void drawPlusMinusBox(QPainter& p, bool plus)
{
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(QColor(244, 244, 244));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
    if (plus)
        p.drawLine(QPointF(8, 5), QPointF(8, 11));
}

void drawBackArrow(QPainter& p, const QColor& color)
{
    fillPolygon(p,
        QPolygonF({ { 1.5, 8 }, { 8, 2 }, { 8, 5.5 }, { 14.5, 5.5 }, { 14.5, 10.5 }, { 8, 10.5 },
            { 8, 14 } }),
        color);
}

void drawForwardArrow(QPainter& p, const QColor& color)
{
    p.save();
    p.translate(16, 0);
    p.scale(-1, 1);
    drawBackArrow(p, color);
    p.restore();
}

void drawHome(QPainter& p, const QColor& color)
{
    fillPolygon(p, QPolygonF({ { 1, 8.5 }, { 8, 2 }, { 15, 8.5 } }), color);
    p.setBrush(color);
    p.drawRect(QRectF(3.5, 8, 9, 6.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 10.5, 2.5, 4));
}

void drawPin(QPainter& p, const QColor& head, bool pressed)
{
    // Drawn upright; an unpinned pin leans over.
    p.save();
    if (!pressed) {
        p.translate(8, 8);
        p.rotate(40);
        p.translate(-8, -8);
    }
    p.setPen(roundPen(kInk, 1.2));
    p.drawLine(QPointF(8, 9.5), QPointF(8, pressed ? 13.5 : 15));
    p.setPen(QPen(head.darker(150), 0.8));
    p.setBrush(head);
    p.drawRoundedRect(QRectF(4.5, 1, 7, 2.2), 1, 1);
    p.drawPolygon(QPolygonF({ { 6, 3.2 }, { 10, 3.2 }, { 10.6, 7.8 }, { 5.4, 7.8 } }));
    p.drawRoundedRect(QRectF(3.5, 7.8, 9, 1.9), 0.8, 0.8);
    p.restore();
}

std::vector<Picture> pictures()
{
    const QString informer = QStringLiteral("informer/");
    return {
        { "Default.png", 16, drawDefault },
        { "clearedit.png", 16, drawClearEdit },
        { "down_arrow.png", 12, [](QPainter& p) { drawDownArrow(p, kInk, 12); } },
        { "right_arrow.png", 12, [](QPainter& p) { drawRightArrow(p, kInk, 12); } },
        { "BrantolyModelIcon_24.png", 24, drawModelIcon },
        { "VelmarIcon.png", 32, drawApplicationIcon },
        { "ModelExplorer.png", 32, drawExplorerIcon },
        { "CloseTabButton-Unselected.png", 12,
            [](QPainter& p) { drawCloseTab(p, QColor(), QColor(138, 138, 138)); } },
        { "CloseTabButton-Selected.png", 12, [](QPainter& p) { drawCloseTab(p, QColor(), kInk); } },
        { "CloseTabButton-Hovered.png", 12,
            [](QPainter& p) { drawCloseTab(p, QColor(176, 176, 176), Qt::white); } },
        { "CloseTabButton-Clicked.png", 12,
            [](QPainter& p) { drawCloseTab(p, QColor(112, 112, 112), Qt::white); } },
        { "expand.png", 16, [](QPainter& p) { drawPlusMinusBox(p, true); } },
        { "collapse.png", 16, [](QPainter& p) { drawPlusMinusBox(p, false); } },
        { informer + "back_on.png", 16, [](QPainter& p) { drawBackArrow(p, kBlue); } },
        { informer + "back_on_disabled.png", 16, [](QPainter& p) { drawBackArrow(p, kDisabled); } },
        { informer + "forward_on.png", 16, [](QPainter& p) { drawForwardArrow(p, kBlue); } },
        { informer + "forward_on_disabled.png", 16,
            [](QPainter& p) { drawForwardArrow(p, kDisabled); } },
        { informer + "home_on.png", 16, [](QPainter& p) { drawHome(p, kBlue); } },
        { informer + "home_off.png", 16, [](QPainter& p) { drawHome(p, kDisabled); } },
        { informer + "pushpin_off.png", 16, [](QPainter& p) { drawPin(p, kMidGrey, false); } },
        { informer + "pushpin_on.png", 16, [](QPainter& p) { drawPin(p, kRed, true); } },
        { informer + "down_on.png", 16, [](QPainter& p) { drawDownArrow(p, kInk, 16); } },
        { informer + "down_off.png", 16, [](QPainter& p) { drawDownArrow(p, kDisabled, 16); } },
    };
}

QString withScaleSuffix(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

bool render(const QDir& out, const Picture& picture, int scale)
{
    QImage image(picture.edge * scale, picture.edge * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    picture.draw(painter);
    painter.end();

    const QString file = out.filePath(withScaleSuffix(picture.path, scale));
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    return image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_resources <output directory>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const Picture& picture : pictures()) {
        for (int scale : { 1, 2 }) {
            if (!render(out, picture, scale)) {
                err << "cannot write " << withScaleSuffix(picture.path, scale) << "\n";
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
