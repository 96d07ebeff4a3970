#include "hud/GameHud.h"

#include <OgreException.h>
#include <OgreStringConverter.h>

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

namespace {

const int startingAmmo = 300;
const Ogre::Real fpsInterval = 1.0f;

Ogre::OverlayElement* element(const Ogre::String& name)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(name, false);
}

// At most four significant digits: "13.5", "59.94", "1235".
Ogre::String formatReal(Ogre::Real value)
{
    return Ogre::StringConverter::toString(value, 4, 0, ' ', std::ios::fmtflags(0));
}

void setCaption(const Ogre::String& name, const Ogre::String& text)
{
    element(name)->setCaption(Ogre::DisplayString(text));
}

void setVisible(const Ogre::String& name, bool visible)
{
    if (visible)
        element(name)->show();
    else
        element(name)->hide();
}

} // namespace

GameHud::GameHud()
    : fps(0)
    , fpsTime(0)
    , fpsFrames(0)
    , crosshairVisible(false)
    // The magazine count shows from the start; only a reload hides it.
    , magazineVisible(true)
    , ammo(startingAmmo)
    , magazine(MagazineCapacity)
    , hits(0)
{
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName("MainOverlay");
    // Fail like a missing element does, not with a null dereference.
    if (!overlay)
        OGRE_EXCEPT(Ogre::Exception::ERR_ITEM_NOT_FOUND, "Overlay MainOverlay not found", "GameHud::GameHud");
    overlay->show();
    element("EndGame0")->hide();
    element("EndGame1")->hide();
}

void GameHud::update(Ogre::Real, Ogre::Real timeSinceLastFrame)
{
    if (ammo <= 0 && magazine <= 0)
        showEndGame();

    fpsTime += timeSinceLastFrame;
    fpsFrames += 1;
    if (fpsTime >= fpsInterval) {
        fps = fpsFrames / fpsTime;
        fpsTime = 0;
        fpsFrames = 0;
    }

    setCaption("FPS", formatReal(fps));
    setCaption("Hits", formatReal(hits));
    setCaption("Magazine", Ogre::StringConverter::toString(magazine));
    setCaption("Ammo", Ogre::StringConverter::toString(ammo));

    setVisible("Cross", crosshairVisible);
    setVisible("Magazine", magazineVisible);
}

void GameHud::showEndGame()
{
    setCaption("EndGame0", formatReal(hits));
    element("EndGame0")->show();
    element("EndGame1")->show();
}

void GameHud::refillMagazine()
{
    ammo -= MagazineCapacity - magazine;
    if (ammo < 0) {
        magazine = MagazineCapacity + ammo;
        ammo = 0;
    } else {
        magazine = MagazineCapacity;
    }
}

void GameHud::setMagazineVisible(bool visible)
{
    magazineVisible = visible;
}

void GameHud::setCrosshairVisible(bool visible)
{
    crosshairVisible = visible;
}
