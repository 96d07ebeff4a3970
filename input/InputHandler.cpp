#include "input/InputHandler.h"

#include "input/PlayerController.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

#include <cstdlib>
#include <sstream>

InputHandler::InputHandler(Ogre::RenderWindow* window)
    : controller(nullptr)
{
    Ogre::LogManager::getSingletonPtr()->logMessage("*** Initializing OIS ***", Ogre::LML_NORMAL, false);
    OIS::ParamList parameters;
    size_t windowHandle = 0;
    window->getCustomAttribute("WINDOW", &windowHandle);
    std::ostringstream handleText;
    handleText << windowHandle;
    parameters.insert(std::make_pair(std::string("WINDOW"), handleText.str()));
    inputManager = OIS::InputManager::createInputSystem(parameters);
    keyboard = static_cast<OIS::Keyboard*>(inputManager->createInputObject(OIS::OISKeyboard, true));
    mouse = static_cast<OIS::Mouse*>(inputManager->createInputObject(OIS::OISMouse, true));
    keyboard->setEventCallback(this);
    mouse->setEventCallback(this);
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
    keyboard->capture();
    mouse->capture();
    if (keyboard->isKeyDown(OIS::KC_ESCAPE))
        std::exit(0);
    controller->pollKeyboard(totalTime, timeSinceLastFrame, keyboard, mouse);
    return true;
}

bool InputHandler::keyPressed(const OIS::KeyEvent& event)
{
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
