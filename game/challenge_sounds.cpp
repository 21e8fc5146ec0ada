#include "game/challenge_sounds.h"

#include "challenge/challenge_rules.h"
#include "game/challenge_end.h"
#include "input/pads.h"
#include "sound/sound.h"

void playChallengeEvents(unsigned events) {
    if (events & bellEvent)
        playSound(Sound::bell);
    if (events & pointsScoredEvent) {
        playSound(Sound::punchThud);
        if (events & opponentDownEvent) {
            playSound(Sound::knockOutBells);
            playSound(Sound::crowdCheer);
            rumblePads(PadRumble::knockOut);
        } else {
            rumblePads(PadRumble::hit);
        }
    }
    if (events & blowLandedEvent) {
        playSound(Sound::opponentBlow);
        rumblePads(PadRumble::hit);
    }
    if (events & (blowGuardedEvent | punchBlockedEvent))
        playSound(Sound::guardBlock);
    if (events & knockdownEvent) {
        playSound(Sound::crowdRoar);
        rumblePads(PadRumble::knockOut);
    }
    if (events & countTickEvent)
        playSound(Sound::refereeCount);
    if (events & fightOverEvent) {
        const ChallengeOutcome outcome = challengeOutcome();
        // The opponent's knock-out rang its bells with the point that passed the threshold.
        if (outcome.how == ChallengeEnd::knockOut && outcome.winner == ChallengeWinner::opponent)
            playSound(Sound::knockOutBells);
        announceChallengeEnd();
    }
}
