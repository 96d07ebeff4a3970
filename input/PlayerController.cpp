#include "input/PlayerController.h"

#include "hud/GameHud.h"
#include "input/ThirdPersonCamera.h"
#include "player/Soldier.h"

#include <OgreQuaternion.h>

namespace {

const Ogre::Real walkingSpeed = 30.0f;        // units per second
const Ogre::Real degreesPerCount = -0.1f;     // mouse sensitivity

} // namespace

PlayerController::PlayerController(Soldier* player, ThirdPersonCamera* camera, GameHud* hud)
    : player(player)
    , camera(camera)
    , hud(hud)
{
}

bool PlayerController::handleKeyPressed(const OIS::KeyEvent& event)
{
    if (event.key == OIS::KC_R)
        player->reload();
    else if (event.key == OIS::KC_U)
        player->setRiding(false);
    return true;
}

bool PlayerController::handleMouseMoved(const OIS::MouseEvent& event)
{
    const Ogre::Real yawDegrees = event.state.X.rel * degreesPerCount;
    const Ogre::Real pitchDegrees = event.state.Y.rel * degreesPerCount;
    const Ogre::Quaternion yaw(Ogre::Degree(yawDegrees), Ogre::Vector3::UNIT_Y);
    const Ogre::Quaternion pitch(Ogre::Degree(pitchDegrees), side.of(player->getAimDirection()));
    player->setAimDirection((yaw * pitch) * player->getAimDirection());
    return true;
}

bool PlayerController::handleMousePressed(const OIS::MouseEvent&, OIS::MouseButtonID button)
{
    if (button == OIS::MB_Left)
        player->fire(true);
    else if (button == OIS::MB_Right)
        setAiming(true);
    return true;
}

bool PlayerController::handleMouseReleased(const OIS::MouseEvent&, OIS::MouseButtonID button)
{
    if (button == OIS::MB_Left)
        player->fire(false);
    else if (button == OIS::MB_Right)
        setAiming(false);
    return true;
}

void PlayerController::pollKeyboard(Ogre::Real, Ogre::Real timeSinceLastFrame, OIS::Keyboard* keyboard, OIS::Mouse*)
{
    if (keyboard->isKeyDown(OIS::KC_W))
        player->move(timeSinceLastFrame * walkingSpeed);
    if (keyboard->isKeyDown(OIS::KC_S))
        player->move(-(timeSinceLastFrame * walkingSpeed));
}

// The camera and the crosshair follow the button even when the soldier refuses to aim.
void PlayerController::setAiming(bool aiming)
{
    player->aim(aiming);
    camera->setAiming(aiming);
    hud->setCrosshairVisible(aiming);
}
