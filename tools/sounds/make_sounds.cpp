// Synthesises the game's five wave files: 16-bit mono PCM at 22050 Hz.
//   make_sounds OUTPUT_FOLDER
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

void put32(std::ofstream& out, uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); }
void put16(std::ofstream& out, uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); }

bool writeWave(const std::string& path, const Samples& s) {
    std::ofstream out(path, std::ios::binary);
    const uint32_t bytes = static_cast<uint32_t>(s.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, bytes);
    for (double v : s) {
        const double c = v > 1 ? 1 : v < -1 ? -1 : v;
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(c * 32000))));
    }
    return static_cast<bool>(out);
}

// A deterministic noise source, so the files come out the same on every run.
struct Noise {
    uint32_t state = 12345;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24) * 2 - 1;
    }
};

// A wooden click: a short noise burst through two resonances, decaying fast.
Samples pieceClick() {
    Samples s(static_cast<size_t>(kRate * 0.12));
    Noise noise;
    double lowpass = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        lowpass += 0.35 * (noise.next() - lowpass);
        const double body = 0.6 * std::sin(2 * kPi * 820 * t) + 0.35 * std::sin(2 * kPi * 1370 * t);
        s[i] = (0.55 * lowpass * std::exp(-t * 180) + body * std::exp(-t * 55)) * 0.9;
    }
    return s;
}

// A low buzz for a refused move.
Samples forbiddenBuzz() {
    Samples s(static_cast<size_t>(kRate * 0.28));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int h = 1; h <= 9; h += 2) v += std::sin(2 * kPi * 110 * h * t) / h;
        const double env = std::min(1.0, t * 200) * std::min(1.0, (0.28 - t) * 30);
        s[i] = 0.45 * v * env;
    }
    return s;
}

// Bell-like partials of one note.
void bell(Samples& s, double start, double freq, double gain, double decay) {
    const double partials[][2] = {{1, 1}, {2.01, 0.45}, {2.76, 0.3}, {5.4, 0.12}};
    for (size_t i = static_cast<size_t>(start * kRate); i < s.size(); ++i) {
        const double t = double(i) / kRate - start;
        double v = 0;
        for (const auto& p : partials) v += p[1] * std::sin(2 * kPi * freq * p[0] * t) * std::exp(-t * decay * p[0]);
        s[i] += gain * v * std::min(1.0, t * 400);
    }
}

// A chime for the end of a game: a rising major arpeggio.
Samples gameEndChime() {
    Samples s(static_cast<size_t>(kRate * 2.2));
    bell(s, 0.00, 523.25, 0.28, 2.2);
    bell(s, 0.18, 659.25, 0.26, 2.2);
    bell(s, 0.36, 783.99, 0.26, 2.0);
    bell(s, 0.54, 1046.5, 0.24, 1.8);
    return s;
}

// A soft tone for the version dialog.
Samples softTone() {
    Samples s(static_cast<size_t>(kRate * 0.6));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t * 40) * std::exp(-t * 5);
        s[i] = 0.4 * env * (std::sin(2 * kPi * 660 * t) + 0.25 * std::sin(2 * kPi * 1320 * t));
    }
    return s;
}

// Eight seconds of a calm pentatonic tune over a soft drone; every note has faded before the end,
// so the loop joins without a click.
Samples music() {
    const double beat = 0.5;
    const int beats = 16;
    Samples s(static_cast<size_t>(kRate * beat * beats));
    // D minor pentatonic, in semitones above D4; -1 is a rest.
    const int melody[beats] = {0, 3, 5, 7, 10, 7, 5, 3, 5, 7, 12, 10, 7, 5, 3, -1};
    for (int b = 0; b < beats; ++b) {
        if (melody[b] < 0) continue;
        const double f = 293.66 * std::pow(2.0, melody[b] / 12.0);
        const size_t from = static_cast<size_t>(b * beat * kRate);
        const size_t len = static_cast<size_t>(beat * 1.6 * kRate);
        for (size_t i = 0; i < len && from + i < s.size(); ++i) {
            const double t = double(i) / kRate;
            const double env = std::min(1.0, t * 60) * std::exp(-t * 3.2);
            s[from + i] += 0.22 * env * (std::sin(2 * kPi * f * t) + 0.3 * std::sin(2 * kPi * 2 * f * t));
        }
    }
    // The drone: D3 and A3, with a period that divides the loop exactly.
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double swell = 0.75 + 0.25 * std::sin(2 * kPi * t / (beat * beats));
        s[i] += 0.07 * swell * (std::sin(2 * kPi * 147 * t) + 0.6 * std::sin(2 * kPi * 220 * t));
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_sounds OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = writeWave(dir + "/駒打音.wav", pieceClick()) && writeWave(dir + "/禁止.wav", forbiddenBuzz()) &&
                    writeWave(dir + "/終局.wav", gameEndChime()) && writeWave(dir + "/その他.wav", softTone()) &&
                    writeWave(dir + "/BGM.wav", music());
    if (!ok) std::fputs("make_sounds: cannot write the files\n", stderr);
    return ok ? 0 : 1;
}
