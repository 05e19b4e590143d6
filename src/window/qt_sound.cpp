#include "window/qt_sound.h"

#include <QFile>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QSoundEffect>
#include <QUrl>
#include <string>

#include "game/wave.h"

namespace orizen {

namespace {

// The device answered after the first start-up without one, so that the game says so once a run.
constexpr std::intptr_t kSilentDevice = -1;

}  // namespace

QtSoundLibrary::QtSoundLibrary() = default;
QtSoundLibrary::~QtSoundLibrary() = default;

std::intptr_t QtSoundLibrary::dsInitialize(std::intptr_t) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        if (toldNoDevice_) return kSilentDevice;
        toldNoDevice_ = true;
        return 0;
    }
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        folder_.reset();
        return 0;
    }
    return device_ = 1;
}

std::intptr_t QtSoundLibrary::dsCreateDSB(std::intptr_t device, const unsigned char* image, std::size_t size, int mode) {
    std::string wave;
    if (device == 0 || device != device_ || !folder_ || !normalizeWave(image, size, mode != 1, wave)) return 0;
    const std::intptr_t handle = ++next_;
    const QString path = folder_->filePath(QString::number(handle) + ".wav");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wave.data(), static_cast<qint64>(wave.size())) != static_cast<qint64>(wave.size()))
        return 0;
    file.close();
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    buffers_[handle] = std::move(effect);
    return handle;
}

QSoundEffect* QtSoundLibrary::find(std::intptr_t buffer) const {
    const auto it = buffers_.find(buffer);
    return it == buffers_.end() ? nullptr : it->second.get();
}

void QtSoundLibrary::dsPlay(std::intptr_t buffer) {
    if (QSoundEffect* e = find(buffer)) {
        e->setLoopCount(1);
        e->play();
    }
}

void QtSoundLibrary::dsPlayLooping(std::intptr_t buffer) {
    if (QSoundEffect* e = find(buffer)) {
        e->setLoopCount(QSoundEffect::Infinite);
        e->play();
    }
}

void QtSoundLibrary::dsStop(std::intptr_t buffer) {
    if (QSoundEffect* e = find(buffer)) e->stop();
}

void QtSoundLibrary::dsFree(std::intptr_t buffer) { buffers_.erase(buffer); }

void QtSoundLibrary::dsTerminate(std::intptr_t device) {
    if (device == 0 || device != device_) return;
    buffers_.clear();
    folder_.reset();
    device_ = 0;
}

}  // namespace orizen
