#include "window/help_window.h"

#include <QFileInfo>
#include <QProcess>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orizen::window {

HelpWindow::HelpWindow(const QString& path, QWidget* parent, Language language) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(shown(language, "Orizen 解説")));
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

void HelpOpener::showOwn(const QString& path) {
    // A window showing the other language's page gives way to one for this page.
    if (window_ && window_->browser()->source() != QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())) {
        window_->close();
        window_ = nullptr;
    }
    if (!window_) window_ = new HelpWindow(path, parent_, language);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpOpener::open(const QString& path) {
    // The opener may wait for the browser it starts, so it is not waited for: only its failure
    // to start, or its exit with an error, brings up our own window.
    auto* process = new QProcess(parent_);
    QObject::connect(process, &QProcess::errorOccurred, parent_, [this, process, path](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            showOwn(path);
            process->deleteLater();
        }
    });
    QObject::connect(process, &QProcess::finished, parent_, [this, process, path](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0) showOwn(path);
        process->deleteLater();
    });
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(opener, {QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()});
}

}  // namespace orizen::window
