#include "window/version_dialog.h"

#include <QPainter>

#include <cmath>

#include "window/buffer_canvas.h"
#include "window/pictures.h"

namespace orizen::window {

namespace {

// Window units to 96-dpi pixels.
int px(int units) { return units / 15; }

}  // namespace

VersionDialog::VersionDialog(QWidget* parent, std::function<bool()> openHomePage, Language language)
    : QDialog(parent),
      picture_(PictureSet::load(language == Language::English ? QStringLiteral("VERSION_EN") : QStringLiteral("VERSION"))) {
    const auto text = [language](const char* japanese) { return QString::fromStdString(shown(language, japanese)); };
    setWindowTitle(text("バージョン情報"));
    setFixedSize(337, 106);
    QFont f = windowFont();
    setFont(f);
    home_ = new QPushButton(text("ホームページ"), this);
    home_->setGeometry(px(600), px(1080), px(1575), px(375));
    ok_ = new QPushButton(QStringLiteral("O K"), this);
    ok_->setGeometry(px(2880), px(1080), px(1575), px(375));
    ok_->setDefault(true);
    connect(home_, &QPushButton::clicked, this, [this, openHomePage] {
        if (openHomePage && openHomePage()) accept();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void VersionDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double dpr = devicePixelRatioF();
    const QSize device(int(std::lround(width() * dpr)), int(std::lround(height() * dpr)));
    if (scaled_.size() != device && !picture_.isNull()) {
        scaled_ = picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(dpr);
    }
    if (scaled_.isNull()) p.fillRect(rect(), QColor(96, 158, 222));
    else p.drawImage(QPoint(0, 0), scaled_);
}

}  // namespace orizen::window
