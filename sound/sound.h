#pragma once

// The game's sounds, mixed by OpenAL Soft from the WAV files under Data/sounds. Everything is
// made once, by startSound: buffers for the files and a few sources; playing a sound after
// that reads no file and allocates nothing. Without a device (or muted, when startSound is
// never called) the calls still count their requests and play nothing.

enum class Sound {
    punchSwish,    // a punch starts
    punchThud,     // a punch scores in the fight, or counts on the punch bag
    ballSlap,      // a punch counts on the punching ball
    bell,          // the fight starts, the training ends
    knockOutBells, // three strokes at the knock-out
    crowdCheer,    // with them
    crowdMurmur,   // under a fight in the cup hall, looping
    menuTick,      // a menu's selection moves
    menuConfirm,   // Enter goes on to the next screen
    opponentBlow,  // the opponent's glove lands on the player
    guardBlock,    // a blow taken on the gloves
    refereeCount,  // one count of a knock-down, once a second
    crowdRoar,     // the crowd at a knock-down
};
inline constexpr int soundCount = 13;

enum class SoundSide { centre, left, right }; // where the sound comes from

// Opens the default device and loads the files, on a thread of its own, so the first frame
// does not wait for them. A missing device or file is reported in one line on stderr; the
// game then plays on without it.
void startSound();

// The loudness of every sound, 0 (silent) to 100 (as made), by the listener's gain.
void setSoundVolume(int percent);

// Plays one sound through a free source, or the one started longest ago when all are busy.
void playSound(Sound sound, SoundSide side = SoundSide::centre);

// The crowd of the cup hall: from the fight's start until it is left.
void startCrowdMurmur();
void stopCrowdMurmur();

// While the window is hidden the game stands still, and so does the murmur.
void pauseCrowdMurmur();
void resumeCrowdMurmur();

// The file each sound is read from, relative to the working directory, and the gain it is
// played at.
struct SoundFile {
    const char* path;
    float gain;
};
const SoundFile& soundFileOf(Sound sound);

// How often each sound was asked for since the start, device or not.
int soundRequests(Sound sound);
