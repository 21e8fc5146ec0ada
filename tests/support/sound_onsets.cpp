// Prints the times (in seconds) at which a sound starts in one band of a recording, its level
// there and its side, one a line: the level of a 10 ms frame, the channels mixed, reaches
// FLOOR_DB (dB of full scale) after a rise of 6 dB within 30 ms; the side is the first
// channel's level over the second's in the band over the next 100 ms (0 in mono). Given
// MIN_SECONDS, only the sounds that stay above FLOOR_DB that long (quiet spells under 50 ms
// aside) are printed, and what starts within one of them is part of it.
//   sound_onsets RECORDING.wav HZ Q FLOOR_DB [MIN_SECONDS [MAX_SECONDS]]
// Q 0 takes everything below HZ (a low-pass), any other Q a narrow band around HZ. Given
// MAX_SECONDS too, only those that stay there no longer.
//   sound_onsets RECORDING.wav NAME
// uses the criterion of one of the sounds of the fight where the opponent boxes back (below).
//   sound_onsets RECORDING.wav --loop LOOP.wav
// prints instead where the loop's first 150 ms recur, in seconds of sound (stretches of
// silence left out), and how well they match (1 at best); and where a silence of 200 ms or
// more was left out (a paused mix), as "SECONDS silence".
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double frameSeconds = 0.01;
constexpr int riseFrames = 3;
constexpr double riseDb = 6.0;
constexpr int quietFrames = 5; // two onsets are at least 50 ms apart; a sound ends so
constexpr int sideFrames = 10;

