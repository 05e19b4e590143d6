#include "window/palette.h"

namespace orizen::window {

QColor paletteColour(int index) {
    static const QRgb kPalette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    return QColor(index >= 0 && index < 16 ? kPalette[index] : kPalette[0]);
}

}  // namespace orizen::window
