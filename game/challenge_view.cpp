#include "game/challenge_view.h"

#include "app/screen.h"
#include "app/window.h"
#include "challenge/challenge_rules.h"
#include "game/challenge_end.h"
#include "game/challenge_hud.h"
#include "game/challenge_poses.h"
#include "game/challenge_sounds.h"
#include "game/fight_scene.h"
#include "game/fight_screen.h"
#include "game/pause.h"
#include "game/points_text.h"
#include "game/state.h"
#include "text/bitmap_font.h"
#include "text/print_text.h"
#include "text/words.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr double degreesPerRadian = 57.29577951;
constexpr double lookAtHeight = 3.0;
constexpr double canvasEyeHeight = 1.4; // the eye of a player down on the canvas
constexpr double downLookDrop = 1.2;    // looking up less from down there
constexpr double downTilt = 25.0;       // degrees the view leans once down
constexpr int sinkSteps = 30;           // to go down, and to get back up
constexpr double joltPerStep = 0.02;    // units of shake per step left of a jolt
// The player's knock-out: lying near the ring's centre, looking up past the opponent.
constexpr double lyingDistance = 2.2;
constexpr double lyingEyeHeight = 1.2;
constexpr double lightsHeight = 4.5;

int viewRiseSteps; // steps left of getting back up after a count

double mix(double from, double to, double t) {
    return from + (to - from) * t;
}

void printEscapePrompt() {
    printCentredStyled(30, 20, hudBlue, hudWhite, word(Word::pressEscape));
}

// The fight's eye, sunk and tilted while down, shaken by a blow; the point looked at follows.
EyePosition applyChallengeCamera() {
    EyePosition eye = fightEye();
    const double down = viewDownFraction();
    const double a = orbitAngle / degreesPerRadian;
    const double rightX = std::cos(a);
    const double rightZ = std::sin(a);
    const double jolt =
        joltPerStep * challenge.hitJoltSteps * (challenge.hitJoltSteps % 2 == 0 ? 1.0 : -1.0);
    eye.x += rightX * jolt;
    eye.z += rightZ * jolt;
    eye.y = mix(eyeHeight, canvasEyeHeight, down) + jolt / 2;
    const double tilt = downTilt * down / degreesPerRadian;
    gluLookAt(eye.x, eye.y, eye.z, rightX * jolt, lookAtHeight - downLookDrop * down, rightZ * jolt,
              rightX * std::sin(tilt), std::cos(tilt), rightZ * std::sin(tilt));
    return eye;
}

// The lamps over the ring, as a fallen player sees them: unlit, as bright as they shine.
void drawRingLamps() {
    constexpr float lampSpread = 1.5f;
    constexpr float lampHeight = 8.0f;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 0.85f);
    for (const float x : {-lampSpread, lampSpread})
        for (const float z : {-lampSpread, lampSpread}) {
            glPushMatrix();
            glTranslatef(x, lampHeight, z);
            glutSolidSphere(0.3, 12, 12);
            glPopMatrix();
        }
    glPopAttrib();
}

// Who won the player's knock-out, and why it is one: a third knockdown, or ten counted.
void printKnockOutReasons() {
    std::string name = challengeOpponentName();
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string winner = word(Word::winsByKnockOut);
    winner.replace(winner.find("%s"), 2, name);
    const int middle = textAreaHeight() / 2;
    printCentredStyled(middle + 40, fittedTextSize(20, static_cast<int>(winner.size())), hudYellow,
                       hudBlack, winner.c_str());
    const char* why =
        word(challenge.knockdowns >= knockdownsLost ? Word::thirdKnockdown : Word::countedOut);
    printCentredStyled(middle - 55, fittedTextSize(16, static_cast<int>(std::strlen(why))),
                       hudWhite, hudBlack, why);
}

void drawOpponentInPose() {
    applyOpponentAttackArms();
    drawFacingOpponent();
    restoreOpponentArms();
}

} // namespace

float viewDownFraction() {
    if (currentChallengePhase() == ChallengePhase::playerDown)
        return static_cast<float>(std::min(challenge.countStepsDone, sinkSteps)) / sinkSteps;
    return static_cast<float>(viewRiseSteps) / sinkSteps;
}

void startChallengeView() {
    viewRiseSteps = 0;
    forfeitChallengeOnQuit();
    // The screen rings the first bell as the fight starts, with or without the challenge.
    takeChallengeEvents();
}

void challengeAfterTick(FightTickResult result) {
    if (viewRiseSteps > 0)
        --viewRiseSteps;
    const unsigned events = takeChallengeEvents();
    if (events & playerUpEvent)
        viewRiseSteps = sinkSteps;
    playChallengeEvents(events);
    if (result != FightTickResult::challengeEnded)
        return;
    glutDisplayFunc(challengeEndDisplay);
    replaceScreenControls(nullptr, PadLayout::knockOut);
}

void challengeFightDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        const EyePosition eye = applyChallengeCamera();
        placeDecorLight(fightDecor);
        // Down on the canvas the gloves are out of sight.
        if (viewDownFraction() == 0.0f) {
            applyPlayerGuardArms();
            drawFightGloves(eye);
            restorePlayerArms();
        }
        drawOpponentInPose();
        drawDecorScenery(fightDecor);
        drawHitFlash();
        printPointCount(fightPoints);
        drawChallengeHud();
        if (currentChallengePhase() == ChallengePhase::playerDown)
            printCountTexts();
        else if (currentChallengePhase() == ChallengePhase::rest)
            printRestTexts();
        else if (fightHelpShown())
            printFightHelp();
        printPauseWord();
    }
    glPopMatrix();
    finishFrame();
}

void playerKnockOutDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        const double a = orbitAngle / degreesPerRadian;
        gluLookAt(-lyingDistance * std::sin(a), lyingEyeHeight, lyingDistance * std::cos(a), 0,
                  lightsHeight, 0, 0, 1, 0);
        placeDecorLight(fightDecor);
        drawRingLamps();
        drawOpponentInPose();
        drawDecorScenery(fightDecor);
        printCentredStyled(textAreaHeight() / 2 - 25, 50, hudRed, hudBlack, word(Word::knockOut));
        printKnockOutReasons();
        printEscapePrompt();
    }
    glPopMatrix();
    finishFrame();
}

void decisionDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    {
        glLoadIdentity();
        const EyePosition eye = applyFightCamera();
        placeDecorLight(fightDecor);
        drawFightGloves(eye);
        drawOpponentInPose();
        drawDecorScenery(fightDecor);
        const ChallengeOutcome outcome = challengeOutcome();
        const Word result = outcome.winner == ChallengeWinner::player     ? Word::playerWins
                            : outcome.winner == ChallengeWinner::opponent ? Word::opponentWins
                                                                          : Word::drawResult;
        const int middle = textAreaHeight() / 2;
        printCentredStyled(middle + 60, 40, hudYellow, hudBlack, word(Word::decision));
        printCentredStyled(middle, 40, hudWhite, hudBlack, word(result));
        char cards[64];
        std::snprintf(cards, sizeof cards, "%s %d - %d", word(Word::cards), outcome.playerScore,
                      outcome.opponentScore);
        printCentredStyled(middle - 50, 20, hudYellow, hudBlack, cards);
        printEscapePrompt();
    }
    glPopMatrix();
    finishFrame();
}

void challengeEndDisplay() {
    if (challengeOutcome().how == ChallengeEnd::knockOut)
        playerKnockOutDisplay();
    else
        decisionDisplay();
}
