// A small seeded generator of our own, so the art comes out the same on every run and platform.
#pragma once

#include <cstdint>

class Random {
public:
    explicit Random(std::uint64_t seed);

    std::uint32_t next();
    // Uniform in [0, 1).
    float uniform();
    float range(float low, float high);

private:
    std::uint64_t state;
};
