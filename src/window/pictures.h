// The picture set: every piece, the empty square, the five background tiles and the title, made
// at four times their size at 96 dpi and embedded as resources.
#pragma once

#include <QImage>
#include <QString>

#include <map>

namespace orizen::window {

class PictureSet {
public:
    PictureSet();
    // The picture of a piece or tile code, nullptr for a code without one (±111 among them).
    const QImage* find(int code) const;
    // A picture by its resource name ("KARA_MASU", "UE_HU_1", "VERSION", ...); null if missing.
    static QImage load(const QString& name);

private:
    std::map<int, QImage> byCode_;
};

}  // namespace orizen::window
