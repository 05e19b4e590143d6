#include "qt_sound.h"

#include <QFile>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QSoundEffect>
#include <QUrl>
#include <cstring>

namespace orizen {

namespace {

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

QtSoundLibrary::QtSoundLibrary() = default;
QtSoundLibrary::~QtSoundLibrary() = default;

bool QtSoundLibrary::isPlayableWave(const unsigned char* image, std::size_t size) {
    if (image == nullptr || size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
        return false;
    bool format = false, data = false;
    for (std::size_t at = 12; at + 8 <= size;) {
        const uint32_t length = le32(image + at + 4);
        if (std::memcmp(image + at, "fmt ", 4) == 0 && length >= 16 && at + 8 + 16 <= size)
            format = le16(image + at + 8) == 1 && le16(image + at + 10) >= 1 && le32(image + at + 12) > 0;
        if (std::memcmp(image + at, "data", 4) == 0) data = length > 0;
        if (length > size - at - 8) break;
        at += 8 + length + (length & 1);
    }
    return format && data;
}

std::intptr_t QtSoundLibrary::dsInitialize(std::intptr_t) {
    if (QMediaDevices::defaultAudioOutput().isNull()) return 0;
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        folder_.reset();
        return 0;
    }
    return device_ = 1;
}

std::intptr_t QtSoundLibrary::dsCreateDSB(std::intptr_t device, const unsigned char* image, std::size_t size, int) {
    if (device == 0 || device != device_ || !folder_ || !isPlayableWave(image, size)) return 0;
    const std::intptr_t handle = ++next_;
    const QString path = folder_->filePath(QString::number(handle) + ".wav");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image), static_cast<qint64>(size)) != static_cast<qint64>(size))
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
