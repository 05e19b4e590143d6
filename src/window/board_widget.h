// Shows the back buffer scaled to the widget, keeping its proportions (the rest is the window's
// background colour), and turns mouse presses back into window units.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "window/buffer_canvas.h"

namespace orizen::window {

class BoardWidget final : public QWidget {
public:
    explicit BoardWidget(const BufferCanvas& canvas, QWidget* parent = nullptr);

    // Where the picture lies in the widget, in widget coordinates; it is whole device pixels.
    QRectF pictureRect() const;
    // Window units of a widget position, and back.
    QPointF toUnits(QPointF widgetPos) const;
    QPointF fromUnits(QPointF units) const;
    QRect fromUnits(const QRectF& units) const;
    // Widget pixels per window unit.
    double unitScale() const { return pictureRect().width() / kExtentW; }

    // A press: button 1 left or 2 right, shift mask (1 shift, 2 ctrl, 4 alt), window units.
    std::function<void(int button, int shift, double X, double Y)> onMouseDown;
    // The picture moved or changed its scale: overlaid controls follow it.
    std::function<void()> onLayout;
    // When set and answering an image (of the buffer's size), that image is shown in place of the
    // canvas's; `generation` is set to a count that changes whenever the image does.
    std::function<const QImage*(std::uint64_t& generation)> substitute;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    const BufferCanvas& canvas_;
    QImage scaled_;
    const QImage* scaledSource_ = nullptr;
    std::uint64_t scaledGeneration_ = ~std::uint64_t{0};
};

}  // namespace orizen::window
