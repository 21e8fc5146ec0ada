#include "sound/sound.h"

#include "platform/platform.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <sndfile.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// In the order of Sound.
constexpr SoundFile soundFiles[soundCount] = {
    {"Data/sounds/punch_swish.wav", 0.6f},    {"Data/sounds/punch_thud.wav", 1.0f},
    {"Data/sounds/ball_slap.wav", 0.9f},      {"Data/sounds/bell.wav", 0.8f},
    {"Data/sounds/knockout_bells.wav", 0.8f}, {"Data/sounds/crowd_cheer.wav", 0.7f},
    {"Data/sounds/crowd_murmur.wav", 0.5f},   {"Data/sounds/menu_tick.wav", 0.6f},
    {"Data/sounds/menu_confirm.wav", 0.6f},   {"Data/sounds/opponent_blow.wav", 1.0f},
    {"Data/sounds/guard_block.wav", 0.9f},    {"Data/sounds/referee_count.wav", 0.8f},
    {"Data/sounds/crowd_roar.wav", 0.8f},
};

// Enough for both gloves, a thud, the bells, the cheer and a menu sound at once.
constexpr int voiceCount = 8;
// A little to either side of straight ahead, one unit away; distance changes no loudness.
constexpr float sideX = 0.4f;

// Quitting waits no longer than this for a device that does not answer.
constexpr auto longestWaitOnExit = std::chrono::seconds(1);

// Written by the starting thread only, read by the game once `started` is set.
std::thread starter;
std::future<void> starterDone;
std::atomic<bool> started{false};
ALCdevice* device = nullptr;
ALCcontext* context = nullptr;
ALuint buffers[soundCount] = {};
ALuint voices[voiceCount] = {};
unsigned voiceStarts[voiceCount] = {}; // when each voice was last started, in plays
unsigned playsStarted = 0;
ALuint murmurSource = 0;

// The murmur's state is set by the game at any time and acted on by whichever thread comes
// last: the game, or the starting thread once it is done.
std::mutex murmurLock;
bool murmurWanted = false; // a fight in the cup hall is on
bool murmurHeld = false;   // the window is hidden
float listenerGain = 1.0f; // set before the start, then by the game's thread only

int requestCounts[soundCount] = {};

int indexOf(Sound sound) {
    return static_cast<int>(sound);
}

// Reads one file into a new buffer; returns 0 and says why in `problem` when it cannot.
ALuint loadBuffer(const char* path, std::string& problem) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file) {
        problem = sf_strerror(nullptr);
        return 0;
    }
    std::vector<short> samples;
    if (info.channels == 1 || info.channels == 2) {
        samples.resize(static_cast<std::size_t>(info.frames) * info.channels);
        if (sf_readf_short(file, samples.data(), info.frames) != info.frames)
            problem = "cut short";
    } else {
        problem = "neither mono nor stereo";
    }
    sf_close(file);
    if (!problem.empty())
        return 0;
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, info.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, samples.data(),
                 static_cast<ALsizei>(samples.size() * sizeof(short)), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        problem = "refused by OpenAL";
        return 0;
    }
    return buffer;
}

// Files that fail alike are named together, their problem said once after them.
void loadBuffers() {
    std::string missing, problemOfGroup;
    for (int i = 0; i < soundCount; ++i) {
        std::string problem;
        buffers[i] = loadBuffer(soundFiles[i].path, problem);
        if (buffers[i])
            continue;
        if (!missing.empty())
            missing += problem == problemOfGroup ? ", " : " (" + problemOfGroup + "), ";
        missing += soundFiles[i].path;
        problemOfGroup = problem;
    }
    if (!missing.empty())
        std::fprintf(stderr, "ruko: no sound: %s (%s)\n", missing.c_str(), problemOfGroup.c_str());
}

// A device that never answers is left behind: OpenAL Soft's own clean-up at exit would free
// what its thread still uses, so the process ends here, with its status, destroying nothing.
void closeSound(int exitStatus) {
    if (starterDone.wait_for(longestWaitOnExit) != std::future_status::ready) {
        std::fflush(nullptr);
        std::_Exit(exitStatus);
    }
    starter.join();
    if (!context)
        return;
    alSourceStopv(voiceCount, voices);
    alSourceStop(murmurSource);
    alDeleteSources(voiceCount, voices);
    alDeleteSources(1, &murmurSource);
    for (ALuint& buffer : buffers)
        if (buffer)
            alDeleteBuffers(1, &buffer);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
    context = nullptr;
}

// Whether sound is there to play: started, with a device.
bool playing() {
    return started.load(std::memory_order_acquire) && context;
}

bool isBusy(ALuint source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING || state == AL_PAUSED;
}

