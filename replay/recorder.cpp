#include "replay/recorder.h"

#include "app/idle_pacing.h"
#include "platform/platform.h"
#include "replay/game_state.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr long long checkpointSteps = 60;
constexpr int otherNames = 9; // last-2.replay to last-9.replay for games started meanwhile

std::FILE* recording = nullptr;
std::size_t bytesWritten = 0;
long long firstStep = 0; // the recording counts its steps from its start
long long lastCheckpoint = 0;
bool quitHandlerSet = false; // once, however many recordings are started
bool challengeInEffect = false;
std::uint32_t challengeState = 0;
int challengeLevelWritten = normalDifficulty;

long long recordingStep() {
    return stepsRun() - firstStep;
}

// A recording longer than a reader takes ends where it would become one.
void writeLine(const std::string& line) {
    if (!recording)
        return;
    if (recordingStep() > replayLongestSteps ||
        bytesWritten + line.size() + 1 > replayLargestBytes) {
        std::fclose(recording);
        recording = nullptr;
        std::fprintf(stderr, "ruko: the recording stops here: a recording holds at most 24 hours "
                             "of play and 16 MiB\n");
        return;
    }
    std::fputs(line.c_str(), recording);
    std::fputc('\n', recording);
    std::fflush(recording);
    bytesWritten += line.size() + 1;
}

void recordQuit() {
    writeLine(quitLine(recordingStep()));
}

// "last.replay" as "last-2.replay".
std::string otherName(const std::string& path, int number) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of("/\\");
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string suffix = "-" + std::to_string(number);
    return extension ? path.substr(0, dot) + suffix + path.substr(dot) : path + suffix;
}

// The file at `path`, or the first free one beside it when another game records there.
std::FILE* openRecording(const std::string& path, std::string& opened, bool& taken) {
    opened = path;
    std::FILE* file = openOwnFile(path, taken);
    for (int number = 2; !file && taken && number <= otherNames; ++number) {
        opened = otherName(path, number);
        file = openOwnFile(opened, taken);
    }
    if (file && opened != path)
        std::fprintf(stderr, "ruko: another game is recording %s; this one records into %s\n",
                     path.c_str(), opened.c_str());
    return file;
}

} // namespace

void startRecording(const std::string& path) {
    if (recording)
        std::fclose(recording);
    recording = nullptr;
    if (path.empty()) {
        std::fprintf(stderr, "ruko: playing unrecorded: no folder for last.replay\n");
        return;
    }
    std::string opened;
    bool taken = false;
    recording = openRecording(path, opened, taken);
    if (!recording) {
        std::fprintf(stderr, "ruko: playing unrecorded: cannot write %s: %s\n", opened.c_str(),
                     taken ? "other games are recording there" : std::strerror(errno));
        return;
    }
    bytesWritten = 0;
    firstStep = stepsRun();
    lastCheckpoint = 0;
    writeLine(replayHeader());
    recordKeys(keysInEffect());
    if (challengeInEffect)
        writeLine(
            challengeLine(0, true, challengeState, challengeRulesVersion, challengeLevelWritten));
    if (!quitHandlerSet)
        quitHandlerSet = std::atexit(recordQuit) == 0;
}

void recordKeys(const ActionKeys& keys) {
    writeLine(keysLine(recordingStep(), keys));
}

void startingChallenge(bool on, std::uint32_t state, int level) {
    challengeInEffect = on;
    challengeState = state;
    challengeLevelWritten = level;
}

void recordChallenge(bool on, std::uint32_t state, int level) {
    startingChallenge(on, state, level);
    writeLine(challengeLine(recordingStep(), on, state, challengeRulesVersion, level));
}

void recordCircuit(const CircuitProgress& progress) {
    writeLine(circuitLine(recordingStep(), progress));
}

void recordInput(const InputEvent& event) {
    writeLine(inputLine(recordingStep(), event));
}

void recordCheckpoint() {
    const long long step = recordingStep();
    if (!recording || step == 0 || step % checkpointSteps != 0 || step == lastCheckpoint)
        return;
    lastCheckpoint = step;
    writeLine(checkLine(step, stateCheckpoint()));
}
