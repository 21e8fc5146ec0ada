// Every sound file of the game, at the gain it is played at, one after the other with silences
// between: the criteria of tests/support/sound_onsets (its named ones, and the bands the e2e
// tests use) each hear what they are meant to and nothing of the others.
#include "sound/sound.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int rate = 44100;
constexpr double gapSeconds = 0.5;

struct Placed {
    std::string name; // the file's, without its folder and .wav
    double start, end;
};

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/') + 1;
    return path.substr(slash, path.rfind('.') - slash);
}

// Writes the mix to `path` and says where each file went.
std::vector<Placed> writeEveryFile(const std::string& path) {
    std::vector<float> mix;
    std::vector<Placed> placed;
    for (int i = 0; i < soundCount; ++i) {
        const SoundFile& file = soundFileOf(static_cast<Sound>(i));
        SF_INFO info{};
        SNDFILE* in = sf_open(file.path, SFM_READ, &info);
        EXPECT_TRUE(in && info.channels == 1 && info.samplerate == rate) << file.path;
        if (!in)
            continue;
        std::vector<float> samples(static_cast<std::size_t>(info.frames));
        sf_readf_float(in, samples.data(), info.frames);
        sf_close(in);
        mix.resize(mix.size() + static_cast<std::size_t>(gapSeconds * rate), 0.0f);
        const double start = static_cast<double>(mix.size()) / rate;
        for (float sample : samples)
            mix.push_back(sample * file.gain);
        placed.push_back({nameOf(file.path), start, static_cast<double>(mix.size()) / rate});
    }
    mix.resize(mix.size() + static_cast<std::size_t>(gapSeconds * rate), 0.0f);
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_TRUE(out) << path;
    if (out) {
        sf_writef_float(out, mix.data(), static_cast<sf_count_t>(mix.size()));
        sf_close(out);
    }
    return placed;
}

// The files in which sound_onsets, given `criterion`, hears a sound start, one name per start.
std::multiset<std::string> filesHeard(const std::string& recording, const std::string& criterion,
                                      const std::vector<Placed>& placed) {
    std::multiset<std::string> heard;
    const std::string command = std::string(SOUND_ONSETS) + " " + recording + " " + criterion;
    FILE* output = popen(command.c_str(), "r");
    double at = 0, level = 0, side = 0;
    while (output && std::fscanf(output, "%lf %lf %lf", &at, &level, &side) == 3) {
        std::string where = "silence";
        for (const Placed& file : placed)
            if (at >= file.start - 0.02 && at < file.end)
                where = file.name;
        heard.insert(where);
    }
    EXPECT_TRUE(output && pclose(output) == 0) << command;
    return heard;
}

// The bands game_sounds.sh gives the e2e tests, by their variables' names.
std::map<std::string, std::string> e2eBands() {
    std::map<std::string, std::string> bands;
    std::ifstream driver("tests/e2e/game_sounds.sh");
    const std::regex line("^([A-Z]+)_BAND=\"([-0-9. ]+)\"$");
    std::smatch match;
    for (std::string text; std::getline(driver, text);)
        if (std::regex_match(text, match, line))
            bands[match[1]] = match[2];
    return bands;
}

class SoundBandsTest : public testing::Test {
  protected:
    void SetUp() override {
        char folder[] = "/tmp/ruko_bands_XXXXXX";
        ASSERT_TRUE(mkdtemp(folder));
        recording = std::string(folder) + "/every_sound.wav";
        placed = writeEveryFile(recording);
        ASSERT_EQ(placed.size(), static_cast<std::size_t>(soundCount));
    }
    void TearDown() override {
        unlink(recording.c_str());
        rmdir(recording.substr(0, recording.rfind('/')).c_str());
    }
    std::string recording;
    std::vector<Placed> placed;
};

// The challenge's sounds, and the player's thud apart from the opponent's blow.
const char* const namedCriteria[] = {"opponent_blow", "guard_block", "referee_count", "crowd_roar",
                                     "punch_thud"};

TEST_F(SoundBandsTest, EachNamedCriterionHearsItsOwnFileOnceAndNoOther) {
    for (const char* name : namedCriteria)
        EXPECT_EQ(filesHeard(recording, name, placed), std::multiset<std::string>{name}) << name;
}

// The e2e tests count the older sounds in recordings where the new ones will play too. Only
// the thud's band hears the blow, which is why the thud has a criterion of its own.
TEST_F(SoundBandsTest, TheE2eBandsHearNoneOfTheChallengesSounds) {
    const std::map<std::string, std::string> bands = e2eBands();
    ASSERT_GE(bands.size(), 6u) << "the bands of tests/e2e/game_sounds.sh were not found";
    for (const auto& [band, criterion] : bands) {
        const std::multiset<std::string> heard = filesHeard(recording, criterion, placed);
        for (const std::string name :
             {"opponent_blow", "guard_block", "referee_count", "crowd_roar"})
            EXPECT_EQ(heard.count(name), band == "THUD" && name == "opponent_blow" ? 1u : 0u)
                << band << " band, " << name;
        EXPECT_EQ(heard.count("silence"), 0u) << band << " band";
    }
}

} // namespace
