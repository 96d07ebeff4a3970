// Every sound the game plays, read from the media tree and checked when the game starts.
#pragma once

#include <cstdint>
#include <vector>

class SoundBank {
public:
    enum Clip {
        Shot0, Shot1, Shot2, Click, MagazineOut, MagazineIn, Bolt,
        WoodHit0, WoodHit1, WoodCrack, WoodBreak, BoardHit0, BoardHit1, BoardCrack, BoardBreak,
        Engine, ClipCount
    };
    static constexpr int shotVariants = 3;
    static constexpr int hitVariants = 2;

    // Throws an engine exception naming the first sound file that is missing or corrupt.
    SoundBank();

    const std::vector<std::int16_t>& samples(Clip clip) const { return clips[clip]; }

private:
    std::vector<std::vector<std::int16_t>> clips;
};
