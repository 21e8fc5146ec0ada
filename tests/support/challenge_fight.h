#pragma once

#include "app/startup.h"
#include "challenge/challenge_attack.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_rules.h"
#include "game/controls.h"
#include "game/fight_screen.h"
#include "game/state.h"
#include "input/settings.h"
#include "tests/support/gl_harness.h"
#include "tests/support/glyph_quads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// A fight with the challenge on against Radov Eze, its generator seeded, driven step by step
// through the fight's own idle and actions in the real window.

inline std::string textIn(void (*display)(), const float colour[3]) {
    return textInColour(display, colour[0], colour[1], colour[2]);
}

inline bool contains(const std::string& text, const char* part) {
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
            challenge.playerStamina = std::min(challenge.playerStamina, 1);
            return currentChallengePhase() != ChallengePhase::fighting;
        });
    }
    void getUp() {
        for (int press = 0; currentChallengePhase() == ChallengePhase::playerDown; ++press) {
            applyFightAction(press % 2 ? Action::rightPunch : Action::leftPunch);
            tickUntil([] { return false; }, 8);
        }
    }
    // Ticks to the step at whose end the opponent's blow arrives; false when the fight has
    // left its play first (a knockdown, the round's end).
    bool tickToBlowArrival() {
        tickUntil([] {
            return (static_cast<AttackState>(challenge.attackState) == AttackState::blow &&
                    challenge.attackStepsLeft == 1) ||
                   currentChallengePhase() != ChallengePhase::fighting;
        });
        return currentChallengePhase() == ChallengePhase::fighting;
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
