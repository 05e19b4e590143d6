#include "window/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "game/game.h"

namespace orizen::window {

BoardWidget::BoardWidget(const BufferCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kExtentW / 60, kExtentH / 60);
}

QSize BoardWidget::sizeHint() const { return QSize(kExtentW / 15, kExtentH / 15); }

QRectF BoardWidget::pictureRect() const {
    // Fit in device pixels and centre, so that the picture starts on a whole device pixel and
    // the mouse mapping below is the exact inverse of what is painted.
    const double dpr = devicePixelRatioF();
    const double W = width() * dpr, H = height() * dpr;
    const double s = std::min(W / kExtentW, H / kExtentH);
    const double w = std::max(1.0, std::round(kExtentW * s)), h = std::max(1.0, std::round(kExtentH * s));
    const double x = std::floor((W - w) / 2), y = std::floor((H - h) / 2);
    return QRectF(x / dpr, y / dpr, w / dpr, h / dpr);
}

QPointF BoardWidget::toUnits(QPointF pos) const {
    const QRectF r = pictureRect();
    return QPointF((pos.x() - r.x()) * kExtentW / r.width(), (pos.y() - r.y()) * kExtentH / r.height());
}

QPointF BoardWidget::fromUnits(QPointF units) const {
    const QRectF r = pictureRect();
    return QPointF(r.x() + units.x() * r.width() / kExtentW, r.y() + units.y() * r.height() / kExtentH);
}

QRect BoardWidget::fromUnits(const QRectF& units) const {
    const QPointF a = fromUnits(units.topLeft()), b = fromUnits(units.bottomRight());
    return QRect(QPoint(int(std::lround(a.x())), int(std::lround(a.y()))),
                 QPoint(int(std::lround(b.x())) - 1, int(std::lround(b.y())) - 1));
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = pictureRect();
    const double dpr = devicePixelRatioF();
    const QSize device(int(std::lround(r.width() * dpr)), int(std::lround(r.height() * dpr)));
    const QImage* source = &canvas_.image();
    std::uint64_t generation = canvas_.generation();
    if (substitute)
        if (const QImage* other = substitute(generation)) source = other;
    if (scaledSource_ != source || scaledGeneration_ != generation || scaled_.size() != device) {
        // An area-averaging reduction: thin lines and small type survive any scale.
        scaled_ = device == source->size() ? *source
                                           : source->scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(dpr);
        scaledSource_ = source;
        scaledGeneration_ = generation;
    }
    if (r != QRectF(rect())) p.fillRect(rect(), canvas_.background());
    p.drawImage(r.topLeft(), scaled_);
}

void BoardWidget::mousePressEvent(QMouseEvent* e) {
    int button = 0;
    if (e->button() == Qt::LeftButton) button = LEFT_BUTTON;
    else if (e->button() == Qt::RightButton) button = RIGHT_BUTTON;
    if (button == 0 || !onMouseDown) return;
    const Qt::KeyboardModifiers m = e->modifiers();
    const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
    const QPointF u = toUnits(e->position());
    onMouseDown(button, shift, u.x(), u.y());
}

void BoardWidget::resizeEvent(QResizeEvent*) {
    if (onLayout) onLayout();
}

}  // namespace orizen::window
