// The title plaque and the version dialog's picture.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

#include "picgen.h"

namespace picgen {

namespace {

// Lettering centred on (cx, cy) by its outline, gold with a dark edge and a soft shadow.
void goldText(QPainter& p, const QString& text, const QFont& font, double cx, double cy, double edge) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(cx - box.center().x(), cy - box.center().y());
    const QRectF r = path.boundingRect();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(path.translated(edge * 1.2, edge * 1.6));

    QLinearGradient gold(0, r.top(), 0, r.bottom());
    gold.setColorAt(0.0, QColor(255, 246, 196));
    gold.setColorAt(0.45, QColor(236, 190, 80));
    gold.setColorAt(0.55, QColor(196, 140, 40));
    gold.setColorAt(1.0, QColor(250, 214, 120));
    p.setPen(QPen(QColor(70, 36, 8), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(path);
}

QPolygonF pieceShape(double cx, double cy, double s, bool down) {
    QPolygonF shape;
    const double d = down ? -1 : 1;
    for (QPointF q : {QPointF(0, -34), QPointF(23, -21), QPointF(29, 34), QPointF(-29, 34), QPointF(-23, -21)})
        shape << QPointF(cx + q.x() * s, cy + d * q.y() * s);
    return shape;
}

}  // namespace

QImage title() {
    QImage img(kTitleW, kTitleH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Black lacquer with a faint red glow in the middle.
    QRadialGradient lacquer(kTitleW / 2.0, kTitleH * 0.45, kTitleW * 0.6);
    lacquer.setColorAt(0, QColor(92, 18, 14));
    lacquer.setColorAt(0.6, QColor(46, 8, 8));
    lacquer.setColorAt(1, QColor(16, 4, 4));
    p.fillRect(img.rect(), lacquer);

    // A double gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 168, 72), 6));
    p.drawRect(QRectF(5, 5, kTitleW - 10, kTitleH - 10));
    p.setPen(QPen(QColor(160, 116, 40), 2));
    p.drawRect(QRectF(14, 14, kTitleW - 28, kTitleH - 28));

    // Two small pieces facing each other at the ends, as across a board.
    for (int side = 0; side < 2; ++side) {
        const double cx = side == 0 ? 52 : kTitleW - 52;
        const QPolygonF shape = pieceShape(cx, kTitleH / 2.0, 0.92, side == 1);
        QLinearGradient face(0, kTitleH / 2.0 - 36, 0, kTitleH / 2.0 + 36);
        face.setColorAt(0, QColor(252, 236, 196));
        face.setColorAt(1, QColor(214, 176, 110));
        p.setBrush(face);
        p.setPen(QPen(QColor(110, 70, 24), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(shape);
        QPainterPath glyph;
        glyph.addText(0, 0, minchoFont(36), side == 0 ? QStringLiteral("玉") : QStringLiteral("王"));
        const QRectF b = glyph.boundingRect();
        glyph.translate(cx - b.center().x(), kTitleH / 2.0 + (side == 0 ? 6 : -6) - b.center().y());
        if (side == 1) {
            // The far piece's character is upside down, like the piece.
            QTransform t;
            t.translate(cx, kTitleH / 2.0 - 6);
            t.rotate(180);
            t.translate(-cx, -(kTitleH / 2.0 - 6));
            glyph = t.map(glyph);
        }
        p.setPen(QPen(QColor(24, 18, 12), 1.5));
        p.setBrush(QColor(24, 18, 12));
        p.drawPath(glyph);
    }

    goldText(p, QStringLiteral("Orizen"), titleFont(80), kTitleW / 2.0, kTitleH / 2.0 + 1, 3.2);
    p.end();
    return img;
}

QImage versionPicture(const QString& maker) {
    QImage img(kVersionW, kVersionH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kVersionH);
    sky.setColorAt(0.0, QColor(34, 84, 168));
    sky.setColorAt(0.55, QColor(96, 158, 222));
    sky.setColorAt(1.0, QColor(196, 224, 246));
    p.fillRect(img.rect(), sky);

    // Clouds: clusters of soft white puffs.
    struct Puff {
        double x, y, r;
    };
    static const Puff kPuffs[] = {
        {120, 300, 70},  {200, 280, 90},  {290, 310, 64},  {170, 340, 60},  {560, 120, 44},
        {620, 104, 58},  {690, 126, 42},  {1000, 330, 80}, {1090, 300, 100}, {1190, 336, 76},
        {1280, 350, 60}, {1180, 90, 40},  {1230, 74, 54},  {1290, 96, 38},  {420, 390, 90},
        {540, 410, 80},  {760, 400, 100}, {900, 420, 90},
    };
    p.setPen(Qt::NoPen);
    for (const Puff& c : kPuffs) {
        QRadialGradient g(c.x, c.y, c.r);
        g.setColorAt(0, QColor(255, 255, 255, 210));
        g.setColorAt(0.6, QColor(255, 255, 255, 140));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
    }

    goldText(p, QStringLiteral("Orizen"), titleFont(128), kVersionW / 2.0, 78, 3.5);

    QFont small = titleFont(44);
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(0, 0, 0, 90));
    const QRectF line1(0, 150, kVersionW, 56), line2(0, 206, kVersionW, 50);
    p.drawText(line1.translated(2, 3), Qt::AlignCenter, QStringLiteral("Version 1.0"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(line1, Qt::AlignCenter, QStringLiteral("Version 1.0"));
    QFont credit = minchoFont(36);
    p.setFont(credit);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(line2.translated(2, 3), Qt::AlignCenter, maker);
    p.setPen(QColor(255, 255, 255));
    p.drawText(line2, Qt::AlignCenter, maker);
    p.end();
    return img;
}

}  // namespace picgen
