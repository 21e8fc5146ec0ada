#include "app/screen.h"
#include "game/challenge_hud.h"
#include "game/challenge_view.h"
#include "game/knockout.h"
#include "input/pads.h"
#include "sound/sound.h"
#include "tests/support/challenge_fight.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/virtual_sdl_pad.h"

#include <GL/glut.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// What the player sees and hears at each of the challenge's events.

namespace {

constexpr float staminaColour[3] = {0.1f, 0.8f, 0.1f};

// The width of the stamina bar's fill as drawn, in window pixels, from feedback mode.
float staminaFillWidth() {
    float left = 1e9f, right = -1e9f;
    for (const FeedbackItem& item : polygonsOf(captureFeedback(challengeFightDisplay)))
        for (const FeedbackVertex& v : item.vertices)
            if (std::fabs(v.r - staminaColour[0]) + std::fabs(v.g - staminaColour[1]) +
                    std::fabs(v.b - staminaColour[2]) <
                1e-3f) {
                left = std::min(left, v.x);
                right = std::max(right, v.x);
            }
    return right > left ? right - left : 0.0f;
}

std::vector<Uint16> padRumbles; // the low motor's strength of each rumble

int SDLCALL onRumble(void*, Uint16 low, Uint16) {
    if (low)
        padRumbles.push_back(low);
    return 0;
}

} // namespace

TEST_F(Challenge, BlowsShrinkTheBarFlashJoltThudAndTheRoundsRingTheirBells) {
    // The first bell is the screen's own: rung once, not twice.
    const int bells = soundRequests(Sound::bell);
    fightIdle();
    EXPECT_EQ(soundRequests(Sound::bell), bells);

    float lastWidth = staminaFillWidth();
    EXPECT_NEAR(lastWidth, 210.0f, 1.0f);
    // Twice the size, twice the bar, as every text.
    glViewport(0, 0, 1280, 960);
    EXPECT_NEAR(staminaFillWidth(), 420.0f, 2.0f);
    resetGlState();
    int blows = 0;
    // Standing still in reach, the player takes every blow until the first knockdown.
    while (tickToBlowArrival()) {
        const float before = staminaFillWidth();
        const int taken = challenge.totalBlowsTaken;
        const int thuds = soundRequests(Sound::opponentBlow);
        fightIdle();
        ++blows;
        ASSERT_EQ(challenge.totalBlowsTaken, taken + 1) << "blow " << blows;
        EXPECT_EQ(soundRequests(Sound::opponentBlow), thuds + 1) << "one thud per blow";
        EXPECT_GT(challenge.hitFlashSteps, 0);
        EXPECT_GT(challenge.hitJoltSteps, 0);
        if (currentChallengePhase() != ChallengePhase::fighting)
            break;
        const float width = staminaFillWidth();
        EXPECT_LT(width, before) << "the bar shrinks with the stamina";
        EXPECT_NEAR(width, 2.1f * challenge.playerStamina, 1.0f);
        // The flash reddens the middle of the view, and fades with its steps.
        challengeFightDisplay();
        const auto flashed = readPixel(320, 300);
        EXPECT_GT(flashed[0], flashed[1] + 60) << "blow " << blows;
        tickUntil([] { return challenge.hitFlashSteps == 0; });
        challengeFightDisplay();
        EXPECT_LT(readPixel(320, 300)[0], flashed[0]) << "the flash fades";
    }
    EXPECT_GT(blows, 3);
    EXPECT_EQ(currentChallengePhase(), ChallengePhase::playerDown);
}

