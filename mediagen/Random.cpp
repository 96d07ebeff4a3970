#include "mediagen/Random.h"

Random::Random(std::uint64_t seed) : state(seed) {}

std::uint32_t Random::next()
{
    // splitmix64
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

float Random::uniform()
{
    return static_cast<float>(next() >> 8) / static_cast<float>(1u << 24);
}

float Random::range(float low, float high)
{
    return low + (high - low) * uniform();
}
