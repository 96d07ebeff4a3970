// Opens OIS on the render window and hands its keyboard and mouse events to the player controller.
#pragma once

#include <OgrePrerequisites.h>

#include <OISInputManager.h>
#include <OISKeyboard.h>
#include <OISMouse.h>

class PlayerController;

class InputHandler : public OIS::KeyListener, public OIS::MouseListener {
public:
    explicit InputHandler(Ogre::RenderWindow* window);
    ~InputHandler() override;

    void setController(PlayerController* controller);

    // Dispatches the buffered events, ends the game on Escape, polls the held keys.
    bool capture(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame);

    bool keyPressed(const OIS::KeyEvent& event) override;
    bool keyReleased(const OIS::KeyEvent& event) override;
    bool mouseMoved(const OIS::MouseEvent& event) override;
    bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID button) override;
    bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID button) override;

private:
    OIS::InputManager* inputManager;
    OIS::Keyboard* keyboard;
    OIS::Mouse* mouse;
    PlayerController* controller;
};
