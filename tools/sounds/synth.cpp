#include "tools/sounds/synth.h"

#include <cmath>

int sampleCount(double seconds) {
    return static_cast<int>(seconds * sampleRate + 0.5);
}

double timeOf(int sample) {
    return static_cast<double>(sample) / sampleRate;
}

double sine(double radians) {
    const double turn = 2.0 * pi;
    const double turns = std::floor(radians / turn + 0.5);
    const double x = radians - turns * turn;
    double term = x, sum = x;
    for (int n = 1; n < 12; ++n) {
        term *= -x * x / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double Noise::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 2147483648.0 - 1.0;
}

void StateVariableFilter::process(double input) {
    low += frequency * band;
    high = input - low - damping * band;
    band += frequency * high;
}

double decayPerSample(double seconds) {
    return 1.0 - 1.0 / (seconds * sampleRate);
}

double Oscillator::next(double hz) {
    const double value = sine(phase);
    phase += 2.0 * pi * hz / sampleRate;
    if (phase > pi)
        phase -= 2.0 * pi;
    return value;
}

void mixInto(Samples& mix, const Samples& source, int offset, double gain) {
    for (std::size_t i = 0; i < source.size() && offset + i < mix.size(); ++i)
        mix[offset + i] += gain * source[i];
}

void fadeEdges(Samples& samples, double inSeconds, double outSeconds) {
    const int in = sampleCount(inSeconds), out = sampleCount(outSeconds);
    const int size = static_cast<int>(samples.size());
    for (int i = 0; i < in && i < size; ++i)
        samples[i] *= static_cast<double>(i) / in;
    for (int i = 0; i < out && i < size; ++i)
        samples[size - 1 - i] *= static_cast<double>(i) / out;
}

void normalise(Samples& samples, double peak) {
    double largest = 0.0;
    for (double s : samples)
        largest = std::fmax(largest, std::fabs(s));
    if (largest > 0.0)
        for (double& s : samples)
            s *= peak / largest;
}

void makeLoop(Samples& samples, double seconds) {
    const int overlap = sampleCount(seconds);
    const int length = static_cast<int>(samples.size()) - overlap;
    for (int i = 0; i < overlap; ++i) {
        const double in = static_cast<double>(i) / overlap;
        samples[i] = samples[i] * std::sqrt(in) + samples[length + i] * std::sqrt(1.0 - in);
    }
    samples.resize(length);
}

Samples crowdVoices(double seconds, int voices, double lowHz, double highHz, double brightHz,
                    std::uint32_t seed, double lowCutHz) {
    Samples crowd(sampleCount(seconds), 0.0);
    Noise noise(seed);
    for (int v = 0; v < voices; ++v) {
        // One draw a statement: the order of a call's arguments is the compiler's choice.
        const double q = 2.0 + 4.0 * noise.uniform();
        const double pitchHz = lowHz + (highHz - lowHz) * noise.uniform();
        StateVariableFilter voice(pitchHz, q);
        Oscillator swell;
        const double swellHz = 0.4 + 2.6 * noise.uniform();
        for (double& s : crowd) {
            voice.process(noise.next());
            const double loudness = 0.6 + 0.4 * swell.next(swellHz);
            s += loudness * voice.band;
        }
    }
    StateVariableFilter firstCut(lowCutHz, 0.7), secondCut(lowCutHz, 0.7), distance(brightHz, 0.7);
    for (double& s : crowd) {
        firstCut.process(s);
        secondCut.process(firstCut.high);
        distance.process(secondCut.high);
        s = distance.low;
    }
    return crowd;
}
