#include "toolwin/tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace tv {

namespace {

constexpr int kSize = 16;
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

// An arc of `oval` from `start` over `sweep` degrees (counter-clockwise when positive, as
// QPainterPath counts them), with an arrowhead at its end.
void turnArrow(QPainter& p, const QRectF& oval, qreal start, qreal sweep, const QColor& ink) {
    QPainterPath arc;
    arc.arcMoveTo(oval, start);
    arc.arcTo(oval, start, sweep);
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    const qreal end = qDegreesToRadians(start + sweep);
    const qreal rx = oval.width() / 2;
    const qreal ry = oval.height() / 2;
    const QPointF tip(oval.center().x() + rx * qCos(end), oval.center().y() - ry * qSin(end));
    QPointF along(-rx * qSin(end), -ry * qCos(end));
    if (sweep < 0) {
        along = -along;
    }
    along /= qSqrt(QPointF::dotProduct(along, along));
    const QPointF across(-along.y(), along.x());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF(
        {tip + along * 3.5, tip - along * 1.5 + across * 3.5, tip - along * 1.5 - across * 3.5}));
}

void draw(QPainter& p, ToolGlyph glyph) {
    switch (glyph) {
        case ToolGlyph::Reset:
            turnArrow(p, QRectF(2.5, 2.5, 11, 11), 120, -280, kMaroon);
            p.setPen(Qt::NoPen);
            p.setBrush(kMaroon);
            p.drawEllipse(QPointF(8, 8), 2, 2);
            break;
        case ToolGlyph::TurnUp:
            turnArrow(p, QRectF(3.5, 2.5, 8, 11), -75, 140, kNavy);
            break;
        case ToolGlyph::TurnDown:
            turnArrow(p, QRectF(3.5, 2.5, 8, 11), 75, -140, kNavy);
            break;
        case ToolGlyph::TurnLeft:
            turnArrow(p, QRectF(2.5, 4.5, 11, 8), 15, 140, kNavy);
            break;
        case ToolGlyph::TurnRight:
            turnArrow(p, QRectF(2.5, 4.5, 11, 8), 165, -140, kNavy);
            break;
        case ToolGlyph::TurnAntiClockwise:
            turnArrow(p, QRectF(3, 3, 10, 10), -60, 270, kNavy);
            break;
        case ToolGlyph::TurnClockwise:
            turnArrow(p, QRectF(3, 3, 10, 10), 240, -270, kNavy);
            break;
    }
}

}  // namespace

QIcon makeToolGlyph(ToolGlyph glyph) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, glyph);
    p.end();
    return QIcon(pixmap);
}

}  // namespace tv
