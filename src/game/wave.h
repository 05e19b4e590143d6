// Wave-file images as any program may have made them, turned into the one form the sound
// library plays: 16-bit PCM, mono or stereo, at the file's own rate. An effect also gets half a
// second of silence after it: an audio server may hold a stream back until its start-up buffer
// is full, and may drop what it still holds when the stream stops, so a sound shorter than
// those buffers would otherwise be lost whole or cut short.
#pragma once

#include <cstddef>
#include <string>

namespace orizen {

inline constexpr int kEffectTailMs = 500;

// Reads PCM (8, 16, 24 or 32 bits), IEEE float (32 or 64 bits) and their extensible forms, with
// any number of channels (more than two are mixed to one). False when the image is none of
// these or holds no sound.
bool normalizeWave(const unsigned char* image, std::size_t size, bool effect, std::string& out);

}  // namespace orizen
