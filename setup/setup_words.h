#pragma once

#include "input/settings.h"
#include "text/words.h"

// The setup window's words, in each language, as text/words.h has the game's.

enum class SetupWord {
    heading,
    language,
    languageName, // the language's own name, whatever the window's
    fullScreen,
    yes,
    no,
    textSize,
    automatic,
    volume,
    pads,
    noPad,
    tryRumble,
    save,
    play,
    quit,
    pressKey,
    keyTaken,
    keyRefused,
    saved,
    notSaved,
    help,
    noPadToRumble,
    noRumble,
    tooLarge,
    notSavedPlaying,
    leaveQuestion,
    leaveWithoutSaving,
    stay,
    challenge,
    easy, // the challenge's levels, in order
    normal,
    hard,
    challengeHelp, // the status line while the challenge's row is chosen
    count,
};

const char* setupWord(SetupWord which, Language language);

// What an action does, as the setup lists it.
const char* actionWord(Action action, Language language);
