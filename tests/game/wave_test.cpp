// Wave images of every common kind become 16-bit PCM; effects get their silent tail.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "game/wave.h"

namespace orizen::test {

namespace {

void put(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xff);
}

// A wave image with the given format chunk fields and sample bytes.
std::string wave(int format, int channels, uint32_t rate, int bits, const std::string& samples, bool extensible = false) {
    std::string fmt;
    put(fmt, extensible ? 0xFFFE : format, 2);
    put(fmt, channels, 2);
    put(fmt, rate, 4);
    put(fmt, rate * channels * bits / 8, 4);
    put(fmt, channels * bits / 8, 2);
    put(fmt, bits, 2);
    if (extensible) {
        put(fmt, 22, 2);
        put(fmt, bits, 2);
        put(fmt, 0, 4);
        put(fmt, format, 2);
        fmt += std::string(14, '\x01');  // the rest of the GUID
    }
    std::string w = "RIFF";
    put(w, 4 + 8 + fmt.size() + 8 + samples.size(), 4);
    w += "WAVEfmt ";
    put(w, fmt.size(), 4);
    w += fmt + "data";
    put(w, samples.size(), 4);
    return w + samples;
}

int16_t sampleOut(const std::string& out, std::size_t i) {
    return static_cast<int16_t>(static_cast<unsigned char>(out[44 + 2 * i]) | static_cast<unsigned char>(out[45 + 2 * i]) << 8);
}

bool normal(const std::string& in, bool effect, std::string& out) {
    return normalizeWave(reinterpret_cast<const unsigned char*>(in.data()), in.size(), effect, out);
}

}  // namespace

TEST(Wave, EveryCommonSampleFormatBecomesSixteenBitPcm) {
    const float half = 0.5f;
    std::string f32(reinterpret_cast<const char*>(&half), 4);
    const struct {
        const char* what;
        std::string image;
        int16_t first;
    } cases[] = {
        {"8-bit", wave(1, 1, 8000, 8, "\xC0"), 16384},
        {"16-bit", wave(1, 1, 8000, 16, std::string("\x00\x40", 2)), 16384},
        {"24-bit", wave(1, 1, 8000, 24, std::string("\x00\x00\x40", 3)), 16384},
        {"32-bit", wave(1, 1, 8000, 32, std::string("\x00\x00\x00\xC0", 4)), -16384},
        {"float", wave(3, 1, 8000, 32, f32), 16384},
        {"extensible float", wave(3, 1, 8000, 32, f32, true), 16384},
    };
    for (const auto& c : cases) {
        std::string out;
        ASSERT_TRUE(normal(c.image, false, out)) << c.what;
        ASSERT_EQ(out.size(), 46u) << c.what;
        EXPECT_EQ(out.substr(0, 4), "RIFF");
        EXPECT_EQ(out[20], 1) << c.what;  // PCM
        EXPECT_EQ(out[34], 16) << c.what;
        EXPECT_NEAR(sampleOut(out, 0), c.first, 2) << c.what;
    }
}

TEST(Wave, AnEffectGetsHalfASecondOfSilenceAndTheMusicNone) {
    const std::string image = wave(1, 2, 8000, 16, std::string(40, '\x10'));  // 10 stereo frames
    std::string effect, music;
    ASSERT_TRUE(normal(image, true, effect));
    ASSERT_TRUE(normal(image, false, music));
    EXPECT_EQ(music.size(), 44u + 40u);
    EXPECT_EQ(effect.size(), 44u + 40u + 8000u * kEffectTailMs / 1000 * 4);
    EXPECT_EQ(effect.substr(44, 40), music.substr(44, 40));
    EXPECT_EQ(effect.find_first_not_of('\0', 84), std::string::npos);
}

TEST(Wave, ManyChannelsMixToOneAndACutShortFileKeepsWhatItHas) {
    std::string six;
    for (int c = 0; c < 6; ++c) put(six, 0x3000, 2);
    std::string out;
    ASSERT_TRUE(normal(wave(1, 6, 8000, 16, six), false, out));
    EXPECT_EQ(out[22], 1);
    EXPECT_NEAR(sampleOut(out, 0), 0x3000, 2);

    std::string cut = wave(1, 1, 8000, 16, std::string(200, '\x01'));
    cut.resize(cut.size() - 100);  // the data chunk says 200 bytes, 100 are there
    ASSERT_TRUE(normal(cut, false, out));
    EXPECT_EQ(out.size(), 44u + 100u);
}

TEST(Wave, WhatIsNoSoundIsRefused) {
    std::string out;
    for (const std::string& bad : {std::string(), std::string("RIFF....WAVE"), wave(2, 1, 8000, 4, "xx"),
                                   wave(1, 0, 8000, 16, "xx"), wave(1, 1, 8000, 16, ""), wave(1, 1, 0, 16, "xx"),
                                   wave(1, 2, 8000, 16, "xx")})
        EXPECT_FALSE(normal(bad, true, out)) << bad.size();
}

}  // namespace orizen::test
