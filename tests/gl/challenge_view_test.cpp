#include "app/screen.h"
#include "app/startup.h"
#include "game/challenge_attack.h"
#include "game/challenge_hud.h"
#include "game/challenge_poses.h"
#include "game/challenge_random.h"
#include "game/challenge_rules.h"
#include "game/challenge_view.h"
#include "game/controls.h"
#include "game/fight_screen.h"
#include "game/gloves.h"
#include "game/knockout.h"
#include "game/state.h"
#include "input/pads.h"
#include "input/settings.h"
#include "models/opponents.h"
#include "sound/sound.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/virtual_sdl_pad.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

// A fight with the challenge on, driven step by step through the fight's own idle, actions and
// displays in the real window: what the player sees and hears at each of its events.

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

std::string textIn(void (*display)(), const float colour[3]) {
    return textInColour(display, colour[0], colour[1], colour[2]);
}

std::vector<Uint16> padRumbles; // the low motor's strength of each rumble

int SDLCALL onRumble(void*, Uint16 low, Uint16) {
    if (low)
        padRumbles.push_back(low);
    return 0;
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

class Challenge : public testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }
    void SetUp() override {
        resetGlState();
        challengeOn = 1;
        settingsInEffect.language = Language::fr;
        seedChallengeRandom(7);
        enterFightScreen(radovEze, friendlyDecor);
    }
    void TearDown() override {
        challengeOn = 0;
        settingsInEffect.language = Language::fr;
        setKeysInEffect(keys);
    }
    // Down at the next blow that lands, as an idle player in reach is; up by presses in turn.
    void knockDown() {
        tickUntil([] {
            playerStamina = std::min(playerStamina, 1);
            return currentChallengePhase() != ChallengePhase::fighting;
        });
    }
    void getUp() {
        for (int press = 0; currentChallengePhase() == ChallengePhase::playerDown; ++press) {
            applyFightAction(press % 2 ? Action::rightPunch : Action::leftPunch);
            tickUntil([] { return false; }, 8);
        }
    }
    const ActionKeys keys = keysInEffect();
    // Ticks until `done` or the limit; returns the steps taken.
    template <typename Done> int tickUntil(Done done, int limit = 20000) {
        int steps = 0;
        while (!done() && steps < limit) {
            fightIdle();
            ++steps;
        }
        return steps;
    }
};

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
    int thuds = soundRequests(Sound::opponentBlow);
    // Standing still, the player takes every blow until the first knockdown.
    for (int step = 0; step < 20000 && currentChallengePhase() == ChallengePhase::fighting;
         ++step) {
        const int stamina = playerStamina;
        fightIdle();
        if (playerStamina == stamina)
            continue;
        ++blows;
        ASSERT_EQ(soundRequests(Sound::opponentBlow), ++thuds) << "one thud per blow";
        EXPECT_EQ(hitFlashSteps, 12);
        EXPECT_GT(hitJoltSteps, 0);
        if (playerStamina > 0) {
            const float width = staminaFillWidth();
            EXPECT_LT(width, lastWidth) << "the bar shrinks with the stamina";
            EXPECT_NEAR(width, 2.1f * playerStamina, 1.0f);
            lastWidth = width;
        }
        // The flash reddens the middle of the view, and fades with its steps.
        challengeFightDisplay();
        const auto flashed = readPixel(320, 300);
        EXPECT_GT(flashed[0], flashed[1] + 60) << "step " << step;
        const int flashLeft = hitFlashSteps;
        for (int s = 0; s < flashLeft && currentChallengePhase() == ChallengePhase::fighting; ++s)
            fightIdle();
        if (currentChallengePhase() != ChallengePhase::fighting || hitFlashSteps > 0)
            continue;
        challengeFightDisplay();
        const auto after = readPixel(320, 300);
        EXPECT_LT(after[0], flashed[0]) << "the flash fades";
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
        if (countNumber != lastNumber && countNumber < 10) {
            lastNumber = countNumber;
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
    const int knocks = soundRequests(Sound::guardBlock);
    const int thuds = soundRequests(Sound::opponentBlow);
    int guarded = 0;
    // Guards as each wind-up ends, standing where the blow lands.
    for (int step = 0; step < 3000; ++step) {
        if (static_cast<AttackState>(attackState) == AttackState::blow &&
            !challengePlayerGuarding())
            challengeGuardPressed();
        const int stamina = playerStamina;
        fightIdle();
        if (playerStamina == stamina)
            continue;
        ++guarded;
        EXPECT_EQ(hitFlashSteps, 0);
        EXPECT_GT(hitJoltSteps, 0);
        EXPECT_LT(hitJoltSteps, 10) << "a smaller jolt than a blow's";
    }
    EXPECT_GT(guarded, 2);
    EXPECT_EQ(soundRequests(Sound::guardBlock) - knocks, guarded);
    EXPECT_EQ(soundRequests(Sound::opponentBlow), thuds);

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
    for (int press = 0; press < 40 && currentChallengePhase() == ChallengePhase::playerDown;
         ++press) {
        fightKeyboard(press % 2 == 0 ? 'w' : 'x', 0, 0);
        for (int s = 0; s < 6; ++s)
            fightIdle();
    }
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::fighting);
    EXPECT_EQ(playerStamina, 50);
    const float rising = viewDownFraction();
    EXPECT_GT(rising, 0.0f);
    EXPECT_LT(rising, 1.0f);
    for (int s = 0; s < 30; ++s)
        fightIdle();
    EXPECT_EQ(viewDownFraction(), 0.0f) << "up again, the view is back at the eye";
}

