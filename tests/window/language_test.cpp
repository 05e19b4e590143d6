// The window in English: every text in its place at scale 1, the switch shown at once and kept,
// and Japanese again exactly as it was.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>

#include "game/move_notes.h"
#include "tour.h"
#include "window/version_dialog.h"
#include "window_fixture.h"

namespace orizen::window::test {

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void press(MainWindow& w, int x, int y) {
    w.game().Form_MouseDown(LEFT_BUTTON, 0, BoardLeft + (x + 0.5) * SquareWidth, BoardTop + (y + 0.5) * SquareHeight);
    settle();
}

double cell(double x) { return BoardLeft + x * SquareWidth; }

// Where a text beside the board may reach, by its starting point: the last moves and "思考中" stay
// within the five cells erased before them, every other text on the drawing.
double rightLimit(double X, double Y) {
    const bool upperMove = Y >= BoardTop + 8 * SquareHeight && Y < BoardTop + 9 * SquareHeight;
    const bool lowerMove = Y >= BoardTop + 5 * SquareHeight && Y < BoardTop + 6 * SquareHeight;
    if (upperMove && X < cell(1)) return cell(-4 + 5);
    if (lowerMove && X >= cell(30)) return cell(30 + 5);
    return kExtentW;
}

}  // namespace

TEST(English, EveryTextFitsItsPlaceAtScaleOne) {
    WindowFixture f;
    f.window.setLanguage(Language::English);
    settle();

    // The menu bar in one line across the window.
    EXPECT_LE(f.window.menuBar()->sizeHint().width(), f.window.board()->sizeHint().width());

    // The record panel's labels and the version dialog's button.
    RecordPanel& panel = f.window.panel();
    f.window.board()->resize(f.window.board()->sizeHint());  // one pixel for 15 window units
    panel.showFields(true);
    for (int row = 0; row < 4; ++row) {
        QLabel* l = panel.label(row);
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
    }
    panel.showFields(false);
    VersionDialog dialog(&f.window, nullptr, Language::English);
    QPushButton* home = dialog.homeButton();
    EXPECT_LE(home->fontMetrics().horizontalAdvance(home->text()) + 8, home->width());

    // Every text the game draws on a tour of it, measured in English where it is drawn.
    orizen::test::Harness h;
    orizen::test::tour(h);
    BufferCanvas& canvas = f.window.canvas();
    int measured = 0;
    for (const auto& op : h.canvas.texts()) {
        if (!english(op.text)) continue;
        const QRectF area = canvas.textArea(op.X, op.Y, op.text, op.size, op.bold);
        ++measured;
        if (op.text == "前回の対局" || op.text == "コンピュータ" || op.text == "あなた") {
            // A record's names are drawn where the record puts them: no wider than in Japanese.
            f.window.setLanguage(Language::Japanese);
            const double japanese = canvas.textArea(op.X, op.Y, op.text, op.size, op.bold).width();
            f.window.setLanguage(Language::English);
            EXPECT_LE(area.width(), japanese + 1) << op.text;
            continue;
        }
        EXPECT_LE(area.right(), rightLimit(op.X, op.Y)) << op.text << " at " << op.X << ", " << op.Y;
    }
    EXPECT_GT(measured, 20);

    // The hint's label and the longest move it can write, right of the board.
    for (const std::string& text : {std::string("ヒント"), moveText(29, 1, 27, -901, -901)})
        EXPECT_LE(canvas.textArea(cell(30), BoardTop + 8 * SquareHeight, text, 12, true).right(), kExtentW);
}

// A game against the computer: six pawn moves and its answers.
static void playSome(MainWindow& w) {
    onNextBox([](QMessageBox* b) { b->accept(); });
    runCommand(w.game(), Menu::SENTE);
    settle();
    for (int y = 18; y > 12; --y) {
        press(w, 14, y);
        press(w, 14, y - 1);
    }
}

TEST(English, SwitchingShowsTheBoardMenusAndBoxesAtOnceAndJapaneseComesBackExactly) {
    WindowFixture f;
    playSome(f.window);
    const QImage japanese = f.window.canvas().image().copy();
    // The same game in a window that was English from the start.
    QImage english;
    {
        orizen::test::TempFolder folder;
        orizen::test::FakeSound sound;
        MainWindow w(sound);
        w.game().setFolders(folder.path.string(), w.game().locations().AssetFolder);
        w.setSystemLanguage(Language::English);
        w.load();
        playSome(w);
        english = w.canvas().image().copy();
    }
    ASSERT_NE(english, japanese);

    f.window.aids().languageAction(Language::English)->trigger();
    settle();
    EXPECT_EQ(f.window.language(), Language::English);
    EXPECT_EQ(f.window.menuItems().action(Menu::TAIKYOKU)->text(), QStringLiteral("Game"));
    EXPECT_EQ(f.window.menuItems().action(Menu::OWARI)->text(), QStringLiteral("Quit"));
    EXPECT_EQ(f.window.aids().hintAction()->text(), QStringLiteral("Hint"));
    EXPECT_EQ(f.window.panel().label(3)->text(), QStringLiteral("File:"));
    EXPECT_EQ(f.window.canvas().image(), english);  // every text on the board as if English all along
    QString text, title, yes;
    onNextBox([&](QMessageBox* box) {
        text = box->text(), title = box->windowTitle(), yes = box->buttons().first()->text();
        box->buttons().first()->click();
    });
    f.window.message("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo, Icon::None);
    EXPECT_EQ(text, QStringLiteral("Step through the record with \"Forward\"."));
    EXPECT_EQ(title, QStringLiteral("Record"));
    EXPECT_TRUE(yes == QStringLiteral("&Yes") || yes == QStringLiteral("&No"));

    // Kept in the aids' file, which now names it, and chosen again on the next start.
    const std::filesystem::path aids = f.folder.path / "OrizenAids.ini";
    std::ifstream in(aids);
    const std::string kept((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(kept.find("Language=en\n"), std::string::npos) << kept;
    {
        orizen::test::FakeSound sound;
        MainWindow again(sound);
        again.game().setFolders(f.folder.path.string(), again.game().locations().AssetFolder);
        again.load();
        EXPECT_EQ(again.language(), Language::English);
        EXPECT_EQ(again.menuItems().action(Menu::SONOTA)->text(), QStringLiteral("More"));
    }

    f.window.aids().languageAction(Language::Japanese)->trigger();
    settle();
    EXPECT_EQ(f.window.canvas().image(), japanese);
    EXPECT_EQ(f.window.menuItems().action(Menu::TAIKYOKU)->text(), QStringLiteral("対局"));
}

TEST(English, HelpOpensTheEnglishPageBesideTheJapaneseOne) {
    WindowFixture f;
    f.folder.write("Orizen.htm", "<html><body>盤と駒</body></html>");
    f.folder.write("Orizen.en.htm", "<html><body>The board and the pieces</body></html>");
    f.window.help().opener = QStringLiteral("/nonexistent/opener");
    f.window.setLanguage(Language::English);
    runCommand(f.window.game(), Menu::KAISETU);
    for (int i = 0; i < 2000 && !(f.window.help().window() && f.window.help().window()->isVisible()); ++i) settle();
    ASSERT_TRUE(f.window.help().window() && f.window.help().window()->isVisible());
    EXPECT_TRUE(f.window.help().window()->browser()->toPlainText().contains(QStringLiteral("The board and the pieces")));
    EXPECT_EQ(f.window.help().window()->windowTitle(), QStringLiteral("Orizen Help"));
    f.window.help().window()->close();
    settle();
}

}  // namespace orizen::window::test
