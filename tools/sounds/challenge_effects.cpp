// The sounds of the fight where the opponent boxes back. Each has a band where it stands out
// from every other sound of the game, so that a recording of the mix tells them apart.
#include "tools/sounds/effects.h"

namespace {

// Partials in tune with nothing else of the game: the marker at 3950 Hz rings between the
// bell's 3345 and 4648 Hz.
constexpr double knockLowHz = 1430.0;
constexpr double knockMarkerHz = 3950.0;

} // namespace

Samples makeOpponentBlow() {
    const double seconds = 0.36;
    Samples blow(sampleCount(seconds));
    Noise noise(21);
    Oscillator body;
    // Like the player's thud, an octave lower and with more weight: the body booms from 90 Hz
    // down to 45 Hz and lasts twice as long; the smack is faint and dark.
    StateVariableFilter leather(180.0, 0.7), smack(650.0, 1.0), rumbleCut(28.0, 0.7);
    const double bodyFall = decayPerSample(0.08), pitchFall = decayPerSample(0.03);
    const double leatherFall = decayPerSample(0.045), smackFall = decayPerSample(0.004);
    const int rise = sampleCount(0.006);
    double bodyLevel = 1.0, pitchDrop = 1.0, leatherLevel = 5.0, smackLevel = 0.4;
    for (int i = 0; i < static_cast<int>(blow.size()); ++i) {
        const double attack = i < rise ? static_cast<double>(i) / rise : 1.0;
        const double n = noise.next();
        leather.process(n);
        smack.process(n);
        rumbleCut.process(bodyLevel * body.next(45.0 + 45.0 * pitchDrop) +
                          leatherLevel * leather.low + smackLevel * smack.band);
        blow[i] = attack * rumbleCut.high;
        bodyLevel *= bodyFall;
        pitchDrop *= pitchFall;
        leatherLevel *= leatherFall;
        smackLevel *= smackFall;
    }
    normalise(blow, 0.85);
    fadeEdges(blow, 0.0, 0.06);
    return blow;
}

Samples makeGuardBlock() {
    const double seconds = 0.09;
    Samples block(sampleCount(seconds));
    Noise noise(22);
    Oscillator body;
    // Leather on leather: a bright crack over a padded slap, and hardly any body, the gloves
    // taking the blow; nothing below 150 Hz, where the thuds are.
    StateVariableFilter crack(7000.0, 1.2), slap(1300.0, 0.8), lowCut(150.0, 0.7),
        secondLowCut(150.0, 0.7);
    const double crackFall = decayPerSample(0.007), slapFall = decayPerSample(0.012);
    const double bodyFall = decayPerSample(0.015);
    const int rise = sampleCount(0.0015);
    double crackLevel = 1.0, slapLevel = 0.35, bodyLevel = 0.25;
    for (int i = 0; i < static_cast<int>(block.size()); ++i) {
        const double attack = i < rise ? static_cast<double>(i) / rise : 1.0;
        const double n = noise.next();
        crack.process(n);
        slap.process(n);
        lowCut.process(crackLevel * crack.band + slapLevel * slap.band +
                       bodyLevel * body.next(240.0));
        secondLowCut.process(lowCut.high);
        block[i] = attack * secondLowCut.high;
        crackLevel *= crackFall;
        slapLevel *= slapFall;
        bodyLevel *= bodyFall;
    }
    normalise(block, 0.7);
    fadeEdges(block, 0.0, 0.015);
    return block;
}

Samples makeRefereeCount() {
    const double seconds = 0.22;
    Samples knock(sampleCount(seconds));
    Noise noise(23);
    Oscillator low, marker;
    // A hard wooden knock: two inharmonic modes and a click of noise at the strike.
    StateVariableFilter click(2500.0, 1.0);
    const double lowFall = decayPerSample(0.035), markerFall = decayPerSample(0.03);
    const double clickFall = decayPerSample(0.002);
    const int rise = sampleCount(0.001);
    double lowLevel = 0.6, markerLevel = 0.5, clickLevel = 0.3;
    for (int i = 0; i < static_cast<int>(knock.size()); ++i) {
        const double attack = i < rise ? static_cast<double>(i) / rise : 1.0;
        click.process(noise.next());
        knock[i] = attack * (lowLevel * low.next(knockLowHz) +
                             markerLevel * marker.next(knockMarkerHz) + clickLevel * click.band);
        lowLevel *= lowFall;
        markerLevel *= markerFall;
        clickLevel *= clickFall;
    }
    normalise(knock, 0.6);
    fadeEdges(knock, 0.0, 0.02);
    return knock;
}

Samples makeCrowdRoar() {
    const double seconds = 2.4;
    // Deep voices below the murmur's and the cheer's, over a darker crowd than the cheer's.
    Samples roar = crowdVoices(seconds, 12, 150.0, 280.0, 450.0, 13, 120.0);
    mixInto(roar, crowdVoices(seconds, 14, 250.0, 800.0, 1100.0, 14, 220.0), 0, 0.4);
    // A gasp in the first 60 ms, then the roar swells for a second, holds and dies away.
    for (int i = 0; i < static_cast<int>(roar.size()); ++i) {
        const double t = timeOf(i);
        const double swell = t < 0.06  ? 0.6 * t / 0.06
                             : t < 1.0 ? 0.6 + 0.4 * (t - 0.06) / 0.94
                                       : 1.0;
        const double fall = t < 1.4 ? 1.0 : 1.0 - (t - 1.4) / (seconds - 1.4);
        roar[i] *= swell * fall * fall;
    }
    normalise(roar, 0.7);
    return roar;
}