// One RBJ biquad section.
struct Biquad {
    double b0, b1, b2, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double process(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

Biquad makeFilter(double hz, double q, double rate) {
    const double w = 2 * pi * hz / rate, c = std::cos(w);
    const double alpha = std::sin(w) / (2 * (q > 0 ? q : std::sqrt(0.5)));
    const double a0 = 1 + alpha;
    if (q > 0)
        return {alpha / a0, 0, -alpha / a0, -2 * c / a0, (1 - alpha) / a0};
    return {(1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

struct Criterion {
    const char* name;
    double hz, q, floorDb, minSeconds, maxSeconds;
};

// Each in a band where nothing else of the game reaches its floor, at the gains it is played
// at: the blow's long boom below 60 Hz, where the player's thud stays 7 dB under; the crack of
// a blow on the guard, above every other sound; the count's partial between two of the bell's,
// lasting longer than a voice's click; the roar's deep voices, below the crowd's other sounds.
// The band of the player's thud (below 120 Hz) hears the blow too, as long again: `punch_thud`
// takes the thud alone.
constexpr Criterion criteria[] = {
    {"opponent_blow", 60, 0, -26, 0.1, 0},     {"guard_block", 7000, 2, -31, 0, 0},
    {"referee_count", 3950, 20, -30, 0.03, 0}, {"crowd_roar", 170, 2, -36, 1, 0},
    {"punch_thud", 120, 0, -30, 0, 0.16},
};

constexpr double loopHeadSeconds = 0.15;
constexpr int decimation = 8; // the crowd's sound is low enough to be compared at 5.5 kHz
constexpr double matchFloor = 0.8;
constexpr double matchesApart = 0.5; // seconds
constexpr int pauseFrames = 20;

// The file's channels mixed and every `decimation` samples averaged; 10 ms frames of digital
// silence (a paused mix) left out, and where a pause was, in samples of the result, added to
// `pauses` when given.
std::vector<double> soundOf(SNDFILE* file, const SF_INFO& info,
                            std::vector<std::size_t>* pauses = nullptr) {
    const int frameLength = static_cast<int>(frameSeconds * info.samplerate);
    std::vector<float> frame(static_cast<std::size_t>(frameLength) * info.channels);
    std::vector<double> sound;
    int silentFrames = 0;
    while (sf_readf_float(file, frame.data(), frameLength) == frameLength) {
        bool silent = true;
        for (float sample : frame)
            silent = silent && std::fabs(sample) < 1e-6f;
        if (pauses && !silent && silentFrames >= pauseFrames)
            pauses->push_back(sound.size());
        silentFrames = silent ? silentFrames + 1 : 0;
        for (int i = 0; !silent && i + decimation <= frameLength; i += decimation) {
            double sum = 0;
            for (std::size_t k = 0; k < std::size_t{decimation} * info.channels; ++k)
                sum += frame[static_cast<std::size_t>(i) * info.channels + k];
            sound.push_back(sum);
        }
    }
    return sound;
}

int printLoopStarts(SNDFILE* recording, const SF_INFO& info, const char* loopPath) {
    SF_INFO loopInfo{};
    SNDFILE* loop = sf_open(loopPath, SFM_READ, &loopInfo);
    if (!loop) {
        std::fprintf(stderr, "%s: %s\n", loopPath, sf_strerror(nullptr));
        return 1;
    }
    std::vector<double> head = soundOf(loop, loopInfo);
    sf_close(loop);
    std::vector<std::size_t> pauses;
    const std::vector<double> sound = soundOf(recording, info, &pauses);
    const double rate = static_cast<double>(info.samplerate) / decimation;
    head.resize(static_cast<std::size_t>(loopHeadSeconds * rate));
    if (sound.size() <= head.size())
        return 0;
    double headEnergy = 0, energy = 0;
    for (std::size_t i = 0; i < head.size(); ++i)
        headEnergy += head[i] * head[i], energy += sound[i] * sound[i];
    // Normalised correlation at each offset; the best of each stretch above the floor.
    double best = 0;
    std::size_t bestAt = 0;
    std::size_t pause = 0;
    const auto print = [&](std::size_t at, double match) {
        for (; pause < pauses.size() && pauses[pause] <= at; ++pause)
            std::printf("%.3f silence\n", pauses[pause] / rate);
        std::printf("%.3f %.2f\n", at / rate, match);
    };
    for (std::size_t at = 0; at + head.size() < sound.size(); ++at) {
        double dot = 0;
        for (std::size_t i = 0; i < head.size(); ++i)
            dot += head[i] * sound[at + i];
        const double match = dot / std::sqrt(headEnergy * energy + 1e-30);
        if (match > best)
            best = match, bestAt = at;
        if (best > matchFloor && at - bestAt > matchesApart * rate) {
            print(bestAt, best);
            best = 0;
        }
        energy += sound[at + head.size()] * sound[at + head.size()] - sound[at] * sound[at];
    }
    if (best > matchFloor)
        print(bestAt, best);
    for (; pause < pauses.size(); ++pause)
        std::printf("%.3f silence\n", pauses[pause] / rate);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool loop = argc == 4 && std::strcmp(argv[2], "--loop") == 0;
    const Criterion* named = nullptr;
    for (const Criterion& criterion : criteria)
        if (argc == 3 && std::strcmp(argv[2], criterion.name) == 0)
            named = &criterion;
    if ((argc < 5 || argc > 7) && !loop && !named) {
        std::fprintf(stderr,
                     "usage: %s RECORDING (HZ Q FLOOR_DB [MIN_SECONDS [MAX_SECONDS]] | NAME | "
                     "--loop LOOP)\n",
                     argv[0]);
        return 2;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(argv[1], SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "%s: %s\n", argv[1], sf_strerror(nullptr));
        return 1;
    }
    if (loop) {
        const int status = printLoopStarts(file, info, argv[3]);
        sf_close(file);
        return status;
    }
    const auto argument = [&](int n) { return argc > n ? std::atof(argv[n]) : 0.0; };
    const Criterion criterion = named ? *named : Criterion{"",          argument(2), argument(3),
                                                           argument(4), argument(5), argument(6)};
    const double hz = criterion.hz, q = criterion.q, floorDb = criterion.floorDb;
    const int minFrames = static_cast<int>(criterion.minSeconds / frameSeconds);
    const int maxFrames = static_cast<int>(criterion.maxSeconds / frameSeconds);
    // Two sections in a row: a steeper low-pass, or a narrower band; a pair for each side.
    const Biquad filter = makeFilter(hz, q, info.samplerate);
    Biquad filters[2][2] = {{filter, filter}, {filter, filter}};
    const int frameLength = static_cast<int>(frameSeconds * info.samplerate);
    std::vector<float> frame(static_cast<std::size_t>(frameLength) * info.channels);
    std::vector<double> levels, powers[2];
    while (sf_readf_float(file, frame.data(), frameLength) == frameLength) {
        double mix = 0, power[2] = {};
        for (int i = 0; i < frameLength; ++i) {
            // The first and the last channel, one and the same in mono; the mix is their mean.
            const float* sample = &frame[static_cast<std::size_t>(i) * info.channels];
            double y[2] = {sample[0], sample[info.channels - 1]};
            for (int c = 0; c < 2; ++c) {
                y[c] = filters[c][1].process(filters[c][0].process(y[c]));
                power[c] += y[c] * y[c];
            }
            mix += (y[0] + y[1]) * (y[0] + y[1]) / 4;
        }
        levels.push_back(10 * std::log10(mix / frameLength + 1e-20));
        powers[0].push_back(power[0] + 1e-20);
        powers[1].push_back(power[1] + 1e-20);
    }
    sf_close(file);
    const int frames = static_cast<int>(levels.size());
    int lastOnset = -quietFrames;
    for (int n = riseFrames; n < frames; ++n) {
        if (levels[n] < floorDb || levels[n] - levels[n - riseFrames] < riseDb ||
            n - lastOnset < quietFrames)
            continue;
        lastOnset = n;
        int end = n, quiet = 0;
        while (end < frames && quiet < quietFrames)
            quiet = levels[end++] < floorDb ? quiet + 1 : 0;
        if (end - quiet - n < minFrames)
            continue;
        if (maxFrames > 0 && end - quiet - n > maxFrames) {
            n = end; // what starts within a sound too long is part of it
            continue;
        }
        double side[2] = {};
        for (int c = 0; c < 2; ++c)
            for (int k = n; k < std::min(n + sideFrames, frames); ++k)
                side[c] += powers[c][k];
        std::printf("%.2f %.1f %.1f\n", n * frameSeconds, levels[n],
                    10 * std::log10(side[0] / side[1]));
        if (minFrames > 0)
            n = end;
    }
    return 0;
}
