#include "tools/sounds/effects.h"

namespace {

// One partial of the bell: its ratio to the fundamental, loudness and time to fall to 1/e.
struct Partial {
    double ratio;
    double amplitude;
    double decaySeconds;
};

constexpr double bellFundamental = 830.0;
// A hum an octave below, the strike tone, and inharmonic overtones that die faster. The
// partial at 4.03 (3345 Hz) rings clear of every other sound of the game.
constexpr Partial bellPartials[] = {
    {0.5, 0.10, 1.3},  {1.0, 0.35, 1.0},  {1.003, 0.12, 0.9}, {2.32, 0.18, 0.5},
    {4.03, 0.3, 0.32}, {5.6, 0.08, 0.18}, {7.1, 0.04, 0.1},
};

// A bell struck at each of `strokes` (seconds): every stroke adds to the partials already
// ringing, in phase, as a hammer on a ringing bell does.
Samples ringBell(double seconds, std::initializer_list<double> strokes) {
    Samples bell(sampleCount(seconds), 0.0);
    for (const Partial& partial : bellPartials) {
        Oscillator tone;
        const double fall = decayPerSample(partial.decaySeconds);
        double level = 0.0;
        for (int i = 0; i < static_cast<int>(bell.size()); ++i) {
            for (double stroke : strokes)
                if (i == sampleCount(stroke))
                    level += partial.amplitude;
            bell[i] += level * tone.next(bellFundamental * partial.ratio);
            level *= fall;
        }
    }
    // The hammer's knock: a few milliseconds of bright noise.
    Noise noise(7);
    for (double stroke : strokes) {
        StateVariableFilter knock(3000.0, 1.5);
        double level = 0.25;
        const double fall = decayPerSample(0.004);
        for (int i = sampleCount(stroke); i < static_cast<int>(bell.size()) && level > 1e-4; ++i) {
            knock.process(noise.next());
            bell[i] += level * knock.band;
            level *= fall;
        }
    }
    // The partials start at full level: a millisecond of rise keeps each stroke from
    // clicking.
    for (double stroke : strokes) {
        const int start = sampleCount(stroke), rise = sampleCount(0.001);
        for (int i = 0; i < rise; ++i)
            bell[start + i] *= 0.5 + 0.5 * i / rise;
    }
    normalise(bell, 0.7);
    fadeEdges(bell, 0.0, 0.15);
    return bell;
}

// Nothing of the crowd reaches down to the punches' thuds.
constexpr double crowdLowCutHz = 220.0;

// A short sine note with a soft rise and a quick fall.
Samples note(double hz, double seconds, double riseSeconds, double decaySeconds) {
    Samples tone(sampleCount(seconds));
    Oscillator oscillator;
    const double fall = decayPerSample(decaySeconds);
    const int rise = sampleCount(riseSeconds);
    double level = 1.0;
    for (int i = 0; i < static_cast<int>(tone.size()); ++i) {
        const double attack = i < rise ? static_cast<double>(i) / rise : 1.0;
        tone[i] = attack * level * oscillator.next(hz);
        if (i >= rise)
            level *= fall;
    }
    fadeEdges(tone, 0.0, 0.005);
    return tone;
}

} // namespace

Samples makePunchSwish() {
    const double seconds = 0.24;
    Samples swish(sampleCount(seconds));
    Noise noise(1);
    // The pitch of the rushing air rises as the glove speeds up and falls as it stops; the
    // second filter keeps the lows for the thud alone.
    StateVariableFilter air(600.0, 1.2), lowCut(450.0, 0.7), highCut(1500.0, 0.7),
        steeperHighCut(1500.0, 0.7);
    for (int i = 0; i < static_cast<int>(swish.size()); ++i) {
        const double u = timeOf(i) / seconds;
        const double shape = sine(pi * u);
        air.setCutoff(500.0 + 1000.0 * shape);
        air.process(noise.next());
        lowCut.process(air.band);
        highCut.process(lowCut.high);
        steeperHighCut.process(highCut.low);
        swish[i] = shape * shape * (1.0 - 0.4 * u) * steeperHighCut.low;
    }
    normalise(swish, 0.45);
    return swish;
}