TEST_F(Challenge, RestsShowTheRoundAndADecisionEndsTheFight) {
    // Far away and circling, the player is never hit: three rounds and the cards.
    for (int i = 0; i < 7; ++i)
        applyFightAction(Action::stepBack);
    const int bells = soundRequests(Sound::bell);
    tickUntil([] { return currentChallengePhase() == ChallengePhase::rest; });
    ASSERT_EQ(currentChallengePhase(), ChallengePhase::rest);
    EXPECT_EQ(soundRequests(Sound::bell), bells + 1) << "the round's end";
    EXPECT_TRUE(contains(textIn(challengeFightDisplay, hudWhite), "REPOS  0:05"));
    const std::string rest = textIn(challengeFightDisplay, hudYellow);
    EXPECT_TRUE(contains(rest, "REPOS")) << rest;
    EXPECT_TRUE(contains(rest, "PROCHAINE REPRISE 2")) << rest;
    EXPECT_TRUE(contains(textIn(challengeFightDisplay, hudWhite), "COUPS RECUS 0"));
    tickUntil([] { return currentChallengePhase() == ChallengePhase::fighting; });
    EXPECT_EQ(soundRequests(Sound::bell), bells + 2) << "the next round's start";
    EXPECT_TRUE(contains(textIn(challengeFightDisplay, hudWhite), "REPRISE 2  1:30"));

    std::string line;
    while (!challengeOver())
        line += stdoutOf([] { fightIdle(); });
    EXPECT_EQ(soundRequests(Sound::bell), bells + 5);
    EXPECT_EQ(line, "Match nul contre Radov Eze aux points \xE0 la reprise 3 apr\xE8s 4:40\n");
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudYellow), "DECISION"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudYellow), "JUGES 30 - 30"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudWhite), "MATCH NUL"));
    settingsInEffect.language = Language::en;
    EXPECT_TRUE(contains(textIn(challengeEndDisplay, hudWhite), "DRAW"));
    EXPECT_TRUE(contains(textIn(decisionDisplay, hudYellow), "CARDS 30 - 30"));
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
    while (currentChallengePhase() == ChallengePhase::fighting) {
        const int stamina = playerStamina;
        fightIdle();
        if (playerStamina == stamina && currentChallengePhase() == ChallengePhase::fighting)
            continue;
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
}

TEST_F(Challenge, TheArmsTakeTheAttackAndTheGuardForOneFrameOnly) {
    // The player's guard: both gloves up in front of the face, the punches' poses untouched.
    auto gloveTop = [] {
        applyPlayerGuardArms();
        const float left = boundsOf(captureInSceneUnits(drawPlayerLeftArm)).maxY;
        const float right = boundsOf(captureInSceneUnits(drawPlayerRightArm)).maxY;
        restorePlayerArms();
        return std::min(left, right);
    };
    const float resting = gloveTop();
    challengeGuardPressed();
    ASSERT_TRUE(challengePlayerGuarding());
    for (int s = 0; s < 5; ++s)
        fightIdle();
    EXPECT_GT(gloveTop(), resting + 0.15f);
    EXPECT_EQ(playerLeftArm.shoulderPitch, playerLeftRestPose.shoulderPitch);

    // The opponent's left arm (+X): drawn back and out through the wind-up, thrown at the player
    // in the blow; in its guard, more of both arms up at the face.
    auto reach = [](float* high = nullptr) {
        applyOpponentAttackArms();
        const std::vector<FeedbackItem> items =
            captureInSceneUnits([] { drawOpponentModel(radovEze); });
        restoreOpponentArms();
        if (high) {
            *high = 0;
            for (const FeedbackItem& item : items)
                for (const FeedbackVertex& v : item.vertices)
                    *high += v.y > 2.6f && v.z > 0.2f;
        }
        return boundsOf(items);
    };
    float stanceHigh = 0;
    const Bounds stance = reach(&stanceHigh);
    tickUntil([] { return static_cast<AttackState>(attackState) == AttackState::windUp; });
    tickUntil([] { return opponentPoseProgress() > 0.9f; });
    const ArmPose swayed = opponentLeftArm;
    const Bounds drawnBack = reach();
    EXPECT_EQ(opponentLeftArm.shoulderPitch, swayed.shoulderPitch) << "the sway is untouched";
    EXPECT_GT(drawnBack.maxX, stance.maxX + 0.2f) << "the arm drawn back and out";
    EXPECT_LT(drawnBack.maxZ, stance.maxZ + 0.1f) << "not yet towards the player";
    tickUntil([] { return static_cast<AttackState>(attackState) == AttackState::blow; });
    tickUntil([] { return opponentPoseProgress() > 0.9f; });
    const Bounds blow = reach();
    EXPECT_GT(blow.maxZ, stance.maxZ + 0.3f) << "the arm thrown towards the player";
    tickUntil([] { return static_cast<AttackState>(attackState) == AttackState::guard; });
    float coveredHigh = 0;
    reach(&coveredHigh);
    EXPECT_GT(coveredHigh, stanceHigh * 1.5f + 20) << "both fists up at the face";
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
            tickUntil([] { return countNumber >= 3; });
            EXPECT_EQ(clock(), atKnockdown) << "three seconds counted";
            getUp();
            tickUntil([] { return false; }, 2 * 60);
            EXPECT_NE(clock(), atKnockdown) << "up again";
        }
        tickUntil([] {
            playerStamina = fullStamina;
            return challengeOver();
        });
        int player = 0, opponent = 0;
        std::sscanf(textIn(decisionDisplay, hudYellow).c_str(), "DECISIONJUGES %d - %d", &player,
                    &opponent);
        return opponent - player;
    };
    EXPECT_EQ(margin(true), margin(false) + 1);
}
