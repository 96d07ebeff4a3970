#include "targets/AbstractTarget.h"
#include "tests/headless/SharedLevel.h"
#include "world/Level.h"

#include <gtest/gtest.h>

namespace {

// The look after each of a run of centre hits, one letter each: intact, cracked, destroyed.
std::string centreHitLooks(int index, const std::string& entity, unsigned int subEntity, const std::string& cracked,
    const std::string& destroyed, int hits, Ogre::Real& score)
{
    const std::string intact = materialOf(entity, subEntity);
    std::string looks;
    for (int shot = 0; shot < hits; ++shot) {
        score += sharedLevel()->getTargets().at(index)->hit(0);
        const std::string look = materialOf(entity, subEntity);
        looks += look == intact ? 'i' : look == cracked ? 'c' : look == destroyed ? 'd' : '?';
    }
    return looks;
}

} // namespace

TEST(Targets, CentreHitsCrackThenDestroyAndScoreUntilBelowZero)
{
    const std::string targetBody = materialOf("target_0000", 0);
    Ogre::Real score = 0;
    EXPECT_EQ(centreHitLooks(35, "target_0000", 1, "target_cracked", "target_perish", 13, score), "iiiiiccccccdd");
    EXPECT_EQ(score, 162);
    EXPECT_EQ(materialOf("target_0000", 0), targetBody);

    score = 0;
    EXPECT_EQ(centreHitLooks(2, "crate_0002", 0, "doboz_cracked", "doboz_burning", 7, score), "iicccdd");
    EXPECT_EQ(score, 81);
}

TEST(Targets, HealthExactlyZeroIsCrackedAndScoresNoMore)
{
    AbstractTarget* crate = sharedLevel()->getTargets().at(3);
    for (int shot = 0; shot < 5; ++shot)
        crate->hit(0);
    EXPECT_EQ(crate->hit(11), 2.5f);
    EXPECT_EQ(materialOf("crate_0003"), "doboz_cracked");
    EXPECT_EQ(crate->hit(0), 0);
    EXPECT_EQ(materialOf("crate_0003"), "doboz_burning");
}
