#include "input/InputHandler.h"

#include "input/PlayerController.h"
#include "platform/DesktopInput.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

#include <cstdlib>
#include <sstream>

namespace {

const OIS::MouseButtonID everyButton[] = {
    OIS::MB_Left, OIS::MB_Right, OIS::MB_Middle, OIS::MB_Button3, OIS::MB_Button4, OIS::MB_Button5,
    OIS::MB_Button6, OIS::MB_Button7,
};

} // namespace

InputHandler::InputHandler(Ogre::RenderWindow* window)
    : inputManager(nullptr)
    , keyboard(nullptr)
    , mouse(nullptr)
    , controller(nullptr)
    , desktop(new DesktopInput(window))
    , buttons(*this)
    , escapePressed(false)
{
    Ogre::LogManager::getSingletonPtr()->logMessage("*** Initializing OIS ***", Ogre::LML_NORMAL, false);
    size_t windowHandle = 0;
    window->getCustomAttribute("WINDOW", &windowHandle);
    std::ostringstream handleText;
    handleText << windowHandle;
    parameters.insert(std::make_pair(std::string("WINDOW"), handleText.str()));
    // The keyboard is never taken from the desktop. The mouse holds the pointer in the window and hides
    // it for as long as it is open, and it is open only while the window has focus.
    parameters.insert(std::make_pair(std::string("x11_keyboard_grab"), std::string("false")));
    parameters.insert(std::make_pair(std::string("x11_mouse_grab"), std::string("true")));
    parameters.insert(std::make_pair(std::string("x11_mouse_hide"), std::string("true")));
    openInputSystem();
    if (desktop->hasFocus())
        openMouse();
}

InputHandler::~InputHandler()
{
    Ogre::LogManager::getSingletonPtr()->logMessage("*** Shutting down OIS ***", Ogre::LML_NORMAL, false);
    OIS::InputManager::destroyInputSystem(inputManager);
}

void InputHandler::setController(PlayerController* newController)
{
    controller = newController;
}

bool InputHandler::capture(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame)
{
    followFocus();
    keyboard->capture();
    turnAim();
    if (mouse)
        mouse->capture();
    // A press and its release within one frame leave the key up, yet the press was seen.
    if (escapePressed || keyboard->isKeyDown(OIS::KC_ESCAPE))
        std::exit(0);
    controller->pollKeyboard(totalTime, timeSinceLastFrame, keyboard, mouse);
    return true;
}

bool InputHandler::keyPressed(const OIS::KeyEvent& event)
{
    escapePressed = escapePressed || event.key == OIS::KC_ESCAPE;
    return controller->handleKeyPressed(event);
}

bool InputHandler::keyReleased(const OIS::KeyEvent&)
{
    return true;
}

bool InputHandler::mouseMoved(const OIS::MouseEvent& event)
{
    return controller->handleMouseMoved(event);
}

bool InputHandler::mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID button)
{
    return controller->handleMousePressed(event, button);
}

bool InputHandler::mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID button)
{
    return controller->handleMouseReleased(event, button);
}

// Keys and buttons released in another window never reach this one: when focus leaves, everything held
// is let go, and the pointer with it. The pointer can be held only in a window on the screen, which a
// window being restored may not yet be: once the window has moved, the mouse is opened again.
void InputHandler::followFocus()
{
    desktop->update();
    if (desktop->lostFocus())
        letGoOfEverything();
    if (mouse && desktop->windowMoved()) {
        inputManager->destroyInputObject(mouse);
        mouse = nullptr;
    }
    if (desktop->hasFocus() && !mouse)
        openMouse();
}

void InputHandler::openInputSystem()
{
    inputManager = OIS::InputManager::createInputSystem(parameters);
    keyboard = static_cast<OIS::Keyboard*>(inputManager->createInputObject(OIS::OISKeyboard, true));
    keyboard->setEventCallback(this);
}

void InputHandler::openMouse()
{
    mouse = static_cast<OIS::Mouse*>(inputManager->createInputObject(OIS::OISMouse, true));
    mouse->setEventCallback(&buttons);
}

// Each held button is released as its own release would be. A fresh keyboard knows of no held key; OIS
// makes a second keyboard only in a new input system.
void InputHandler::letGoOfEverything()
{
    if (mouse) {
        const OIS::MouseState held = mouse->getMouseState();
        for (const OIS::MouseButtonID button : everyButton)
            if (held.buttonDown(button))
                mouseReleased(OIS::MouseEvent(mouse, held), button);
    }
    OIS::InputManager::destroyInputSystem(inputManager);
    mouse = nullptr;
    openInputSystem();
}

void InputHandler::turnAim()
{
    const DesktopInput::Motion motion = desktop->takeMotion();
    if (motion.x == 0 && motion.y == 0)
        return;
    OIS::MouseState state;
    state.X.rel = motion.x;
    state.Y.rel = motion.y;
    mouseMoved(OIS::MouseEvent(mouse, state));
}
