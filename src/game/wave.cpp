#include "game/wave.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace orizen {

namespace {

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

void put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>(v >> 8 & 0xff);
}
void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xffff);
    put16(s, v >> 16);
}

constexpr int kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

// One sample as a value in [-1, 1].
double sampleAt(const unsigned char* p, int format, int bits) {
    if (format == kFloat) {
        if (bits == 32) {
            float f;
            std::memcpy(&f, p, 4);
            return std::isfinite(f) ? f : 0.0;
        }
        double d;
        std::memcpy(&d, p, 8);
        return std::isfinite(d) ? d : 0.0;
    }
    switch (bits) {
    case 8: return (p[0] - 128) / 128.0;
    case 16: return static_cast<int16_t>(le16(p)) / 32768.0;
    case 24: return static_cast<int32_t>(p[0] << 8 | p[1] << 16 | uint32_t(p[2]) << 24) / 2147483648.0;
    default: return static_cast<int32_t>(le32(p)) / 2147483648.0;
    }
}

}  // namespace

bool normalizeWave(const unsigned char* image, std::size_t size, bool effect, std::string& out) {
    if (image == nullptr || size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
        return false;
    int format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    const unsigned char* data = nullptr;
    std::size_t dataBytes = 0;
    for (std::size_t at = 12; at + 8 <= size;) {
        const std::size_t room = size - at - 8;
        const std::size_t length = le32(image + at + 4);
        const unsigned char* body = image + at + 8;
        if (std::memcmp(image + at, "fmt ", 4) == 0 && length >= 16 && room >= 16) {
            format = le16(body);
            channels = le16(body + 2);
            rate = le32(body + 4);
            bits = le16(body + 14);
            if (format == kExtensible && length >= 40 && room >= 40) format = le16(body + 24);
        }
        if (std::memcmp(image + at, "data", 4) == 0 && data == nullptr) {
            data = body;
            dataBytes = length < room ? length : room;  // a file cut short (or never closed) keeps what it has
        }
        if (length >= room) break;
        at += 8 + length + (length & 1);
    }
    const bool pcm = format == kPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floats = format == kFloat && (bits == 32 || bits == 64);
    if (!(pcm || floats) || channels < 1 || channels > 64 || rate < 1000 || rate > 768000 || data == nullptr)
        return false;
    const std::size_t bytesPerSample = static_cast<std::size_t>(bits / 8);
    const std::size_t frames = dataBytes / (bytesPerSample * channels);
    if (frames == 0) return false;

    const int outChannels = channels <= 2 ? channels : 1;
    const std::size_t tail = effect ? static_cast<std::size_t>(rate) * kEffectTailMs / 1000 : 0;
    const std::size_t outBytes = (frames + tail) * outChannels * 2;
    if (outBytes > 0xFFFFFFF0u - 36) return false;
    out.clear();
    out.reserve(44 + outBytes);
    out += "RIFF";
    put32(out, static_cast<uint32_t>(36 + outBytes));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, kPcm);
    put16(out, static_cast<uint32_t>(outChannels));
    put32(out, rate);
    put32(out, rate * outChannels * 2);
    put16(out, static_cast<uint32_t>(outChannels * 2));
    put16(out, 16);
    out += "data";
    put32(out, static_cast<uint32_t>(outBytes));
    const auto put = [&out](double v) {
        const double clipped = v > 1 ? 1 : v < -1 ? -1 : v;
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clipped * 32767))));
    };
    for (std::size_t f = 0; f < frames; ++f) {
        const unsigned char* frame = data + f * bytesPerSample * channels;
        if (outChannels == channels) {
            for (int c = 0; c < channels; ++c) put(sampleAt(frame + c * bytesPerSample, format, bits));
            continue;
        }
        double mixed = 0;
        for (int c = 0; c < channels; ++c) mixed += sampleAt(frame + c * bytesPerSample, format, bits) / channels;
        put(mixed);
    }
    out.append(tail * outChannels * 2, '\0');
    return true;
}

}  // namespace orizen
