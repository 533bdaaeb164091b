// SPDX-License-Identifier: MIT
// Each default sound as a sum of a few voices under an envelope. Times in seconds, frequencies in
// hertz, levels from -1 to 1 before the final scaling to 16 bits.
#include "SoundDesigns.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr double Rate = SoundSampleRate;
constexpr double Pi = 3.14159265358979323846;

// A fixed-seed generator of noise from -1 to 1 (xorshift32): the same sequence everywhere.
struct Noise {
    uint32_t state = 2463534242u;
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483647.5 - 1.0;
    }
};

// A frequency sweep from `from` to `to` over `seconds`: the phase advanced sample by sample.
struct Sweep {
    double phase = 0;
    double Next(double t, double seconds, double from, double to) {
        double f = from * std::pow(to / from, std::min(t / seconds, 1.0));
        phase += 2 * Pi * f / Rate;
        return phase;
    }
};

double Square(double phase) {
    return std::sin(phase) >= 0 ? 1.0 : -1.0;
}

// `seconds` of the level given for each moment t, scaled to 16 bits at `peak`.
WavSound Render(double seconds, double peak, const std::function<double(double)>& level) {
    WavSound sound;
    sound.sampleRate = SoundSampleRate;
    const int count = int(std::lround(seconds * Rate));
    for (int i = 0; i < count; ++i) {
        double v = std::clamp(level(i / Rate), -1.0, 1.0) * peak;
        sound.samples.push_back(int16_t(std::lround(v * 32767)));
    }
    return sound;
}

// A short falling zap: a square sweep softened by a sine an octave below.
WavSound PlayerShot() {
    Sweep sweep;
    return Render(0.2, 0.7, [&](double t) {
        double phase = sweep.Next(t, 0.2, 1600, 280);
        double envelope = std::exp(-t * 18) * std::min(1.0, t * 400);
        return envelope * (0.55 * Square(phase) + 0.45 * std::sin(phase / 2));
    });
}

// Duller and lower than the player's: a sine sweep with a touch of noise.
WavSound ChaserShot() {
    Sweep sweep;
    Noise noise;
    return Render(0.16, 0.7, [&](double t) {
        double phase = sweep.Next(t, 0.16, 700, 320);
        double envelope = std::exp(-t * 22) * std::min(1.0, t * 400);
        return envelope * (0.8 * std::sin(phase) + 0.2 * noise.Next());
    });
}

// A metallic knock: a burst of noise over a falling thud.
WavSound Hit() {
    Sweep sweep;
    Noise noise;
    return Render(0.14, 0.8, [&](double t) {
        double phase = sweep.Next(t, 0.14, 220, 90);
        return std::exp(-t * 30) * (0.5 * noise.Next() + 0.5 * std::sin(phase)) +
               0.3 * std::exp(-t * 60) * std::sin(2 * Pi * 1250 * t);
    });
}

// A long rumbling blast: noise smoothed more and more as it dies, over a falling rumble.
WavSound BreakUp() {
    Sweep sweep;
    Noise noise;
    double smoothed = 0;
    return Render(1.1, 0.9, [&](double t) {
        double smoothing = 0.5 + 0.45 * std::min(1.0, t / 0.6);
        smoothed = smoothing * smoothed + (1 - smoothing) * noise.Next();
        double phase = sweep.Next(t, 1.1, 90, 35);
        double envelope = std::exp(-t * 3.2) * std::min(1.0, t * 200);
        return envelope * (2.2 * smoothed + 0.45 * std::sin(phase));
    });
}

// One second of a steady hum: every tone a whole number of cycles, so that the loop is seamless;
// the noise is smoothed to a rush well below the tones.
WavSound Engine() {
    Noise noise;
    double smoothed = 0;
    return Render(1.0, 0.6, [&](double t) {
        smoothed = 0.97 * smoothed + 0.03 * noise.Next();
        double hum = 0.5 * std::sin(2 * Pi * 55 * t) + 0.25 * std::sin(2 * Pi * 110 * t) +
                     0.12 * std::sin(2 * Pi * 165 * t + 0.5) + 0.08 * std::sin(2 * Pi * 7 * t);
        return hum + 1.5 * smoothed;
    });
}

// How each sound is made, one row per sound.
struct SoundDesign {
    GameSound sound;
    WavSound (*make)();
};

constexpr SoundDesign SoundDesigns[] = {
    {ShotSound, PlayerShot}, {ChaserShotSound, ChaserShot}, {HitSound, Hit},
    {BreakUpSound, BreakUp}, {EngineSound, Engine},
};
static_assert(OneRowPerSound(SoundDesigns), "every sound needs its design");

} // namespace

WavSound MakeSound(GameSound which) {
    return SoundDesigns[which].make();
}