TEST_F(Challenge, TheCountShowsOneToTenAndThePlayerKnockOutIsItsOwnViewInBothLanguages) {
    tickUntil([] { return currentChallengePhase() == ChallengePhase::playerDown; });
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::playerDown);
    const int roars = soundRequests(Sound::crowdRoar);
    const int counts = soundRequests(Sound::refereeCount);
    std::string seen;
    int lastNumber = 0;
    std::string line;
    // Down for good: no key, the count runs out and the player's knock-out follows.
    while (currentChallengePhase() == ChallengePhase::playerDown) {
        line += stdoutOf([] { fightIdle(); });
        if (challenge.countNumber != lastNumber && challenge.countNumber < 10) {
            lastNumber = challenge.countNumber;
            const std::string drawn = textIn(challengeFightDisplay, hudRed);
            seen += drawn + ",";
            EXPECT_TRUE(contains(textIn(challengeFightDisplay, hudBlue), "DEBOUT"));
        }
    }
    EXPECT_EQ(seen, "1,2,3,4,5,6,7,8,9,") << "the count's numbers in order";
    EXPECT_EQ(soundRequests(Sound::refereeCount) - counts, 10);
    EXPECT_EQ(soundRequests(Sound::crowdRoar), roars) << "the roar came with the knockdown";
    EXPECT_EQ(viewDownFraction(), 0.0f);
    ASSERT_TRUE(challengeOver());
    char expected[128];
    const int seconds = challengeOutcome().steps / 60;
    std::snprintf(expected, sizeof expected,
                  "D\xE9"
                  "faite contre Radov Eze par KO \xE0 la reprise 1 apr\xE8s %d:%02d\n",
                  seconds / 60, seconds % 60);
    EXPECT_EQ(line, expected);
    EXPECT_EQ(screenSpecial(), nullptr) << "the arrows do nothing at the end";

    const std::string french = textIn(playerKnockOutDisplay, hudRed);
    EXPECT_EQ(french, "KO");
    EXPECT_TRUE(contains(textIn(playerKnockOutDisplay, hudBlue), "APPUYER SUR ECHAP"));
    settingsInEffect.language = Language::en;
    EXPECT_TRUE(contains(textIn(playerKnockOutDisplay, hudBlue), "PRESS ESCAPE"));
    EXPECT_TRUE(contains(textIn(challengeEndDisplay, hudRed), "KO"));
    EXPECT_TRUE(contains(textIn(playerKnockOutDisplay, hudWhite), "COUNTED OUT: KNOCKED OUT"));

    // Hidden and shown again, the end stays; nothing more is announced; Escape leaves.
    onMenuVisibility(GLUT_NOT_VISIBLE);
    onMenuVisibility(GLUT_VISIBLE);
    EXPECT_EQ(stdoutOf([] { fightIdle(); }), "");
    EXPECT_EQ(stdoutOf([] { fightKeyboard(27, 0, 0); }), "") << "over, no forfeit";
    EXPECT_STRNE(screenName(), "fight");
}

TEST_F(Challenge, ABlowOnTheGuardKnocksAndJoltsLessWithoutAFlash) {
    // A blow that lands on the idle player, to measure the guarded ones against.
    ASSERT_TRUE(tickToBlowArrival());
    int stamina = challenge.playerStamina;
    fightIdle();
    const int landedLoss = stamina - challenge.playerStamina;
    const int landedJolt = challenge.hitJoltSteps;
    ASSERT_GT(landedLoss, 0);
    // Then the guard, raised as each blow is thrown, takes the next ones.
    for (int blow = 0; blow < 3; ++blow) {
        tickUntil(
            [] { return static_cast<AttackState>(challenge.attackState) == AttackState::blow; });
        challengeGuardPressed();
        ASSERT_TRUE(challengePlayerGuarding()) << blow;
        ASSERT_TRUE(tickToBlowArrival()) << blow;
        stamina = challenge.playerStamina;
        const int guarded = challenge.roundBlowsGuarded;
        const int knocks = soundRequests(Sound::guardBlock);
        const int thuds = soundRequests(Sound::opponentBlow);
        fightIdle();
        ASSERT_EQ(challenge.roundBlowsGuarded, guarded + 1) << blow;
        EXPECT_GT(stamina - challenge.playerStamina, 0) << blow;
        EXPECT_LT(stamina - challenge.playerStamina, landedLoss) << "less through the guard";
        EXPECT_EQ(challenge.hitFlashSteps, 0) << blow;
        EXPECT_GT(challenge.hitJoltSteps, 0) << blow;
        EXPECT_LT(challenge.hitJoltSteps, landedJolt) << "a smaller jolt than a blow's";
        EXPECT_EQ(soundRequests(Sound::guardBlock), knocks + 1) << "the knock of the guard";
        EXPECT_EQ(soundRequests(Sound::opponentBlow), thuds) << "no thud";
    }

    // Escape in the middle of the fight leaves for the opponent menu (its forfeit: the e2e test).
    fightKeyboard(27, 0, 0);
    EXPECT_STRNE(screenName(), "fight");
}

