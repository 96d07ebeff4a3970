// Opens OIS on the render window and hands its keyboard and mouse events to the player controller.
#pragma once

#include <OgrePrerequisites.h>

#include <OISInputManager.h>
#include <OISKeyboard.h>
#include <OISMouse.h>

#include <memory>

class DesktopInput;
class PlayerController;

class InputHandler : public OIS::KeyListener, public OIS::MouseListener {
public:
    explicit InputHandler(Ogre::RenderWindow* window);
    ~InputHandler() override;

    void setController(PlayerController* controller);

    // Follows the window's focus, dispatches the buffered events and the pointing device's motion,
    // ends the game on Escape, polls the held keys.
    bool capture(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame);

    bool keyPressed(const OIS::KeyEvent& event) override;
    bool keyReleased(const OIS::KeyEvent& event) override;
    bool mouseMoved(const OIS::MouseEvent& event) override;
    bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID button) override;
    bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID button) override;

private:
    // OIS makes its mouse's motion from pointer positions, which the window's edges cut short: only the
    // mouse's buttons come through OIS, the motion comes from the device itself.
    class ButtonsOnly : public OIS::MouseListener {
    public:
        explicit ButtonsOnly(InputHandler& handler) : handler(handler) {}
        bool mouseMoved(const OIS::MouseEvent&) override { return true; }
        bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID button) override { return handler.mousePressed(event, button); }
        bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID button) override { return handler.mouseReleased(event, button); }

    private:
        InputHandler& handler;
    };

    void followFocus();
    void openInputSystem();
    void openMouse();
    void letGoOfEverything();
    void turnAim();

    OIS::ParamList parameters;
    OIS::InputManager* inputManager;
    OIS::Keyboard* keyboard;
    OIS::Mouse* mouse;
    PlayerController* controller;
    std::unique_ptr<DesktopInput> desktop;
    ButtonsOnly buttons;
    bool escapePressed;
};
