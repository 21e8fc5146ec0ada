#include "app/startup.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_state.h"
#include "game/controls.h"
#include "game/fight_screen.h"
#include "game/training_screen.h"
#include "replay/game_state.h"
#include "tests/support/glyph_quads.h"

#include <gtest/gtest.h>

// Paused, the fight (with the challenge in English) and the trainings stand still whatever is
// pressed, and say so; resumed, they go on exactly where an unpaused run would be.
TEST(Pause, StandsStillAndGoesOnWhereItStopped) {
    initResources();
    const std::pair<int, std::string> rows[] = {
        {0, "PAUSE"}, {0, "PAUSED"}, {punchBagTraining, "PAUSED"}, {punchingBallTraining, "PAUSE"}};
    for (const auto& [training, shown] : rows) {
        settingsInEffect.language = shown == "PAUSED" ? Language::en : Language::fr;
        challengeOn = !training && shown == "PAUSED";
        seedChallengeRandom(7);
        training ? enterTrainingScreen(training) : enterFightScreen(radovEze, cupDecor);
        auto* const press = training ? trainingKeyboard : fightKeyboard;
        const auto steps = [training](int count) {
            for (int step = 0; step < count; ++step)
                training ? trainingIdle() : fightIdle();
        };
        const auto text = [training] {
            return textInColour(training ? trainingDisplay : fightDisplay, 1.0f, 1.0f, 0.0f);
        };
        press('x', 0, 0);
        steps(5);
        const SavedState at = saveGameState();
        steps(40);
        const SavedState straight = saveGameState();
        restoreGameState(at);
        press('p', 0, 0);
        const SavedState paused = saveGameState();
        press('w', 0, 0);
        steps(300);
        EXPECT_TRUE(saveGameState() == paused) << shown << training;
        EXPECT_NE(text().find(shown), std::string::npos) << text();
        press('p', 0, 0);
        EXPECT_EQ(text().find("PAUSE"), std::string::npos) << text();
        steps(40);
        EXPECT_TRUE(saveGameState() == straight) << shown << training;
    }
    challengeOn = 0;
    settingsInEffect.language = Language::fr;
}
