#pragma once

#include "tests/HeldKeys.h"

// A fixed session of play, handed to the assembled game's controller between frames as a player's
// input would reach it: riding, raising the rifle, firing, the aim swept round the whole field,
// crates and targets cracked and destroyed, stepping off the truck and walking.
class ScriptedPlay {
public:
    // Input of the frame about to be rendered, counting from the first.
    void beforeFrame(int frame, float frameTime);

    // The parts of the session, for figures of their own.
    enum Part { Riding, RifleRaised, OnFoot, PartCount };
    static const char* const partNames[PartCount];
    static Part partOf(int frame);

private:
    void damageNearestObjects();

    HeldKeys keys;
};
