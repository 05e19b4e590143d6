// What the window does for the game: message boxes, the record panel, the version dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include "window/qt_sound.h"
#include "window/version_dialog.h"
#include "window_fixture.h"

namespace orizen::window::test {

TEST(Message, OkBoxShowsTextTitleAndIcon) {
    WindowFixture f;
    QString text, title;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextBox([&](QMessageBox* box) {
        text = box->text(), title = box->windowTitle(), icon = box->icon();
        buttons = int(box->buttons().size());
        box->buttons().first()->click();
    });
    EXPECT_EQ(f.window.message("「対局」で始めて下さい", "開始", Buttons::Ok, Icon::None), Answer::Ok);
    EXPECT_EQ(text, QStringLiteral("「対局」で始めて下さい"));
    EXPECT_EQ(title, QStringLiteral("開始"));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);

    onNextBox([&](QMessageBox* box) {
        icon = box->icon();
        box->buttons().first()->click();
    });
    f.window.message("x", "Orizen.dll", Buttons::Ok, Icon::Warning);
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST(Message, YesComesBeforeNoAndEachAnswersItself) {
    WindowFixture f;
    for (bool pressYes : {true, false}) {
        bool yesFirst = false;
        onNextBox([&](QMessageBox* box) {
            const auto b = box->buttons();
            ASSERT_EQ(b.size(), 2);
            QAbstractButton* yes = b[0]->text().startsWith(QStringLiteral("はい")) ? b[0] : b[1];
            QAbstractButton* no = yes == b[0] ? b[1] : b[0];
            yesFirst = yes->mapTo(box, QPoint()).x() < no->mapTo(box, QPoint()).x();
            (pressYes ? yes : no)->click();
        });
        EXPECT_EQ(f.window.message("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo, Icon::None), pressYes ? Answer::Yes : Answer::No);
        EXPECT_TRUE(yesFirst);
    }
    onNextBox([](QMessageBox* box) { box->reject(); });  // closing the box
    EXPECT_EQ(f.window.message("?", "", Buttons::YesNo, Icon::None), Answer::No);
}

TEST(RecordPanel, OpensAndClosesAsTheGameAsksAndClosingEmptiesTheFields) {
    WindowFixture f;
    MainWindow& w = f.window;
    RecordPanel& p = w.panel();
    w.show();
    w.board()->resize(kExtentW / 15, kExtentH / 15);
    EXPECT_TRUE(p.folderList()->isHidden());
    EXPECT_TRUE(p.fileList()->isHidden());
    EXPECT_TRUE(p.returnButton()->isHidden());

    w.showPanelLists(true, true, true);
    w.showPanelFields(false);
    EXPECT_FALSE(p.folderList()->isHidden());
    EXPECT_FALSE(p.fileList()->isHidden());
    EXPECT_TRUE(p.edit(1)->isHidden());

    w.showPanelLists(true, true, false);
    w.showPanelFields(true);
    EXPECT_TRUE(p.fileList()->isHidden());
    EXPECT_FALSE(p.returnButton()->isHidden());
    EXPECT_EQ(p.returnButton()->text(), QStringLiteral("RETURN"));
    const char* captions[4] = {"対 局 名：", "先    手 ：", "後    手 ：", "ﾌｧｲﾙ名 ："};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(p.label(row)->text(), QString::fromUtf8(captions[row]));
        EXPECT_FALSE(p.label(row)->isHidden());
    }
    // Each field sits beside its label: game name, first, second player, then the file name.
    const int rowOfField[5] = {0, 3, 0, 1, 2};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(p.edit(i)->y(), p.label(rowOfField[i])->y()) << i;
        p.edit(i)->setText(QString("field %1").arg(i));
    }
    EXPECT_EQ(w.panelField(1), "field 1");
    EXPECT_EQ(w.panelField(4), "field 4");
    EXPECT_EQ(w.panelField(0), "");
    EXPECT_EQ(w.panelField(5), "");

    // Positions follow the picture: at one pixel per 15 units the file list is at (16, 152).
    EXPECT_EQ(p.fileList()->geometry(), QRect(16, 152, 169, 62));
    EXPECT_EQ(p.returnButton()->geometry(), QRect(224, 200, 57, 25));
    w.board()->resize(2 * kExtentW / 15, 2 * kExtentH / 15);
    EXPECT_EQ(p.returnButton()->geometry(), QRect(448, 400, 114, 50));

    w.showPanelLists(false, false, false);
    w.showPanelFields(false);
    EXPECT_TRUE(p.folderList()->isHidden());
    EXPECT_TRUE(p.label(0)->isHidden());
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(w.panelField(i), "") << i;
}

TEST(RecordPanel, ListsRecordFilesOfTheChosenFolderAndReportsClicks) {
    WindowFixture f;
    MainWindow& w = f.window;
    RecordPanel& p = w.panel();
    EXPECT_EQ(QString::fromStdString(w.panelFolder()), QDir::currentPath());

    const QString root = QString::fromStdString(f.folder.path.string());
    QDir(root).mkdir("sub");
    f.folder.write("対局1.棋譜", "x\r\n");
    f.folder.write("notes.txt", "x");
    p.setFolder(root);
    EXPECT_EQ(QString::fromStdString(w.panelFolder()), root);
    ASSERT_EQ(p.fileList()->count(), 1);
    EXPECT_EQ(p.fileList()->item(0)->text(), QStringLiteral("対局1.棋譜"));
    // The folder list shows the way down to the folder, the folder selected, then its folders.
    QListWidget* folders = p.folderList();
    EXPECT_EQ(folders->currentItem()->data(Qt::UserRole).toString(), root);
    EXPECT_EQ(folders->item(folders->count() - 1)->text().trimmed(), QStringLiteral("sub"));

    std::vector<QString> opened;
    p.onFile = [&](const QString& path) { opened.push_back(path); };
    emit p.fileList()->itemClicked(p.fileList()->item(0));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], root + QStringLiteral("/対局1.棋譜"));

    f.folder.write("対局2.棋譜", "x\r\n");
    w.refreshPanelFiles();
    EXPECT_EQ(p.fileList()->count(), 2);

    emit folders->itemActivated(folders->item(folders->count() - 1));
    EXPECT_EQ(QString::fromStdString(w.panelFolder()), root + "/sub");
    EXPECT_EQ(p.fileList()->count(), 0);

    int returns = 0;
    p.onReturn = [&] { ++returns; };
    p.returnButton()->click();
    EXPECT_EQ(returns, 1);
}

