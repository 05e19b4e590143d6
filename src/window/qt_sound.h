// The sound library on Qt Multimedia: each buffer is a wave-file image, brought into one form
// every audio server plays whole (game/wave.h), kept in a private temporary folder and played
// by its own QSoundEffect, so effects overlap and never block.
#pragma once

#include <QTemporaryDir>
#include <map>
#include <memory>

#include "game/platform.h"

class QSoundEffect;

namespace orizen {

class QtSoundLibrary final : public SoundLibrary {
public:
    QtSoundLibrary();
    ~QtSoundLibrary() override;

    std::intptr_t dsInitialize(std::intptr_t window) override;
    std::intptr_t dsCreateDSB(std::intptr_t device, const unsigned char* image, std::size_t size, int mode) override;
    void dsPlay(std::intptr_t buffer) override;
    void dsPlayLooping(std::intptr_t buffer) override;
    void dsStop(std::intptr_t buffer) override;
    void dsFree(std::intptr_t buffer) override;
    void dsTerminate(std::intptr_t device) override;

private:
    QSoundEffect* find(std::intptr_t buffer) const;

    std::unique_ptr<QTemporaryDir> folder_;
    std::map<std::intptr_t, std::unique_ptr<QSoundEffect>> buffers_;
    std::intptr_t device_ = 0, next_ = 0;
    bool toldNoDevice_ = false;  // the first start-up without a device has answered 0
};

}  // namespace orizen
