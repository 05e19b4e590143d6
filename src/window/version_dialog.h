// The version dialog: the version picture with a homepage button and an OK button.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>

#include <functional>

#include "game/language.h"

namespace orizen::window {

class VersionDialog final : public QDialog {
public:
    // `openHomePage` answers whether the browser could be started; only then does the dialog
    // close, otherwise it stays open without a word.
    VersionDialog(QWidget* parent, std::function<bool()> openHomePage, Language language = Language::Japanese);

    QPushButton* homeButton() const { return home_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
    QImage scaled_;
    QPushButton* home_;
    QPushButton* ok_;
};

}  // namespace orizen::window
