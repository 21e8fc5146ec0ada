#include "replay/game_state.h"

#include "app/screen.h"
#include "app/window.h"
#include "challenge/challenge_random.h"
#include "challenge/challenge_state.h"
#include "game/champion_screen.h"
#include "game/pause.h"
#include "game/state.h"
#include "menus/menu_state.h"
#include "menus/title_animation.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

enum class FieldType { integer, flag, real, pose, word, challengeState };

struct StateField {
    const char* part;
    void* address;
    FieldType type;
};

constexpr const char* parts[] = {"menus", "fight", "training", "view"};

constexpr StateField stateFields[] = {
    {"menus", &modeChoice, FieldType::integer},
    {"menus", &modeCursorOffset, FieldType::real},
    {"menus", &opponentChoice, FieldType::integer},
    {"menus", &chosenOpponent, FieldType::integer},
    {"menus", &decorChoice, FieldType::integer},
    {"menus", &trainingChoice, FieldType::integer},
    {"menus", &modeMenuSpin, FieldType::integer},
    {"menus", &opponentMenuSpin, FieldType::integer},
    {"menus", &decorMenuSpin, FieldType::integer},
    {"menus", &trainingMenuSpin, FieldType::integer},
    {"menus", &opponentModelSpin, FieldType::integer},
    {"menus", &titleBlinkCounter, FieldType::integer},
    {"menus", &titleBlinkOn, FieldType::flag},
    {"menus", &titleSlide, FieldType::real},
    {"menus", &titleSlideOut, FieldType::flag},
    {"menus", &titleRingSpin, FieldType::integer},
    {"menus", &titleStepsUntouched, FieldType::integer},
    {"fight", &playerLeftArm, FieldType::pose},
    {"fight", &playerRightArm, FieldType::pose},
    {"fight", &opponentRightArm, FieldType::pose},
    {"fight", &opponentLeftArm, FieldType::pose},
    {"fight", &rightPunchActive, FieldType::flag},
    {"fight", &rightPunchExtending, FieldType::flag},
    {"fight", &leftPunchActive, FieldType::flag},
    {"fight", &leftPunchExtending, FieldType::flag},
    {"fight", &fightOpponent, FieldType::integer},
    {"fight", &fightDecor, FieldType::integer},
    {"fight", &fightPoints, FieldType::integer},
    {"fight", &eyeHeight, FieldType::real},
    {"fight", &opponentDistance, FieldType::real},
    {"fight", &sideOffset, FieldType::real},
    {"fight", &orbitAngle, FieldType::integer},
    {"fight", &opponentTurnFrozen, FieldType::flag},
    {"fight", &stepBobActive, FieldType::flag},
    {"fight", &stepBobRising, FieldType::flag},
    {"fight", &koSpin, FieldType::integer},
    {"fight", &opponentRightLegSpread, FieldType::real},
    {"fight", &opponentLeftLegSpread, FieldType::real},
    {"fight", &opponentSwayRising, FieldType::flag},
    {"fight", &opponentStepActive, FieldType::flag},
    {"fight", &opponentStepOpening, FieldType::flag},
    {"training", &trainingKind, FieldType::integer},
    {"training", &trainingFinished, FieldType::flag},
    {"training", &trainingHits, FieldType::integer},
    {"training", &trainingPunches, FieldType::integer},
    {"training", &trainingPercent, FieldType::integer},
    {"training", &ballAngle, FieldType::integer},
    {"training", &ballSwingUp, FieldType::flag},
    {"view", &whiteLightOn, FieldType::flag},
};

// The challenge joins the fight's hash only with the challenge on, so that a game without it
// keeps its checkpoints: its generator, its level, then its state whole (challengeState).
constexpr StateField challengeFields[] = {
    {"fight", &challengeRandomState, FieldType::word},
    {"fight", &challengeLevel, FieldType::integer},
    {"fight", &challenge, FieldType::challengeState},
};

// These join their part's hash only while set, so that a session that never paused, nor went
// into the circuit, keeps its checkpoints.
constexpr StateField whileSetFields[] = {
    {"view", &gamePaused, FieldType::flag},
    {"menus", &ladderSpin, FieldType::integer},
    {"menus", &championStep, FieldType::integer},
};

static_assert(sizeof(ChallengeState) % sizeof(int) == 0 &&
                  std::has_unique_object_representations_v<ChallengeState>,
              "the challenge's state hashes as ints, with no padding between them");

constexpr float realGrain = 4096.0f;

std::size_t sizeOf(FieldType type) {
    switch (type) {
    case FieldType::integer:
        return sizeof(int);
    case FieldType::flag:
        return sizeof(Flag);
    case FieldType::real:
        return sizeof(float);
    case FieldType::word:
        return sizeof(std::uint32_t);
    case FieldType::challengeState:
        return sizeof(ChallengeState);
    default:
        return sizeof(ArmPose);
    }
}

