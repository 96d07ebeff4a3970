#include "targets/Crate.h"
#include "targets/Target.h"
#include "tests/headless/HeadlessGame.h"

#include <OgreEntity.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

#include <vector>

// Hits on a new object, alone in a scene of its own, and its look after each, a letter a hit: intact, cracked,
// destroyed. Health at exactly half is still intact, at exactly zero cracked, and a hit scores only while health
// is above zero.
TEST(Targets, HitsWearHealthDownThroughCrackedToDestroyedAndScoreWhileAboveZero)
{
    sharedLevel(); // first, so that its objects keep their names
    Ogre::Root& root = Ogre::Root::getSingleton();
    Ogre::SceneManager* const scenes[] = {root.createSceneManager("DefaultSceneManager"), root.createSceneManager("DefaultSceneManager")};
    Target target(scenes[0], 0, 20, 0);
    Crate crate(scenes[1], 0, 8, 0);
    const struct { AbstractTarget* object; Ogre::SceneManager* scene; unsigned int face; const char* cracked; const char* destroyed;
        std::vector<Ogre::Real> distances; const char* looks; Ogre::Real score; } sequences[] = {
        // Health 150: five full hits and one of 7.5 leave 75; five more, one of 7 and one of 0.5 leave 0.
        {&target, scenes[0], 1, "target_cracked", "target_perish", {0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 6.5f, 13, 0}, "iiiiiicccccccd", 150},
        // Health 70: 35, then 0.
        {&crate, scenes[1], 0, "doboz_cracked", "doboz_burning", {0, 0, 5.5f, 0, 0, 5.5f, 0, 0}, "iiicccdd", 70},
    };
    for (const auto& sequence : sequences) {
        SCOPED_TRACE(sequence.cracked);
        const Ogre::SubEntity* face =
            static_cast<Ogre::Entity*>(sequence.scene->getMovableObjects("Entity").begin()->second)->getSubEntity(sequence.face);
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
