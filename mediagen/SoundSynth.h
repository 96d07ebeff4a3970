// The game's sound effects, synthesised: mono, at the sounds' rate, peak-normalised floats.
#pragma once

#include <vector>

class SoundSynth {
public:
    using Samples = std::vector<float>;

    Samples shot(int variant) const;
    Samples emptyClick() const;
    Samples magazineOut() const;
    Samples magazineIn() const;
    Samples bolt() const;
    // Wood (a crate) or a painted board (a target).
    Samples hit(bool board, int variant) const;
    Samples crack(bool board) const;
    Samples breakApart(bool board) const;
    // Boots landing on the ground from the truck's deck.
    Samples stepOff() const;
    // A loop of a whole number of engine cycles.
    Samples engine() const;
};
