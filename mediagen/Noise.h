// Hashed value noise: tileable in 2-D for textures that repeat, and 3-D for directions on the sky.
#pragma once

#include <cstdint>

class Noise {
public:
    explicit Noise(std::uint32_t seed);

    // Smooth noise in [0, 1] over a lattice that repeats every `period` cells in x and y.
    float tiled(float x, float y, int period) const;
    // Octaves of tiled noise, each twice the frequency and half the weight; result in [0, 1].
    float tiledFractal(float x, float y, int period, int octaves) const;

    float solid(float x, float y, float z) const;
    float solidFractal(float x, float y, float z, int octaves) const;

private:
    float lattice(int x, int y, int z) const;
    std::uint32_t seed;
};
