#include "input/recorder.h"

#include "app/idle_pacing.h"
#include "input/game_state.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr long long checkpointSteps = 60;

std::FILE* recording = nullptr;
long long firstStep = 0; // the recording counts its steps from its start
long long lastCheckpoint = 0;
bool quitHandlerSet = false; // once, however many recordings are started

void writeLine(const std::string& line) {
    std::fputs(line.c_str(), recording);
    std::fputc('\n', recording);
    std::fflush(recording);
}

void recordQuit() {
    ReplayEvent quit;
    quit.kind = ReplayEventKind::quit;
    recordInput(quit);
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
    recording = openFile(path, "wb");
    if (!recording) {
        std::fprintf(stderr, "ruko: playing unrecorded: cannot write %s: %s\n", path.c_str(),
                     std::strerror(errno));
        return;
    }
    firstStep = stepsRun();
    lastCheckpoint = 0;
    writeLine(replayHeader());
    recordKeysInEffect();
    if (!quitHandlerSet)
        quitHandlerSet = std::atexit(recordQuit) == 0;
}

void recordKeysInEffect() {
    ReplayEvent keys;
    keys.kind = ReplayEventKind::keys;
    keys.keys.assign(settingsInEffect.keys, settingsInEffect.keys + actionCount);
    recordInput(keys);
}

void recordInput(ReplayEvent event) {
    if (!recording)
        return;
    event.step = stepsRun() - firstStep;
    writeLine(formatReplayEvent(event));
}

void recordCheckpoint() {
    const long long step = stepsRun() - firstStep;
    if (!recording || step == 0 || step % checkpointSteps != 0 || step == lastCheckpoint)
        return;
    lastCheckpoint = step;
    ReplayEvent check;
    check.kind = ReplayEventKind::check;
    check.check = stateCheckpoint();
    recordInput(check);
}
