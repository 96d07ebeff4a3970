#include "targets/AbstractTarget.h"
#include "tests/headless/SharedLevel.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A run of hits on one object and the look after each, one letter a hit: intact, cracked, destroyed.
struct HitSequence {
    const char* entity;
    unsigned int lookSubEntity;
    std::size_t index;
    std::vector<Ogre::Real> distances;
    const char* looks;
    Ogre::Real score;
};

std::vector<Ogre::Real> centre(int hits)
{
    return std::vector<Ogre::Real>(hits, 0);
}

} // namespace

TEST(Targets, HitsWearHealthDownThroughCrackedToDestroyedAndScoreWhileAboveZero)
{
    const HitSequence sequences[] = {
        {"target_0000", 1, 35, centre(13), "iiiiiccccccdd", 162},
        {"crate_0002", 0, 2, centre(7), "iicccdd", 81},
        // Health 35 (exactly half) is intact, 0 is cracked and scores nothing more.
        {"crate_0003", 0, 3, {0, 0, 5.5f, 0, 0, 5.5f, 0}, "iiicccd", 70},
    };
    for (const HitSequence& sequence : sequences) {
        SCOPED_TRACE(sequence.entity);
        const std::string intact = materialOf(sequence.entity, sequence.lookSubEntity);
        const std::string body = materialOf(sequence.entity, 0);
        AbstractTarget* object = sharedLevel()->getTargets().at(sequence.index);
        const bool crate = sequence.index < 35;
        Ogre::Real score = 0;
        std::string looks;
        for (Ogre::Real distance : sequence.distances) {
            score += object->hit(distance);
            const std::string look = materialOf(sequence.entity, sequence.lookSubEntity);
            looks += look == intact                                             ? 'i'
                : look == (crate ? "doboz_cracked" : "target_cracked")          ? 'c'
                : look == (crate ? "doboz_burning" : "target_perish")           ? 'd'
                                                                                : '?';
        }
        EXPECT_EQ(looks, sequence.looks);
        EXPECT_EQ(score, sequence.score);
        EXPECT_TRUE(crate || materialOf(sequence.entity, 0) == body) << "only the face changes its look";
    }
}
