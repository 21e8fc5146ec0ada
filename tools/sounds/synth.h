#pragma once

#include <cstdint>
#include <vector>

// The building blocks of our sound effects. Only + - * / and sqrt touch the samples, all
// rounded exactly by IEEE 754, and the noise is our own generator: every machine and every
// library version makes the same bytes.

inline constexpr int sampleRate = 44100;
inline constexpr double pi = 3.14159265358979323846;

using Samples = std::vector<double>; // mono, full scale at +-1

int sampleCount(double seconds);
double timeOf(int sample);

// sin by its Taylor series after reducing the angle to [-pi, pi].
double sine(double radians);

// A fixed-seed xorshift: white noise in [-1, 1).
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state(seed ? seed : 1u) {}
    double next();
    double uniform() { return 0.5 * (next() + 1.0); } // [0, 1)

  private:
    std::uint32_t state;
};

// Chamberlin's state-variable filter: low-, band- and high-pass outputs of one input, the
// cut-off changeable at every sample (good up to a few kHz at 44.1 kHz).
class StateVariableFilter {
  public:
    StateVariableFilter(double cutoffHz, double q) : damping(1.0 / q) { setCutoff(cutoffHz); }
    void setCutoff(double hz) { frequency = 2.0 * sine(pi * hz / sampleRate); }
    void process(double input);
    double low = 0.0, band = 0.0, high = 0.0;

  private:
    double frequency = 0.0;
    double damping;
};

// A factor that, multiplied in at every sample, falls to 1/e in `seconds`.
double decayPerSample(double seconds);

// A sine partial starting at phase 0 whose frequency can change at every sample.
class Oscillator {
  public:
    double next(double hz);

  private:
    double phase = 0.0;
};

// Adds `source` into `mix` from sample `offset` on, scaled by `gain`.
void mixInto(Samples& mix, const Samples& source, int offset, double gain);

// Linear fades over the first and the last `seconds`, so that no sound starts or ends on a
// step the ear hears as a click.
void fadeEdges(Samples& samples, double inSeconds, double outSeconds);

// Scales the samples so that the largest magnitude is `peak`.
void normalise(Samples& samples, double peak);

// Makes the end flow into the start: the last `seconds` are cross-faded (with equal power,
// the two parts being unrelated noise) into the first ones and cut off.
void makeLoop(Samples& samples, double seconds);

// Layers of noise, each band-passed around a voice's pitch in [lowHz, highHz] and swelling
// slowly at its own pace, for the sound of many people at once. Below `lowCutHz` and above
// `brightHz` the sound fades away (steeply below, softly above, as voices heard across a hall).
Samples crowdVoices(double seconds, int voices, double lowHz, double highHz, double brightHz,
                    std::uint32_t seed, double lowCutHz);
