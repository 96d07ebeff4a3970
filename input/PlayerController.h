// Maps keys, buttons and mouse motion to the soldier's, the camera's and the HUD's actions.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

#include "input/RightHandSide.h"

#include <OISKeyboard.h>
#include <OISMouse.h>

class GameHud;
class Soldier;
class ThirdPersonCamera;

class PlayerController {
public:
    PlayerController(Soldier* player, ThirdPersonCamera* camera, GameHud* hud);

    bool handleKeyPressed(const OIS::KeyEvent& event);
    bool handleMouseMoved(const OIS::MouseEvent& event);
    bool handleMousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID button);
    bool handleMouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID button);

    // Keys that act for as long as they are held.
    void pollKeyboard(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame, OIS::Keyboard* keyboard, OIS::Mouse* mouse);

private:
    void setAiming(bool aiming);

    Soldier* player;
    ThirdPersonCamera* camera;
    GameHud* hud;
    RightHandSide side;
};
