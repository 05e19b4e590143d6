// The program's icon: a king piece on a dark green board square, at any size.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "picgen.h"

namespace picgen {

QImage icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // A rounded square of the window's green, with a faint grid of the board.
    const QRectF square(2, 2, 60, 60);
    QLinearGradient green(0, 2, 0, 62);
    green.setColorAt(0, QColor(0, 150, 0));
    green.setColorAt(1, QColor(0, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawRoundedRect(square, 10, 10);
    if (size >= 48) {
        p.setPen(QPen(QColor(255, 255, 255, 40), 0.6));
        for (int i = 1; i < 6; ++i) {
            p.drawLine(QPointF(2 + i * 10, 4), QPointF(2 + i * 10, 60));
            p.drawLine(QPointF(4, 2 + i * 10), QPointF(60, 2 + i * 10));
        }
    }

    QPolygonF shape;
    for (QPointF q : {QPointF(32, 6), QPointF(49, 15), QPointF(54, 58), QPointF(10, 58), QPointF(15, 15)}) shape << q;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPolygon(shape.translated(1.2, 1.8));
    QLinearGradient face(0, 6, 0, 58);
    face.setColorAt(0, QColor(252, 242, 214));
    face.setColorAt(1, QColor(226, 196, 140));
    p.setBrush(face);
    p.setPen(QPen(QColor(120, 80, 36), size >= 32 ? 1.6 : 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(shape);

    QPainterPath glyph;
    glyph.addText(0, 0, minchoFont(34), QStringLiteral("王"));
    const QRectF box = glyph.boundingRect();
    glyph.translate(32 - box.center().x(), 35 - box.center().y());
    const QColor ink(24, 18, 12);
    p.setPen(QPen(ink, size >= 32 ? 1.2 : 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(glyph);
    return img;
}

}  // namespace picgen
