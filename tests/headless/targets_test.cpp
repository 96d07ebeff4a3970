#include "targets/Crate.h"
#include "targets/Target.h"
#include "tests/headless/HeadlessGame.h"

#include <Ogre.h>

#include <gtest/gtest.h>

#include <vector>

// Hits on a new object, alone in a scene of its own, and its look after each, a letter a hit: intact, cracked,
// destroyed. Health at exactly half is still intact, at exactly zero cracked, and a hit scores only while health
// is above zero.
TEST(Targets, HitsWearHealthDownThroughCrackedToDestroyedAndScoreWhileAboveZero)
{
    sharedLevel(); // first, so that its objects keep their names
    Ogre::SceneManager* const scenes[] = {newScene(), newScene()};
    Target target(scenes[0], 100, 20, 200);
    Crate crate(scenes[1], 100, 8, 200);
    // What a shot's ray meets: the target's model 3 by 40 by 20 times as large round its node, the crate 15 units
    // across round its centre.
    const Ogre::AxisAlignedBox model = Ogre::MeshManager::getSingleton().getByName("target01.mesh")->getBounds();
    const Ogre::Vector3 targetScale(3, 40, 20), at(100, 20, 200);
    const struct { AbstractTarget* object; Ogre::SceneManager* scene; Ogre::AxisAlignedBox box; unsigned int face; const char* cracked;
        const char* destroyed; std::vector<Ogre::Real> distances; const char* looks; Ogre::Real score; } sequences[] = {
        // Health 150: five full hits and one of 7.5 leave 75; five more, one of 7 and one of 0.5 leave 0.
        {&target, scenes[0], {at + model.getMinimum() * targetScale, at + model.getMaximum() * targetScale}, 1, "target_cracked",
            "target_perish", {0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 6.5f, 13, 0}, "iiiiiicccccccd", 150},
        // Health 70: 35, then 0.
        {&crate, scenes[1], {{92.5f, 0.5f, 192.5f}, {107.5f, 15.5f, 207.5f}}, 0, "doboz_cracked", "doboz_burning",
            {0, 0, 5.5f, 0, 0, 5.5f, 0, 0}, "iiicccdd", 70},
    };
    for (const auto& sequence : sequences) {
        SCOPED_TRACE(sequence.cracked);
        Ogre::Entity* entity = static_cast<Ogre::Entity*>(sequence.scene->getMovableObjects("Entity").begin()->second);
        EXPECT_EQ(entity->getWorldBoundingBox(true), sequence.box);
        const Ogre::SubEntity* face = entity->getSubEntity(sequence.face);
        const std::string intact = face->getMaterialName();
        Ogre::Real score = 0;
        std::string looks;
        for (Ogre::Real distance : sequence.distances) {
            score += sequence.object->hit(distance);
            const std::string look = face->getMaterialName();
            looks += look == intact ? 'i' : look == sequence.cracked ? 'c' : look == sequence.destroyed ? 'd' : '?';
        }
        EXPECT_EQ(looks, sequence.looks);
        EXPECT_EQ(score, sequence.score);
    }
}