TEST_F(Challenge, AlternatePressesGetThePlayerUpAndTheViewRisesBack) {
    tickUntil([] { return currentChallengePhase() == ChallengePhase::playerDown; });
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::playerDown);
    const int roarsAtDown = soundRequests(Sound::crowdRoar);
    tickUntil([] { return viewDownFraction() == 1.0f; }, 100);
    EXPECT_EQ(viewDownFraction(), 1.0f) << "sunk to the canvas";
    EXPECT_EQ(roarsAtDown, soundRequests(Sound::crowdRoar));
    // The fight's own keys get the player up: left and right in turn, six steps apart.
    for (int press = 0; press < 40; ++press) {
        fightKeyboard(press % 2 == 0 ? 'w' : 'x', 0, 0);
        if (currentChallengePhase() != ChallengePhase::playerDown)
            break;
        for (int s = 0; s < 6; ++s)
            fightIdle();
    }
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::fighting);
    // Up with part of its stamina back (the rules' own test holds how much), as the bar shows.
    EXPECT_GT(challenge.playerStamina, 0);
    EXPECT_LT(challenge.playerStamina, fullStamina);
    EXPECT_NEAR(staminaFillWidth(), 2.1f * challenge.playerStamina, 1.0f);
    for (int s = 0; s < 6; ++s)
        fightIdle();
    const float rising = viewDownFraction();
    EXPECT_GT(rising, 0.0f);
    EXPECT_LT(rising, 1.0f);
    for (int s = 0; s < 30; ++s)
        fightIdle();
    EXPECT_EQ(viewDownFraction(), 0.0f) << "up again, the view is back at the eye";
}

// An idle player kept up (its stamina full at every step) through three rounds and the cards:
// the opponent's blows win it each round.
TEST_F(Challenge, RestsShowTheRoundAndADecisionEndsTheFight) {
    const auto keptUp = [] {
        challenge.playerStamina = fullStamina;
        fightIdle();
    };
    const int bells = soundRequests(Sound::bell);
    while (currentChallengePhase() == ChallengePhase::fighting)
        keptUp();
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::rest);
    EXPECT_EQ(soundRequests(Sound::bell), bells + 1) << "the round's end";
    ASSERT_GT(challenge.roundBlowsTaken, 0);
    const std::string restWhite = textIn(challengeFightDisplay, hudWhite);
    EXPECT_TRUE(contains(restWhite, "REPOS  0:05")) << restWhite;
    EXPECT_TRUE(contains(restWhite, "COUPS PORTES 0")) << restWhite;
    EXPECT_TRUE(
        contains(restWhite, ("COUPS RECUS " + std::to_string(challenge.roundBlowsTaken)).c_str()))
        << restWhite;
    const std::string rest = textIn(challengeFightDisplay, hudYellow);
    EXPECT_TRUE(contains(rest, "REPOS")) << rest;
    EXPECT_TRUE(contains(rest, "PROCHAINE REPRISE 2")) << rest;
    tickUntil([] { return currentChallengePhase() == ChallengePhase::fighting; });
    EXPECT_EQ(soundRequests(Sound::bell), bells + 2) << "the next round's start";
    EXPECT_TRUE(contains(textIn(challengeFightDisplay, hudWhite), "REPRISE 2  1:30"));

    std::string line;
    while (!challengeOver())
        line += stdoutOf(keptUp);
    EXPECT_EQ(soundRequests(Sound::bell), bells + 5);
    EXPECT_EQ(line, "D\xE9"
                    "faite contre Radov Eze aux points \xE0 la reprise 3 apr\xE8s 4:40\n");
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudYellow), "DECISION"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudYellow), "JUGES 27 - 30"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudWhite), "DEFAITE"));
    settingsInEffect.language = Language::en;
    EXPECT_TRUE(contains(textIn(challengeEndDisplay, hudWhite), "YOU LOSE"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudYellow), "CARDS 27 - 30"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudBlue), "PRESS ESCAPE"));
}

// SDL's virtual pad: a landed blow shakes it as a point does, a knockdown as a knock-out does.
TEST_F(Challenge, BlowsAndKnockdownsShakeThePad) {
    startPads();
    const int index = attachVirtualPad(onRumble);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    pollPads(); // the game opens the pad it sees plugged in
    padRumbles.clear();
    int blows = 0;
    while (tickToBlowArrival()) {
        fightIdle();
        ++blows;
        // SDL takes the same rumble again only once the last one is over, as between blows.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        pollPads();
    }
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::playerDown);
    ASSERT_EQ(static_cast<int>(padRumbles.size()), blows + 1);
    EXPECT_EQ(padRumbles.front(), 0x5000) << "a blow, as a point";
    EXPECT_GT(padRumbles.back(), padRumbles.front()) << "the knockdown, as a knock-out";
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    pollPads();
}

