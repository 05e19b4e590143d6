// The window's persistent image. Every drawing operation of the game lands in a back buffer;
// the board widget only shows it, so uncovering or resizing the window never loses anything.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "game/language.h"
#include "game/platform.h"
#include "rules/codes.h"
#include "window/pictures.h"

namespace orizen::window {

// The part of the window the game draws on, in window units (1/1440 inch): the background
// cells reach from x −4 to 37 and y −2 to 30, i.e. up to 1050 + 38·270 = 11310 across and
// −30 + 31·300 = 9270 down; what lies left of or above 0 is clipped, as on the original window.
inline constexpr int kExtentW = 11310;
inline constexpr int kExtentH = 9270;
// The buffer keeps four pixels for each 96-dpi pixel (15 window units), so that the picture
// stays sharp up to a scale of four.
inline constexpr int kBufferScale = 4;
inline constexpr double kPixelsPerUnit = kBufferScale / 15.0;
inline constexpr int kBufferW = kExtentW * kBufferScale / 15;  // 3016
inline constexpr int kBufferH = kExtentH * kBufferScale / 15;  // 2472

// The window font: IPA P明朝 in place of "ＭＳ Ｐ明朝", else another Japanese font.
QFont windowFont();

class BufferCanvas final : public Canvas {
public:
    explicit BufferCanvas(const PictureSet& pictures);

    void picture(int code, double X, double Y) override;
    void outline(int colour, double X, double Y) override;
    void text(double X, double Y, const std::string& utf8, int colour, int sizePt, bool bold) override;
    void fill(int colour) override;
    void refresh() override;

    // The buffer as drawn so far. Drawing keeps one painter open across calls; reading the image
    // ends it, so that no copy of the image shares pixels a painter still writes.
    const QImage& image() const {
        if (painter_.isActive()) painter_.end();
        return image_;
    }
    // The colour of the last fill: the window's background, shown around the picture.
    QColor background() const { return background_; }
    // Counts every change, so that a view can tell when its scaled copy is stale.
    std::uint64_t generation() const { return generation_; }
    // Called by refresh(): shows the buffer at once.
    std::function<void()> onRefresh;
    // Called after every change: schedules the view's repaint.
    std::function<void()> onChange;

    // The language texts are shown in. Changing it draws the picture again with its texts in the
    // new language.
    void setLanguage(Language language);
    Language language() const { return language_; }

    // Where a text drawn at (X, Y) would put ink, in window units, in the canvas's language.
    QRectF textArea(double X, double Y, const std::string& utf8, int sizePt, bool bold);

    // Off, every outline is painted even when its cell's outline has that colour already (the
    // pictures are the same either way).
    bool skipRepeatedOutlines = true;

private:
    // What the outlines of the screen's cells show: for each cell on the grid of squares, the
    // palette colour every pixel of its outline has, or -1 when that is not known. An outline
    // drawn again in that colour would change nothing, so it is not drawn (clearing the move
    // guidance redraws every square's outline after each click).
    class Outlines {
    public:
        Outlines() { colour_.fill(-1); }
        // The cell of an outline at buffer pixel (x, y), or -1 when it is off the grid.
        static int cell(int x, int y);
        int colour(int cell) const { return colour_[cell]; }
        // An outline of `colour` was drawn at `cell`: it, and the neighbours it shares pixels with
        // unless they have that colour too.
        void drawn(int cell, int colour);
        // Something else was drawn over `area`: the outlines it touches are unknown.
        void covered(const QRect& area);
        void filled(int colour) { colour_.fill(colour); }

    private:
        static constexpr int kColumns = 42, kRows = 33;  // screen cells x −4 .. 37, y −2 .. 30
        std::array<std::int8_t, kColumns * kRows> colour_{};
    };
    struct TextFont {
        QFont font;
        QFontMetricsF metrics;
    };
    // What has been drawn since the last fill and still shows: every operation but those a later
    // opaque one (a picture, or an outline in the same place) painted over whole. Drawn again, in
    // order, on the fill's colour, it gives the same picture; with texts in another language, the
    // picture in that language.
    struct Drawn {
        enum class Kind : std::uint8_t { Picture, Outline, Text } kind;
        int code;  // picture code, or colour
        double X, Y;
        QRect area;  // in buffer pixels
        std::string text;
        int sizePt = 0;
        bool bold = false;
        bool shows = true;
    };
    // `d` is drawn: what it paints over whole no longer shows.
    void drawn(Drawn d, bool opaque);
    static int bucketOf(QPoint p);
    bool opaque(int code, const QImage& picture);

    // The text as shown, its baseline and its box (the ink's and the line's, with room for the
    // smoothing around the glyphs) in buffer pixels.
    struct Placed {
        QString text;
        QPointF baseline;
        QRect box;
    };
    Placed place(const TextFont& f, double X, double Y, const std::string& utf8) const;
    // Worded texts that `area` paints over can no longer be shown again: they are forgotten.
    void paintedOver(const QRect& area);

    QPainter& painter();
    const TextFont& textFont(int sizePt, bool bold);

    void changed() {
        ++generation_;
        if (onChange) onChange();
    }

    const PictureSet& pictures_;
    QImage image_;
    QColor background_;
    QFont font_;
    std::map<int, TextFont> fonts_;  // by size and weight
    Outlines outlines_;
    std::uint64_t generation_ = 0;
    Language language_ = Language::Japanese;
    int filled_ = COLOUR_GREEN;
    std::vector<Drawn> drawn_;                 // in the order drawn
    std::vector<std::vector<int>> buckets_;    // indices into drawn_ by the cell of their area's corner
    std::size_t hidden_ = 0;                   // entries of drawn_ that no longer show
    std::map<int, bool> opaque_;               // by picture code
    mutable QPainter painter_;  // after image_: it ends before the image goes
};

}  // namespace orizen::window
