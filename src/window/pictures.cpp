#include "window/pictures.h"

#include "game/game.h"

namespace orizen::window {

QImage PictureSet::load(const QString& name) {
    QImage img(QStringLiteral(":/pictures/%1.png").arg(name));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

PictureSet::PictureSet() {
    struct Entry {
        int code;
        const char* name;
    };
    // Lower pieces take the SITA_ pictures, upper ones the UE_ pictures; entry 1 is promoted.
    static const Entry kPieces[] = {
        {FU, "HU_0"},     {TO, "HU_1"},     {KYOU, "KYOU_0"}, {NARIKYOU, "KYOU_1"}, {KEI, "KEI_0"},
        {NARIKEI, "KEI_1"}, {GIN, "GIN_0"}, {NARIGIN, "GIN_1"}, {KIN, "KIN"},      {KAKU, "KAKU_0"},
        {UMA, "KAKU_1"},  {HISYA, "SYA_0"}, {RYU, "SYA_1"},   {OU, "OU"},
    };
    for (const Entry& e : kPieces) {
        byCode_[e.code] = load(QStringLiteral("UE_") + e.name);
        byCode_[-e.code] = load(QStringLiteral("SITA_") + e.name);
    }
    static const Entry kTiles[] = {
        {EMPTY, "KARA_MASU"},        {PICT_TITLE, "ORIZEN"},   {BG_MIDORI, "HAIKEI_MIDORI"},
        {BG_TATAMI, "HAIKEI_TATAMI"}, {BG_TAKE, "HAIKEI_TAKE"}, {BG_UCHU, "HAIKEI_UCHU"},
        {BG_RENGA, "HAIKEI_RENGA"},
    };
    for (const Entry& e : kTiles) byCode_[e.code] = load(QString::fromUtf8(e.name));
}

const QImage* PictureSet::find(int code) const {
    const auto it = byCode_.find(code);
    return it == byCode_.end() || it->second.isNull() ? nullptr : &it->second;
}

}  // namespace orizen::window