// FNV-1a over each number's eight bytes, lowest first.
struct Hash {
    std::uint32_t value = 2166136261u;
    void add(std::int64_t number) {
        for (int i = 0; i < 8; ++i) {
            value ^=
                static_cast<std::uint32_t>((static_cast<std::uint64_t>(number) >> (8 * i)) & 0xFF);
            value *= 16777619u;
        }
    }
    void addReal(float real) { add(std::llround(static_cast<double>(real) * realGrain)); }
};

void hashField(Hash& hash, const StateField& field) {
    switch (field.type) {
    case FieldType::integer:
        hash.add(*static_cast<const int*>(field.address));
        break;
    case FieldType::flag:
        hash.add(*static_cast<const Flag*>(field.address));
        break;
    case FieldType::real:
        hash.addReal(*static_cast<const float*>(field.address));
        break;
    case FieldType::word:
        hash.add(*static_cast<const std::uint32_t*>(field.address));
        break;
    case FieldType::challengeState: {
        // Its members one by one, as ints: the value has no padding (challenge_state.h).
        int members[sizeof(ChallengeState) / sizeof(int)];
        std::memcpy(members, field.address, sizeof members);
        for (int member : members)
            hash.add(member);
        break;
    }
    case FieldType::pose: {
        const ArmPose& pose = *static_cast<const ArmPose*>(field.address);
        for (float angle : {pose.shoulderRoll, pose.shoulderPitch, pose.shoulderYaw, pose.elbowBend,
                            pose.wristTurn})
            hash.addReal(angle);
        break;
    }
    }
}

// The view's state outside variables: the window shown or not, and the polygon mode that the
// right-button menu sets.
void hashWindowState(Hash& hash) {
    GLint polygonMode[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    hash.add(screenShown());
    hash.add(polygonMode[0] == GL_LINE);
}

bool isZero(const StateField& field) {
    const auto* bytes = static_cast<const unsigned char*>(field.address);
    return std::all_of(bytes, bytes + sizeOf(field.type), [](unsigned char b) { return b == 0; });
}

std::string fieldValue(const std::string& checkpoint, const std::string& name) {
    const std::string key = name + "=";
    std::size_t at = 0;
    while (at < checkpoint.size()) {
        std::size_t end = checkpoint.find(' ', at);
        if (end == std::string::npos)
            end = checkpoint.size();
        if (checkpoint.compare(at, key.size(), key) == 0)
            return checkpoint.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return {};
}

std::string currentScreenName() {
    return screenPadLayout() == PadLayout::knockOut ? "knockout" : screenName();
}

} // namespace

std::string stateCheckpoint() {
    std::string text = "screen=" + currentScreenName();
    for (const char* part : parts) {
        Hash hash;
        for (const StateField& field : stateFields)
            if (std::strcmp(field.part, part) == 0)
                hashField(hash, field);
        if (challengeOn)
            for (const StateField& field : challengeFields)
                if (std::strcmp(field.part, part) == 0)
                    hashField(hash, field);
        if (std::strcmp(part, "view") == 0)
            hashWindowState(hash);
        for (const StateField& field : whileSetFields)
            if (std::strcmp(part, field.part) == 0 && !isZero(field))
                hashField(hash, field);
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash.value));
        text += std::string(" ") + part + "=" + hex;
    }
    return text;
}

std::string checkpointDifference(const std::string& recorded, const std::string& now) {
    const std::string recordedScreen = fieldValue(recorded, "screen");
    const std::string screen = fieldValue(now, "screen");
    if (recordedScreen != screen)
        return "the screen is " + screen + ", recorded " + recordedScreen;
    for (const char* part : parts)
        if (fieldValue(recorded, part) != fieldValue(now, part))
            return std::string("the state of the ") + part + " differs from the recording";
    return {};
}

SavedState saveGameState() {
    SavedState saved;
    auto save = [&saved](const StateField& field) {
        const auto* bytes = static_cast<const unsigned char*>(field.address);
        saved.insert(saved.end(), bytes, bytes + sizeOf(field.type));
    };
    for (const StateField& field : stateFields)
        save(field);
    for (const StateField& field : challengeFields)
        save(field);
    for (const StateField& field : whileSetFields)
        save(field);
    return saved;
}

void restoreGameState(const SavedState& saved) {
    std::size_t at = 0;
    auto restore = [&saved, &at](const StateField& field) {
        std::memcpy(field.address, saved.data() + at, sizeOf(field.type));
        at += sizeOf(field.type);
    };
    for (const StateField& field : stateFields)
        restore(field);
    for (const StateField& field : challengeFields)
        restore(field);
    for (const StateField& field : whileSetFields)
        restore(field);
}
