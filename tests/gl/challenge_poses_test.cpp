#include "game/challenge_poses.h"
#include "game/challenge_view.h"
#include "game/gloves.h"
#include "models/opponents.h"
#include "tests/support/challenge_fight.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

// The arms as the fight draws them with the challenge on: the player's guard, and the
// opponent's arms in each state of its attack and for each kind of blow, seen in the test's
// 640x480 window.

namespace {

// The opponent put straight into a state of its attack, at that state's last step (or with
// `stepsLeft` of its ten).
void poseOpponent(AttackState state, BlowKind kind = BlowKind::straight, bool missed = false,
                  int stepsLeft = 1) {
    challenge.attackState = static_cast<int>(state);
    challenge.blowKind = static_cast<int>(kind);
    challenge.lastBlowMissed = missed;
    challenge.feinting = 0;
    challenge.attackStepsTotal = 10;
    challenge.attackStepsLeft = stepsLeft;
}

// The opponent as drawn in its attack's pose: its figure's box and the height of each glove
// (the centre of its blue vertices; the left arm is on +X).
struct OpponentSight {
    Bounds box;
    float leftY, rightY;
};

OpponentSight seeOpponent() {
    applyOpponentAttackArms();
    const std::vector<FeedbackItem> items =
        captureInSceneUnits([] { drawOpponentModel(radovEze); });
    restoreOpponentArms();
    float sum[2] = {}, count[2] = {};
    for (const FeedbackItem& item : items)
        for (const FeedbackVertex& v : item.vertices)
            if (v.b > v.r + 0.1f && v.b > v.g + 0.1f) {
                sum[v.x > 0] += v.y;
                ++count[v.x > 0];
            }
    return {boundsOf(items), sum[1] / count[1], sum[0] / count[0]};
}

std::vector<std::uint8_t> frameOfFight() {
    challengeFightDisplay();
    return readFrame();
}

// Pixels of two frames the eye tells apart.
int pixelsApart(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    int apart = 0;
    for (std::size_t i = 0; i + 2 < a.size(); i += 3)
        apart +=
            std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]) >
            48;
    return apart;
}

// A hundredth of the test's 640x480 window, a glove's size in the fight's view.
constexpr int visiblyApart = 640 * 480 / 100;

} // namespace

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

    // The opponent put in each state of its attack at the state's last step, past the lessons
    // that would cover its arms, its sway left as the steps wrote it.
    tickUntil([] { return false; }, 10 * challengeSecond);
    const ArmPose swayed = opponentLeftArm;
    poseOpponent(AttackState::stance);
    const OpponentSight stance = seeOpponent();
    const std::vector<std::uint8_t> stanceFrame = frameOfFight();
    // Each kind drawn back in its own way, told apart at a glance in the test's window; then
    // thrown its own way: blow.*edge - from.*edge goes past `by` (less than it when negative).
    struct Kind {
        BlowKind kind;
        float Bounds::*edge;
        bool fromAim;
        float by;
        const char* how;
    };
    const Kind kinds[] = {
        {BlowKind::straight, &Bounds::maxZ, false, 0.3f, "straight at the player"},
        {BlowKind::hook, &Bounds::maxX, true, -0.2f, "swung in from the side"},
        {BlowKind::uppercut, &Bounds::maxY, false, 0.2f, "up past the chin"},
    };
    std::vector<std::vector<std::uint8_t>> aims;
    for (const Kind& k : kinds) {
        poseOpponent(AttackState::aim, k.kind);
        const Bounds aim = seeOpponent().box;
        aims.push_back(frameOfFight());
        EXPECT_GT(pixelsApart(aims.back(), stanceFrame), visiblyApart) << k.how;
        for (std::size_t other = 0; other + 1 < aims.size(); ++other)
            EXPECT_GT(pixelsApart(aims.back(), aims[other]), visiblyApart)
                << k.how << ": its wind-up looks like another kind's";
        // The wind-up draws the arm back to the aim's pose by its end, from the stance.
        poseOpponent(AttackState::windUp, k.kind);
        EXPECT_EQ(pixelsApart(frameOfFight(), aims.back()), 0) << k.how;
        poseOpponent(AttackState::windUp, k.kind, false, 5);
        const std::vector<std::uint8_t> halfway = frameOfFight();
        EXPECT_GT(pixelsApart(halfway, stanceFrame), 0) << k.how;
        EXPECT_GT(pixelsApart(halfway, aims.back()), 0) << k.how;
        poseOpponent(AttackState::blow, k.kind);
        const Bounds blow = seeOpponent().box;
        const Bounds& from = k.fromAim ? aim : stance.box;
        EXPECT_GT((blow.*k.edge - from.*k.edge) / k.by, 1.0f) << k.how;
    }
    // Both fists up at the face in its guard; both arms dropped when open (after a miss, tired).
    struct Gloves {
        AttackState state;
        bool missed;
        float by; // the gloves' height from the stance's, past it (less when negative)
    };
    for (const Gloves g :
         {Gloves{AttackState::guard, false, 0.1f}, Gloves{AttackState::recover, true, -0.3f},
          Gloves{AttackState::tired, false, -0.3f}}) {
        poseOpponent(g.state, BlowKind::straight, g.missed);
        const OpponentSight seen = seeOpponent();
        EXPECT_GT((seen.leftY - stance.leftY) / g.by, 1.0f) << static_cast<int>(g.state);
        EXPECT_GT((seen.rightY - stance.rightY) / g.by, 1.0f) << static_cast<int>(g.state);
    }
    EXPECT_EQ(opponentLeftArm.shoulderPitch, swayed.shoulderPitch) << "the sway is untouched";
    EXPECT_EQ(opponentLeftArm.elbowBend, swayed.elbowBend) << "the sway is untouched";
}
