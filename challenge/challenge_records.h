#pragma once

#include "challenge/challenge_records_file.h"
#include "challenge/challenge_state.h"

// The player's records in the challenge, per opponent and decor, kept in the state folder
// (challengeRecordsPath()). Read when first needed; a damaged file is named on stderr in one
// line and set aside (challenge-records.damaged.txt, then -2, -3...: never replaced), and the
// records start afresh. Where the file cannot be read, set aside or written, that is said once
// and the records last until the game ends, the file left as it is.

// The records of an opponent (1 to 3) in a decor (1 or 2), or over both decors with decor 0:
// the counts added, the faster knock-out. All zero for numbers out of range.
ChallengeRecord challengeRecord(int opponent, int decor);

// At a challenge fight's end: a win, a loss (a forfeit is one) or a draw (a knock-out won may be
// the fastest), saved at once. The file is read again first, and written back, under a lock
// (challenge-records.lock beside it), so that two games at once, or a player's edit meanwhile,
// lose nothing. Does nothing with no winner, nor while the records are not kept: the caller asks
// challengeFightCounts first.
void recordChallengeOutcome(int opponent, int decor, const ChallengeOutcome& outcome);

// Whether a fight of that many steps, ending at the game's step `stepNow`, would count: not
// with the challenge off, nor while the records are not kept, nor when it started before they
// were kept again.
bool challengeFightCounts(int fightSteps, long long stepNow);

// Whether fights change the records: only the player's own do, never one a recording or the
// demo plays (replay/sources.cpp turns this off while either drives, --check included), from
// the game's step `stepNow`.
void keepRecords(bool keep, long long stepNow = 0);
bool recordsKept();

// As at the start: the records and what was said about their file forgotten (the next need
// reads it again), the records kept.
void forgetChallengeRecords();
