#include "targets/AbstractTarget.h"
#include "tests/headless/HeadlessGame.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <vector>

// Hits on one object and its look after each, a letter a hit: intact, cracked, destroyed. Health at exactly
// half is still intact, at exactly zero cracked, and a hit scores only while health is above zero.
TEST(Targets, HitsWearHealthDownThroughCrackedToDestroyedAndScoreWhileAboveZero)
{
    const struct { const char* entity; unsigned int lookSubEntity; std::size_t index; std::vector<Ogre::Real> distances;
        const char* looks; Ogre::Real score; } sequences[] = {
        // Health 150: five full hits and one of 7.5 leave 75; five more, one of 7 and one of 0.5 leave 0.
        {"target_0000", 1, 35, {0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 6.5f, 13, 0}, "iiiiiicccccccd", 150},
        // Health 70: 35, then 0.
        {"crate_0003", 0, 3, {0, 0, 5.5f, 0, 0, 5.5f, 0, 0}, "iiicccdd", 70},
    };
    for (const auto& sequence : sequences) {
        SCOPED_TRACE(sequence.entity);
        const std::string intact = materialOf(sequence.entity, sequence.lookSubEntity);
        AbstractTarget* object = sharedLevel()->getTargets().at(sequence.index);
        const bool crate = sequence.index < 35;
        Ogre::Real score = 0;
        std::string looks;
        for (Ogre::Real distance : sequence.distances) {
            score += object->hit(distance);
            const std::string look = materialOf(sequence.entity, sequence.lookSubEntity);
            looks += look == intact                                    ? 'i'
                : look == (crate ? "doboz_cracked" : "target_cracked") ? 'c'
                : look == (crate ? "doboz_burning" : "target_perish")  ? 'd'
                                                                       : '?';
        }
        EXPECT_EQ(looks, sequence.looks);
        EXPECT_EQ(score, sequence.score);
    }
}
