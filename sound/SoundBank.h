// Every sound the game plays, read from the media tree and checked when the game starts.
#pragma once

#include "common/MediaContract.h"

#include <cstdint>
#include <vector>

class SoundBank {
public:
    // Throws an engine exception naming the first sound file that is missing or corrupt.
    SoundBank();

    const std::vector<std::int16_t>& samples(Media::Sounds::Clip clip) const { return clips[clip]; }

private:
    std::vector<std::vector<std::int16_t>> clips;
};
