// The record panel laid over the top left of the board: a folder list, a list of the record
// files in it, and the fields and RETURN button for saving. The drive list of the original
// folds into the folder list, which reaches up to the root.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>

#include <functional>

#include "game/language.h"

namespace orizen::window {

class BoardWidget;

class RecordPanel {
public:
    // The controls become children of `board`, hidden.
    explicit RecordPanel(BoardWidget* board);

    void showLists(bool folder, bool files);
    // Shows the labels, fields and button; hiding them also empties the fields.
    void showFields(bool shown);
    // 1 file name, 2 game name, 3 first player, 4 second player.
    QString field(int index) const;
    QString folder() const { return folder_; }
    void setFolder(const QString& path);
    void refreshFiles();
    // The labels in `language`.
    void setLanguage(Language language);
    // Follow the board picture's position and scale.
    void place();

    std::function<void()> onReturn;                     // RETURN pressed
    std::function<void(const QString& path)> onFile;    // a record file clicked

    QListWidget* folderList() const { return folders_; }
    QListWidget* fileList() const { return files_; }
    QLineEdit* edit(int index) const { return texts_[index]; }
    QPushButton* returnButton() const { return return_; }
    QLabel* label(int row) const { return labels_[row]; }

private:
    void fillFolders();

    BoardWidget* board_;
    QString folder_;
    QListWidget* folders_;
    QListWidget* files_;
    QLabel* labels_[4];
    QLineEdit* texts_[5] = {};  // 1..4 as the game numbers them
    QPushButton* return_;
};

}  // namespace orizen::window
