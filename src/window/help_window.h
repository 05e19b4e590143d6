// The help page without a browser: opens it with the desktop's opener and, when that cannot be
// started or reports a failure, shows the page in a window of our own.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include "game/language.h"

class QTextBrowser;

namespace orizen::window {

class HelpWindow final : public QDialog {
public:
    HelpWindow(const QString& path, QWidget* parent, Language language = Language::Japanese);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

class HelpOpener {
public:
    explicit HelpOpener(QWidget* parent) : parent_(parent) {}

    // The program that opens a page in the desktop's browser; it must exit with 0 on success.
    QString opener = QStringLiteral("xdg-open");
    // The language of our own window's title.
    Language language = Language::Japanese;

    // Opens the page at `path` (an existing file): in the browser, or in our own window.
    void open(const QString& path);
    // Shows our own window at once.
    void showOwn(const QString& path);
    HelpWindow* window() const { return window_; }

private:
    QWidget* parent_;
    QPointer<HelpWindow> window_;
};

}  // namespace orizen::window