Samples makePunchThud() {
    const double seconds = 0.25;
    Samples thud(sampleCount(seconds));
    Noise noise(2);
    Oscillator body;
    // The leather: low rumbling noise; the body: a short, falling boom; a touch of smack.
    StateVariableFilter leather(300.0, 0.7), smack(1000.0, 1.0), rumbleCut(40.0, 0.7);
    const double bodyFall = decayPerSample(0.04), pitchFall = decayPerSample(0.02);
    const double leatherFall = decayPerSample(0.03), smackFall = decayPerSample(0.006);
    const int rise = sampleCount(0.004);
    double bodyLevel = 1.0, pitchDrop = 1.0, leatherLevel = 6.0, smackLevel = 1.0;
    for (int i = 0; i < static_cast<int>(thud.size()); ++i) {
        // A soft attack: the glove's padding squashes before the full blow.
        const double attack = i < rise ? static_cast<double>(i) / rise : 1.0;
        const double n = noise.next();
        leather.process(n);
        smack.process(n);
        rumbleCut.process(bodyLevel * body.next(70.0 + 60.0 * pitchDrop) +
                          leatherLevel * leather.low + smackLevel * smack.band);
        thud[i] = attack * rumbleCut.high;
        bodyLevel *= bodyFall;
        pitchDrop *= pitchFall;
        leatherLevel *= leatherFall;
        smackLevel *= smackFall;
    }
    normalise(thud, 0.8);
    fadeEdges(thud, 0.0, 0.03);
    return thud;
}

Samples makeBallSlap() {
    const double seconds = 0.15;
    Samples slap(sampleCount(seconds));
    Noise noise(3);
    Oscillator body;
    StateVariableFilter skin(1500.0, 0.8), lowCut(200.0, 0.7), highCut(5000.0, 0.7);
    const double bodyFall = decayPerSample(0.025), skinFall = decayPerSample(0.015);
    const int rise = sampleCount(0.001);
    double bodyLevel = 0.5, skinLevel = 1.0;
    for (int i = 0; i < static_cast<int>(slap.size()); ++i) {
        const double attack = i < rise ? static_cast<double>(i) / rise : 1.0;
        skin.process(noise.next());
        lowCut.process(bodyLevel * body.next(350.0) + skinLevel * skin.band);
        highCut.process(lowCut.high);
        slap[i] = attack * highCut.low;
        bodyLevel *= bodyFall;
        skinLevel *= skinFall;
    }
    normalise(slap, 0.6);
    fadeEdges(slap, 0.0, 0.02);
    return slap;
}

Samples makeBell() {
    return ringBell(2.4, {0.0});
}

Samples makeKnockOutBells() {
    return ringBell(3.0, {0.0, 0.5, 1.0});
}

Samples makeCrowdMurmur() {
    Samples murmur = crowdVoices(3.5, 14, 250.0, 900.0, 1200.0, 11, crowdLowCutHz);
    makeLoop(murmur, 0.5);
    normalise(murmur, 0.4);
    return murmur;
}

Samples makeCrowdCheer() {
    const double seconds = 3.2;
    Samples cheer = crowdVoices(seconds, 18, 350.0, 2200.0, 2500.0, 12, crowdLowCutHz);
    // The roar comes up in a fifth of a second and dies away slowly.
    for (int i = 0; i < static_cast<int>(cheer.size()); ++i) {
        const double t = timeOf(i);
        const double rise = t < 0.2 ? t / 0.2 : 1.0;
        const double fall = t < 1.2 ? 1.0 : 1.0 - (t - 1.2) / (seconds - 1.2);
        cheer[i] *= rise * fall * fall;
    }
    normalise(cheer, 0.6);
    return cheer;
}

Samples makeMenuTick() {
    Samples tick = note(2637.0, 0.05, 0.002, 0.012);
    normalise(tick, 0.35);
    return tick;
}

Samples makeMenuConfirm() {
    Samples confirm(sampleCount(0.16), 0.0);
    mixInto(confirm, note(1046.5, 0.08, 0.004, 0.03), 0, 1.0);
    mixInto(confirm, note(1568.0, 0.1, 0.004, 0.035), sampleCount(0.06), 1.0);
    normalise(confirm, 0.35);
    return confirm;
}
