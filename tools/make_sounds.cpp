// Writes the game's sound effects under the given folder (Data/sounds by default): 16-bit
// PCM WAV, mono, 44.1 kHz.
#include "tools/sounds/effects.h"

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct SoundFile {
    const char* name;
    Samples (*make)();
};

constexpr SoundFile soundFiles[] = {
    {"punch_swish.wav", makePunchSwish},       {"punch_thud.wav", makePunchThud},
    {"ball_slap.wav", makeBallSlap},           {"bell.wav", makeBell},
    {"knockout_bells.wav", makeKnockOutBells}, {"crowd_murmur.wav", makeCrowdMurmur},
    {"crowd_cheer.wav", makeCrowdCheer},       {"menu_tick.wav", makeMenuTick},
    {"menu_confirm.wav", makeMenuConfirm},     {"opponent_blow.wav", makeOpponentBlow},
    {"guard_block.wav", makeGuardBlock},       {"referee_count.wav", makeRefereeCount},
    {"crowd_roar.wav", makeCrowdRoar},
};

bool writeWav(const std::string& path, const Samples& samples) {
    std::vector<short> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double clipped = std::fmax(-1.0, std::fmin(1.0, samples[i]));
        pcm[i] = static_cast<short>(std::lround(clipped * 32767.0));
    }
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t written =
        sf_writef_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    return sf_close(file) == 0 && written == static_cast<sf_count_t>(pcm.size());
}

} // namespace

int main(int argc, char** argv) {
    const std::string outputDir = argc > 1 ? argv[1] : "Data/sounds";
    for (const SoundFile& file : soundFiles) {
        const std::string path = outputDir + "/" + file.name;
        if (!writeWav(path, file.make())) {
            std::fprintf(stderr, "Cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
            return 1;
        }
    }
    return 0;
}
