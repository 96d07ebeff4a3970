#include "hud/GameHud.h"

#include "tests/headless/HeadlessGame.h"

#include <OgreException.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

TEST(GameHud, ShowsCountsAndTheFrameRateRefillsFromTheReserveAndEndsTheGame)
{
    const auto element = [](const char* name) { return Ogre::OverlayManager::getSingleton().getOverlayElement(name); };
    const auto caption = [&](const char* name) { return element(name)->getCaption().asUTF8(); };
    headlessScene();
    // Without its overlay the HUD fails naming it; the overlay is then put back as it was.
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* overlay = overlays.getByName("MainOverlay");
    const Ogre::Overlay::OverlayContainerList panels = overlay->get2DElements();
    const Ogre::ushort zOrder = overlay->getZOrder();
    overlays.destroy(overlay);
    EXPECT_THROW(GameHud{}, Ogre::ItemIdentityException);
    overlay = overlays.create("MainOverlay");
    overlay->setZOrder(zOrder);
    for (Ogre::OverlayContainer* panel : panels)
        overlay->add2D(panel);
    overlay->hide();
    element("EndGame0")->show(), element("EndGame1")->show();
    GameHud hud;
    EXPECT_TRUE(overlay->isVisible() && !element("EndGame0")->isVisible() && !element("EndGame1")->isVisible());
    for (int frame = 0; frame < 3; ++frame)
        hud.update(0, 0.25f);
    EXPECT_EQ(caption("FPS") + " " + caption("Hits") + " " + caption("Magazine") + " " + caption("Ammo"), "0 0 30 300");
    EXPECT_TRUE(element("Magazine")->isVisible() && !element("Cross")->isVisible());
    hud.setCrosshairVisible(true), hud.update(0, 0.25f);
    EXPECT_TRUE(element("Cross")->isVisible());
    EXPECT_EQ(caption("FPS"), "4");
    // A new interval, frames over time: without the reset the first of these frames would give 5 / 1.4.
    for (int frame = 0; frame < 3; ++frame)
        hud.update(0, 0.4f);
    EXPECT_EQ(caption("FPS"), "2.5");

    for (const auto& [score, shown] : {std::pair(13.5f, "13.5"), std::pair(59.94f, "59.94"), std::pair(1234.56f, "1235")}) {
        hud.hits = score, hud.update(0, 0);
        EXPECT_EQ(caption("Hits"), shown);
    }

    // Magazine and reserve before, then after the refill.
    const int refills[][4] = {{10, 300, 30, 280}, {10, 5, 15, 0}, {30, 300, 30, 300}, {0, 0, 0, 0}};
    for (const auto& counts : refills) {
        hud.magazine = counts[0], hud.ammo = counts[1], hud.refillMagazine();
        EXPECT_TRUE(hud.magazine == counts[2] && hud.ammo == counts[3]) << counts[0] << " + " << counts[1];
    }

    // The game ends only when both the magazine and the reserve are empty.
    hud.hits = 13.5f;
    for (const auto& [magazine, ammo, ended] : {std::tuple(1, 0, false), std::tuple(0, 1, false), std::tuple(0, 0, true)}) {
        hud.magazine = magazine, hud.ammo = ammo, hud.update(0, 0);
        EXPECT_TRUE(element("EndGame0")->isVisible() == ended && element("EndGame1")->isVisible() == ended) << magazine << " + " << ammo;
    }
    EXPECT_EQ(caption("EndGame0"), "13.5");
}
