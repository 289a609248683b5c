#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tv {

namespace {

constexpr int kSize = 16;
const QColor kInk(20, 20, 20);
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kTeal(0, 128, 128);
const QColor kPaper(255, 255, 240);

void page(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}));
    p.drawPolyline(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

void folder(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(
        QPolygonF({{1.5, 4.5}, {6.5, 4.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
}

void disk(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void polyline(QPainter& p, std::initializer_list<QPointF> points, const QColor& c, qreal w) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

void dot(QPainter& p, QPointF at, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(at.x() - 1.5, at.y() - 1.5, 3, 3));
}

void gridLines(QPainter& p, int step) {
    p.setPen(QPen(QColor(110, 110, 110), 1));
    for (int v = 2; v <= 14; v += step) {
        p.drawLine(QPointF(v + 0.5, 1.5), QPointF(v + 0.5, 14.5));
        p.drawLine(QPointF(1.5, v + 0.5), QPointF(14.5, v + 0.5));
    }
}

void arrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({tip, back1, back2}));
}

void paintGlyph(QPainter& p, Glyph glyph) {
    switch (glyph) {
        case Glyph::New:
            page(p);
            break;
        case Glyph::Open:
            folder(p);
            polyline(p, {{8, 10}, {12, 3}}, kNavy, 1.5);
            arrowHead(p, {13, 1}, {10, 3}, {13, 5}, kNavy);
            break;
        case Glyph::Save:
            disk(p);
            break;
        case Glyph::SaveAs:
            disk(p);
            polyline(p, {{7, 14}, {14, 7}}, kMaroon, 2);
            break;
        case Glyph::About:
            p.setPen(QPen(kNavy, 1));
            p.setBrush(QColor(220, 230, 255));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.fillRect(QRectF(7, 7, 2, 5), kNavy);
            p.fillRect(QRectF(7, 4, 2, 2), kNavy);
            break;
        case Glyph::Exit:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(150, 100, 60));
            p.drawRect(QRectF(2.5, 1.5, 8, 13));
            polyline(p, {{8, 8}, {14, 8}}, kMaroon, 2);
            arrowHead(p, {15, 8}, {12, 5}, {12, 11}, kMaroon);
            break;
        case Glyph::Continuous:
            polyline(p, {{2, 13}, {6, 4}, {10, 10}, {14, 3}}, kNavy, 2);
            break;
        case Glyph::Separate:
            polyline(p, {{2, 13}, {6, 5}}, kNavy, 2);
            polyline(p, {{9, 11}, {14, 3}}, kNavy, 2);
            break;
        case Glyph::Flip:
            polyline(p, {{3, 13}, {13, 3}}, kNavy, 2);
            polyline(p, {{8, 8}, {12, 12}}, kMaroon, 1.5);
            polyline(p, {{8, 8}, {4, 4}}, kTeal, 1.5);
            break;
        case Glyph::Delete:
            polyline(p, {{2, 12}, {7, 5}, {11, 9}}, kNavy, 2);
            polyline(p, {{9, 2}, {15, 8}}, kMaroon, 2);
            polyline(p, {{15, 2}, {9, 8}}, kMaroon, 2);
            break;
        case Glyph::AxisX:
            polyline(p, {{1, 13}, {15, 13}}, kMaroon, 3);
            polyline(p, {{4, 10}, {12, 3}}, kNavy, 1.5);
            break;
        case Glyph::AxisY:
            polyline(p, {{3, 1}, {3, 15}}, kMaroon, 3);
            polyline(p, {{7, 13}, {13, 4}}, kNavy, 1.5);
            break;
        case Glyph::Grid:
            gridLines(p, 4);
            break;
        case Glyph::Denser:
            gridLines(p, 3);
            break;
        case Glyph::Sparser:
            gridLines(p, 6);
            break;
        case Glyph::Snap:
            gridLines(p, 6);
            dot(p, {8.5, 8.5}, QColor(220, 0, 0));
            break;
        case Glyph::Zoom:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(200, 230, 255));
            p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
            polyline(p, {{9.5, 9.5}, {14, 14}}, kInk, 2.5);
            break;
        case Glyph::Move:
            polyline(p, {{8, 2}, {8, 14}}, kInk, 1.5);
            polyline(p, {{2, 8}, {14, 8}}, kInk, 1.5);
            arrowHead(p, {8, 0.5}, {5.5, 3.5}, {10.5, 3.5}, kInk);
            arrowHead(p, {8, 15.5}, {5.5, 12.5}, {10.5, 12.5}, kInk);
            arrowHead(p, {0.5, 8}, {3.5, 5.5}, {3.5, 10.5}, kInk);
            arrowHead(p, {15.5, 8}, {12.5, 5.5}, {12.5, 10.5}, kInk);
            break;
        case Glyph::Rotate: {
            QPainterPath arc;
            arc.arcMoveTo(QRectF(2, 2, 12, 12), 60);
            arc.arcTo(QRectF(2, 2, 12, 12), 60, 280);
            p.setPen(QPen(kNavy, 2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arc);
            arrowHead(p, {11.5, 1}, {8, 4}, {12.5, 6}, kNavy);
            break;
        }
        case Glyph::Axes:
            polyline(p, {{6, 10}, {15, 10}}, QColor(200, 40, 40), 1.5);
            polyline(p, {{6, 10}, {6, 1}}, QColor(30, 150, 30), 1.5);
            polyline(p, {{6, 10}, {1, 15}}, QColor(40, 40, 220), 1.5);
            break;
        case Glyph::Material: {
            QRadialGradient g(QPointF(6, 6), 8);
            g.setColorAt(0, Qt::white);
            g.setColorAt(1, QColor(0, 110, 220));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            break;
        }
        case Glyph::Light:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(255, 230, 60));
            p.drawEllipse(QRectF(3.5, 1.5, 9, 9));
            p.fillRect(QRectF(6, 11, 4, 3), QColor(120, 120, 120));
            break;
        case Glyph::Reset: {
            QPainterPath arc;
            arc.arcMoveTo(QRectF(2, 2, 12, 12), 90);
            arc.arcTo(QRectF(2, 2, 12, 12), 90, 270);
            p.setPen(QPen(kMaroon, 2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arc);
            arrowHead(p, {8, 0.5}, {4, 2.5}, {8, 5.5}, kMaroon);
            break;
        }
        case Glyph::Normals:
            polyline(p, {{1, 13}, {15, 13}}, kNavy, 2);
            for (int x : {3, 8, 13}) {
                polyline(p, {{qreal(x), 12}, {qreal(x), 4}}, QColor(170, 160, 0), 1.5);
            }
            break;
    }
}

}  // namespace

QIcon makeGlyph(Glyph glyph) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintGlyph(p, glyph);
    p.end();
    return QIcon(pixmap);
}

}  // namespace tv