TEST(VersionDialog, HomePageClosesOnlyWhenTheBrowserStarts) {
    app();
    bool succeed = false;
    int asked = 0;
    VersionDialog d(nullptr, [&] {
        ++asked;
        return succeed;
    });
    EXPECT_EQ(d.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(d.size(), QSize(337, 106));
    EXPECT_EQ(d.homeButton()->text(), QStringLiteral("ホームページ"));
    EXPECT_EQ(d.homeButton()->geometry(), QRect(40, 72, 105, 25));
    EXPECT_EQ(d.okButton()->text(), QStringLiteral("O K"));
    EXPECT_EQ(d.okButton()->geometry(), QRect(192, 72, 105, 25));

    d.show();
    d.homeButton()->click();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(d.isVisible());
    succeed = true;
    d.homeButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);

    d.show();
    d.okButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(asked, 2);
}

TEST(Browser, MissingFilesAndEmptyAddressesFailQuietly) {
    WindowFixture f;
    EXPECT_FALSE(f.window.openUrl(""));
    EXPECT_FALSE(f.window.openUrl((f.folder.path / "Orizen.htm").string()));
}

}  // namespace orizen::window::test

namespace orizen::window::test {

TEST(Help, WithoutABrowserThePageOpensInOurOwnWindow) {
    WindowFixture f;
    f.folder.write("Orizen.htm", "<html><body><h1>盤と駒</h1></body></html>");
    for (const char* opener : {"false", "/nonexistent/opener"}) {
        f.window.help().opener = QString::fromUtf8(opener);
        runCommand(f.window.game(), Menu::KAISETU);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000 && !(f.window.help().window() && f.window.help().window()->isVisible())) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        ASSERT_TRUE(f.window.help().window() && f.window.help().window()->isVisible()) << opener;
        EXPECT_TRUE(f.window.help().window()->browser()->toPlainText().contains(QStringLiteral("盤と駒"))) << opener;
        f.window.help().window()->close();
        QCoreApplication::processEvents();
    }
}

}  // namespace orizen::window::test

namespace orizen::window::test {

TEST(QtSound, WithoutADeviceOnlyTheFirstStartUpOfARunIsRefused) {
    app();
    QtSoundLibrary sound;
    if (sound.dsInitialize(1) != 0) GTEST_SKIP() << "this machine has a sound device";
    // Later start-ups (最初, reading a record) get a silent device, so the game warns once a run.
    const std::intptr_t device = sound.dsInitialize(1);
    EXPECT_NE(device, 0);
    const unsigned char wave[] = "RIFF";
    EXPECT_EQ(sound.dsCreateDSB(device, wave, sizeof wave, 3), 0);
    sound.dsPlay(0);
    sound.dsTerminate(device);
}

}  // namespace orizen::window::test

namespace orizen::window::test {

TEST(KeptGame, AMoveOnTheBoardIsKeptInTheDataFolderAtOnce) {
    app();
    orizen::test::TempFolder folder;
    orizen::test::FakeSound sound;
    MainWindow window(sound);
    window.usePlaces(Places{folder.path.string(), folder.path.string(), false});
    window.load();
    onNextBox([](QMessageBox* box) { box->accept(); });
    runCommand(window.game(), Menu::START);
    const auto click = [&](int x, int y) {
        window.board()->onMouseDown(LEFT_BUTTON, 0, BoardLeft + x * SquareWidth + 100, BoardTop + y * SquareHeight + 100);
    };
    click(5, 18), click(5, 17);
    QFile kept(QString::fromStdString((folder.path / kLastGameFile).string()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = kept.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5);  // three header lines, one move, the end
    EXPECT_TRUE(lines[3].startsWith("5 185 17-30 -30 0"));
}

}  // namespace orizen::window::test
