// The picture with the aids drawn in: the influence tint on the wood of every board square, under
// the pieces, and the hint's outlines and move text. With no aid showing it is not used, and the
// window shows the canvas's own picture.
#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/influence_map.h"
#include "game/language.h"
#include "window/pictures.h"

namespace orizen::window {

// A hint as it is shown: two cells (a board square, or a hand's slot for a drop) and the text.
struct HintMarks {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    std::string text;
};

class AidPicture {
public:
    explicit AidPicture(const PictureSet& pictures);

    // The canvas's image with the tint of `board` (when `influence`), the hint (when given) and
    // the lines of a search below it; `generation` changes whenever the result does.
    // `canvasGeneration` tells when `canvas` did.
    const QImage& compose(const QImage& canvas, std::uint64_t canvasGeneration, const Cells& board,
                          bool influence, const HintMarks* hint, const std::vector<std::string>& lines,
                          std::uint64_t& generation);

    const InfluenceMap& influence() const { return influence_; }

    // The tint over wood for a balance (lower minus upper influence); transparent for 0.
    static QColor tint(int balance);

    // The language of the hint's texts.
    Language language = Language::Japanese;

private:
    void drawTint();
    void drawHint(const HintMarks& hint);
    void drawLines(const std::vector<std::string>& lines);

    QImage wood_;  // the empty square: which pixels of a square are wood, not a piece
    InfluenceMap influence_;
    QImage image_;
    std::uint64_t generation_ = 0;
    // What image_ was made from.
    std::uint64_t canvasGeneration_ = ~std::uint64_t{0};
    bool influenceShown_ = false;
    std::string hintKey_;
};

}  // namespace orizen::window
