#pragma once

// Every word the game draws or shows in its right-button menu, in each language: one table,
// one column a language. The lines it prints on standard output stay in French, as scripts
// read them.

enum class Language { fr, en };
inline constexpr int languageCount = 2;
// As the settings file names them, in the order of Language.
inline constexpr const char* languageNames[languageCount] = {"fr", "en"};

enum class Word {
    modeHeading,
    fightEntry,
    trainingEntry,
    opponentHeading,
    radovEze,
    radovEzeBlack,
    didaVud,
    decorHeading,
    friendlyDecor,
    cupDecor,
    trainingHeading,
    punchBag,
    punchingBall,
    credit,
    pressEnter,
    pressEscape,
    knockOut,
    points,
    percentage,
    percentUnit, // after the percentage's number
    excellent,
    average,
    poor,
    demo,
    replay,
    whiteLightEntry,
    fullScreenEntry,
    wireframeEntry,
    filledEntry,
    quitEntry,
    challengeMark,
    recordWins,
    recordLosses,
    recordDraws,
    recordFastest,
    stamina,
    roundWord, // before the round's number
    restHeading,
    levelEasy, // the challenge's levels, in ChallengeLevel's order
    levelNormal,
    levelHard,
    pointsLanded,
    blowsTaken,
    nextRound,
    decision,
    playerWins,
    opponentWins,
    drawResult,
    cards,
    // The challenge's lessons, each "%s" a key's name (the same order in both languages).
    guardHelp,
    straightHelp,
    hookHelp,
    uppercutHelp,
    getUpHelp,
    counterHelp,
    upKey, // the arrows' names in the lessons
    downKey,
    leftKey,
    rightKey,
    winsByKnockOut, // "%s" the winner
    thirdKnockdown,
    countedOut,
    playerWinsByKnockOut,
    paused,
    // The circuit: the mode menu's entry, the ladder, the champion's screen and the title's mark.
    circuitEntry,
    circuitHeading,
    circuitBeaten,
    circuitNext,
    circuitTitleFight,
    circuitFightPrompt,
    circuitNewClimb,
    championHeading,
    circuitTime,
    circuitFights,
    circuitBestTime,
    championMark,
    count,
};
inline constexpr int wordCount = static_cast<int>(Word::count);

// The word in the language of the settings in effect, and in a given one.
const char* word(Word which);
const char* word(Word which, Language language);
