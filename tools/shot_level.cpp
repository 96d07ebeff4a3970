// The level as the game builds it: the truck from above, a crate and a target as they wear down.
#include "tools/ShotScene.h"

#include "targets/AbstractTarget.h"
#include "world/Level.h"

#include <OgreSceneNode.h>

namespace {

void lookFrom(ShotContext& context, const Ogre::Vector3& eye, const Ogre::Vector3& target)
{
    context.eye->setFixedYawAxis(true);
    context.eye->setPosition(eye);
    context.eye->lookAt(target, Ogre::Node::TS_WORLD);
}

// Saves the object intact, then after enough centre hits to crack it, then to destroy it.
void wearDown(ShotContext& context, const std::function<void(const std::string&)>& save, AbstractTarget* object,
    const std::string& name, const Ogre::Vector3& eyeOffset, int hitsPerStage)
{
    const Ogre::Vector3 centre = object->getCenter();
    lookFrom(context, centre + eyeOffset, centre);
    save(name + "-intact");
    for (const char* stage : {"cracked", "destroyed"}) {
        for (int shot = 0; shot < hitsPerStage; ++shot)
            object->hit(0);
        save(name + "-" + stage);
    }
}

ShotSceneRegistrar levelScene("level", [](ShotContext& context, const auto& save) {
    Level* level = new Level(context.scene);
    level->update(0, 0);
    const Ogre::Vector3 truck = level->getTruckNode()->getPosition();
    lookFrom(context, truck + Ogre::Vector3(-45, 60, -70), truck + Ogre::Vector3(0, 0, 20));
    save("truck");

    wearDown(context, save, level->getTargets().front(), "crate", Ogre::Vector3(25, 18, 30), 3);
    wearDown(context, save, level->getTargets().back(), "target", Ogre::Vector3(45, 10, 25), 6);
});

} // namespace
