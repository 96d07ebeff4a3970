// The soldier riding the truck: standing, running, firing and in the middle of a reload, with the HUD.
#include "tools/ShotScene.h"

#include "hud/GameHud.h"
#include "player/Soldier.h"
#include "world/Level.h"

#include <OgreRoot.h>
#include <OgreSceneNode.h>

namespace {

const Ogre::Real frameTime = 1.0f / 30;

ShotSceneRegistrar soldierScene("soldier", [](ShotContext& context, const auto& save) {
    GameHud* hud = new GameHud();
    Level* level = new Level(context.scene);
    Soldier* soldier = new Soldier(context.scene, hud, level);
    soldier->setTruckNode(level->getTruckNode());
    soldier->setRiding(true);

    // Frames in the game's order; the request comes where input would.
    auto play = [&](int count, const std::function<void()>& request) {
        for (int frame = 0; frame < count; ++frame) {
            soldier->update(0, frameTime);
            request();
            hud->update(0, frameTime);
            level->update(0, frameTime);
            Ogre::Root::getSingleton().renderOneFrame();
        }
    };
    auto pose = [&](const std::string& name) {
        // Ahead of him and to his left, looking back at his chest.
        const Ogre::Vector3 at = soldier->getPosition() + Ogre::Vector3(0, 10, 0);
        context.eye->setPosition(at + Ogre::Vector3(18, 4, 28));
        context.eye->lookAt(at, Ogre::Node::TS_WORLD);
        save(name);
    };
    const auto nothing = [] {};

    play(10, nothing);
    pose("standing");
    play(10, [&] { soldier->move(30 * frameTime); });
    pose("running");

    hud->setCrosshairVisible(true);
    soldier->aim(true);
    play(25, nothing);
    soldier->fire(true);
    play(20, nothing);
    pose("aiming");

    hud->setCrosshairVisible(false);
    soldier->fire(false);
    soldier->aim(false);
    play(30, nothing);
    soldier->reload();
    play(15, nothing);
    pose("reloading");
});

} // namespace