TEST_F(Challenge, TheOpponentsKnockOutIsTheFightsOwnAndAnnounced) {
    fightPoints = knockOutPoints + 1;
    const std::string line = stdoutOf([] { fightIdle(); });
    EXPECT_EQ(line, "Victoire contre Radov Eze par KO \xE0 la reprise 1 apr\xE8s 0:00\n");
    EXPECT_EQ(screenIdle(), koIdle);
    EXPECT_EQ(challengeOutcome().winner, ChallengeWinner::player);
    // Its view says who won, in words; without the challenge it shows only its "KO".
    const std::pair<Language, const char*> said[] = {{Language::fr, "KOVICTOIRE PAR KO"},
                                                     {Language::en, "KOYOU WIN BY KNOCK-OUT"}};
    for (const auto& [language, words] : said) {
        settingsInEffect.language = language;
        EXPECT_EQ(textIn(koDisplay, hudYellow), words);
        challengeOn = 0;
        EXPECT_EQ(textIn(koDisplay, hudYellow), "KO");
        challengeOn = 1;
    }
}

// The fight's first seconds teach the player's own keys (in yellow), and the way up while down;
// a third knockdown's view says who won and why. In both languages.
TEST_F(Challenge, TheViewsTeachThePlayersKeysAndSayWhyTheFightEnds) {
    ActionKeys mine = keys;
    mine[static_cast<int>(Action::leftPunch)] = 'q';
    mine[static_cast<int>(Action::stepBack)] = specialKey(GLUT_KEY_PAGE_DOWN);
    setKeysInEffect(mine);
    // Per language: the lessons' words, their keys, the way up, the winner and the reason.
    const char* seen[][5] = {{"CROCHET : SE BAISSER UPPERCUT : RECULER DEBOUT :  ET  TOUR A TOUR",
                              "clmGAUCHEDROITEkPAGE DOWNqxqx", "DEBOUT : q ET x TOUR A TOUR",
                              "VICTOIRE DE RADOV EZE PAR KO", "3 CHUTES : KO"},
                             {"HOOK: DUCK UPPERCUT: STEP BACK GET UP:  AND  IN TURN",
                              "clmLEFTRIGHTkPAGE DOWNqxqx", "GET UP: q AND x IN TURN",
                              "RADOV EZE WINS BY KNOCK-OUT", "THIRD KNOCKDOWN: KNOCKED OUT"}};
    const auto expectSeen = [&](int from, int to, void (*display)()) {
        const float* colours[] = {hudWhite, hudYellow, hudBlue, hudYellow, hudWhite};
        for (const Language language : {Language::fr, Language::en})
            for (int which = from; which < to; ++which) {
                settingsInEffect.language = language;
                const std::string shown = textIn(display, colours[which]);
                EXPECT_TRUE(contains(shown, seen[static_cast<int>(language)][which])) << shown;
            }
    };
    expectSeen(0, 2, challengeFightDisplay);
    tickUntil([] { return false; }, 10 * 60);
    EXPECT_FALSE(contains(textIn(challengeFightDisplay, hudWhite), "UPPERCUT")) << "after 10 s";
    for (int down = 0; down < 3; ++down) {
        knockDown();
        if (down < 2)
            expectSeen(2, 3, challengeFightDisplay);
        getUp();
    }
    expectSeen(3, 5, playerKnockOutDisplay);
}

// An idle player loses every round on the cards the decision shows; a knockdown in the first
// (its stamina kept up otherwise) costs one point more. The round's clock, as the HUD prints
// it, stands still through the count and runs again after.
TEST_F(Challenge, AKnockdownCostsAPointOnTheCardsAndTheCountStopsTheClock) {
    const auto clock = [] { return textIn(challengeFightDisplay, hudWhite).substr(0, 15); };
    const auto margin = [&](bool down) {
        seedChallengeRandom(7);
        enterFightScreen(radovEze, friendlyDecor);
        if (down) {
            knockDown();
            const std::string atKnockdown = clock();
            tickUntil([] { return challenge.countNumber >= 3; });
            EXPECT_EQ(clock(), atKnockdown) << "three seconds counted";
            getUp();
            tickUntil([] { return false; }, 2 * 60);
            EXPECT_NE(clock(), atKnockdown) << "up again";
        }
        tickUntil([] {
            challenge.playerStamina = fullStamina;
            return challengeOver();
        });
        int player = 0, opponent = 0;
        std::sscanf(textIn(decisionDisplay, hudYellow).c_str(), "DECISIONJUGES %d - %d", &player,
                    &opponent);
        return opponent - player;
    };
    EXPECT_EQ(margin(true), margin(false) + 1);
}
