// orizen-picgen: paints every picture of the window and writes them as PNG files.
//
//   orizen-picgen FOLDER
//   orizen-picgen --icons FOLDER    the icon as FOLDER/<N>x<N>/apps/org.example.Orizen.png
//
// The pictures are made at four times their size at 96 dpi, so that the window stays sharp when
// it is scaled up. Needs the IPA P明朝 font (fonts-ipafont-mincho); the title lettering prefers
// P052 (fonts-urw-base35) and falls back to DejaVu Serif.
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "picgen.h"

namespace {

bool save(const QDir& dir, const QString& name, const QImage& img) {
    const QString path = dir.filePath(name + ".png");
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "orizen-picgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString::fromLatin1(argv[1]) == QLatin1String("--icons")) {
        bool ok = true;
        for (int size : {16, 24, 32, 48, 64, 128, 192, 256, 512}) {
            QDir dir(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1/apps").arg(size));
            ok = dir.mkpath(".") && save(dir, QStringLiteral("org.example.Orizen"), picgen::icon(size)) && ok;
        }
        return ok ? 0 : 1;
    }
    if (argc != 2) {
        std::fputs("usage: orizen-picgen FOLDER | --icons FOLDER\n", stderr);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "orizen-picgen: cannot create %s\n", argv[1]);
        return 1;
    }

    struct Kind {
        const char* name;
        const char* plain;
        const char* promoted;  // nullptr for a piece that does not promote
        int kind;              // 1 pawn .. 7 rook, 8 king
    };
    static const Kind kKinds[] = {
        {"HU", "歩", "と", 1},   {"KYOU", "香", "香", 2}, {"KEI", "桂", "桂", 3},
        {"GIN", "銀", "銀", 4},  {"KIN", "金", nullptr, 5}, {"KAKU", "角", "角", 6},
        {"SYA", "飛", "飛", 7},  {"OU", nullptr, nullptr, 8},
    };

    bool ok = save(dir, "KARA_MASU", picgen::woodSquare());
    for (const Kind& k : kKinds)
        for (int upper = 0; upper < 2; ++upper) {
            const QString side = upper ? "UE_" : "SITA_";
            if (k.kind == 8) {
                // The lower king is 玉, the upper 王.
                const QString ch = upper ? QStringLiteral("王") : QStringLiteral("玉");
                ok &= save(dir, side + k.name, picgen::piece(ch, false, k.kind, upper));
            } else if (!k.promoted) {
                ok &= save(dir, side + k.name, picgen::piece(QString::fromUtf8(k.plain), false, k.kind, upper));
            } else {
                ok &= save(dir, side + k.name + "_0", picgen::piece(QString::fromUtf8(k.plain), false, k.kind, upper));
                ok &= save(dir, side + k.name + "_1", picgen::piece(QString::fromUtf8(k.promoted), true, k.kind, upper));
            }
        }
    ok &= save(dir, "HAIKEI_MIDORI", picgen::tileMidori());
    ok &= save(dir, "HAIKEI_TATAMI", picgen::tileTatami());
    ok &= save(dir, "HAIKEI_TAKE", picgen::tileTake());
    ok &= save(dir, "HAIKEI_UCHU", picgen::tileUchu());
    ok &= save(dir, "HAIKEI_RENGA", picgen::tileRenga());
    ok &= save(dir, "ORIZEN", picgen::title());
    ok &= save(dir, "VERSION", picgen::versionPicture(QStringLiteral("制作　Orizen 開発チーム")));
    ok &= save(dir, "VERSION_EN", picgen::versionPicture(QStringLiteral("Made by the Orizen team")));
    return ok ? 0 : 1;
}