// A free voice, or the one started longest ago.
int pickVoice() {
    int oldest = 0;
    for (int i = 0; i < voiceCount; ++i) {
        if (!isBusy(voices[i]))
            return i;
        if (voiceStarts[i] < voiceStarts[oldest])
            oldest = i;
    }
    return oldest;
}

void aimSource(ALuint source, SoundSide side) {
    const float x = side == SoundSide::left ? -sideX : side == SoundSide::right ? sideX : 0.0f;
    alSource3f(source, AL_POSITION, x, 0.0f, -1.0f);
}

bool openDevice() {
    device = alcOpenDevice(nullptr);
    if (!device) {
        std::fprintf(stderr, "ruko: no sound: no audio device could be opened\n");
        return false;
    }
    context = alcCreateContext(device, nullptr);
    if (!context || !alcMakeContextCurrent(context)) {
        std::fprintf(stderr, "ruko: no sound: the audio device refused a context\n");
        if (context)
            alcDestroyContext(context);
        alcCloseDevice(device);
        context = nullptr;
        return false;
    }
    return true;
}

void makeSourcesAndBuffers() {
    alDistanceModel(AL_NONE);
    alListenerf(AL_GAIN, listenerGain);
    alGenSources(voiceCount, voices);
    alGenSources(1, &murmurSource);
    for (ALuint voice : voices)
        alSourcei(voice, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcei(murmurSource, AL_SOURCE_RELATIVE, AL_TRUE);
    aimSource(murmurSource, SoundSide::centre);
    loadBuffers();
    const int murmur = indexOf(Sound::crowdMurmur);
    if (buffers[murmur]) {
        alSourcei(murmurSource, AL_BUFFER, static_cast<ALint>(buffers[murmur]));
        alSourcei(murmurSource, AL_LOOPING, AL_TRUE);
        alSourcef(murmurSource, AL_GAIN, soundFiles[murmur].gain);
    }
}

// Brings the loop to the state asked for, murmurLock held. Playing a source that plays
// already would start it over: the loop only starts or resumes when it is not playing.
void updateMurmur() {
    if (!playing() || !buffers[indexOf(Sound::crowdMurmur)])
        return;
    ALint state = AL_STOPPED;
    alGetSourcei(murmurSource, AL_SOURCE_STATE, &state);
    if (!murmurWanted)
        alSourceStop(murmurSource);
    else if (murmurHeld && state == AL_PLAYING)
        alSourcePause(murmurSource);
    else if (!murmurHeld && state != AL_PLAYING)
        alSourcePlay(murmurSource);
}

} // namespace

// Opening a device and making its context take several milliseconds: a thread of their own
// keeps them from delaying the first frame. Sounds asked for before it is done are not played,
// but the crowd's murmur asked for then starts as soon as it is.
void startSound() {
    if (starter.joinable())
        return;
    quietAudioLibraries();
    std::promise<void> done;
    starterDone = done.get_future();
    starter = std::thread([done = std::move(done)]() mutable {
        if (openDevice())
            makeSourcesAndBuffers();
        {
            const std::lock_guard<std::mutex> lock(murmurLock);
            started.store(true, std::memory_order_release);
            updateMurmur(); // a fight may have asked for it meanwhile
        }
        done.set_value();
    });
    // The wave writer of OpenAL Soft completes its file only when the device is closed.
    atExitWithStatus(closeSound);
}

void setSoundVolume(int percent) {
    listenerGain = static_cast<float>(percent) / 100.0f;
    if (playing())
        alListenerf(AL_GAIN, listenerGain);
}

void playSound(Sound sound, SoundSide side) {
    ++requestCounts[indexOf(sound)];
    if (!playing())
        return; // the buffers are the starting thread's until then
    const ALuint buffer = buffers[indexOf(sound)];
    if (!buffer)
        return;
    const int voice = pickVoice();
    const ALuint source = voices[voice];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcef(source, AL_GAIN, soundFiles[indexOf(sound)].gain);
    aimSource(source, side);
    alSourcePlay(source);
    voiceStarts[voice] = ++playsStarted;
}

void startCrowdMurmur() {
    ++requestCounts[indexOf(Sound::crowdMurmur)];
    const std::lock_guard<std::mutex> lock(murmurLock);
    murmurWanted = true;
    updateMurmur();
}

void stopCrowdMurmur() {
    const std::lock_guard<std::mutex> lock(murmurLock);
    murmurWanted = false;
    updateMurmur();
}

void pauseCrowdMurmur() {
    const std::lock_guard<std::mutex> lock(murmurLock);
    murmurHeld = true;
    updateMurmur();
}

void resumeCrowdMurmur() {
    const std::lock_guard<std::mutex> lock(murmurLock);
    murmurHeld = false;
    updateMurmur();
}

const SoundFile& soundFileOf(Sound sound) {
    return soundFiles[indexOf(sound)];
}

int soundRequests(Sound sound) {
    return requestCounts[indexOf(sound)];
}
