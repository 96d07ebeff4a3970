// The far field of the level: crates and targets in a row from near the eye to the far clip, fading
// into the haze with the ground behind them.
#include "tools/ShotScene.h"

#include "targets/Crate.h"
#include "targets/Target.h"
#include "world/Level.h"

#include <OgreSceneNode.h>

namespace {

const Ogre::Real eyeHeight = 15;
const Ogre::Real rowDistances[] = {60, 140, 220, 300, 380, 460};
const Ogre::Real rowSpread = 30;

ShotSceneRegistrar farFieldScene("farfield", [](ShotContext& context, const auto& save) {
    new Level(context.scene);
    bool crate = true;
    for (const Ogre::Real distance : rowDistances) {
        const Ogre::Real aside = crate ? -rowSpread : rowSpread;
        if (crate)
            new Crate(context.scene, aside, 8, -distance);
        else
            new Target(context.scene, aside, 20, -distance);
        crate = !crate;
    }
    context.eye->setPosition(0, eyeHeight, 0);
    context.eye->lookAt(Ogre::Vector3(0, eyeHeight, -1), Ogre::Node::TS_WORLD);
    save("");
});

} // namespace
