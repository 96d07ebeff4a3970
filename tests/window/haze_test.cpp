#include "app/Startup.h"
#include "platform/DrawOrder.h"
#include "platform/HazeCulling.h"
#include "platform/HiddenPixelClip.h"

#include <Ogre.h>

#include "tests/window/GameRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

using Ogre::ColourValue;
using Ogre::Vector3;

// Renders a frame: the pixels of a square `size` across round where a point of the world shows.
static std::vector<ColourValue> seenAround(const Ogre::Camera* camera, const Vector3& point, int size = 5)
{
    gRoot->renderOneFrame();
    Ogre::Image picture(Ogre::PF_BYTE_RGBA, gRenderWindow->getWidth(), gRenderWindow->getHeight());
    gRenderWindow->copyContentsToMemory(Ogre::Box(0, 0, picture.getWidth(), picture.getHeight()), picture.getPixelBox());
    const Vector3 onScreen = camera->getProjectionMatrix() * (camera->getViewMatrix() * point);
    const int x = static_cast<int>((onScreen.x + 1) / 2 * picture.getWidth()) - size / 2;
    const int y = static_cast<int>((1 - onScreen.y) / 2 * picture.getHeight()) - size / 2;
    std::vector<ColourValue> pixels;
    for (int pixel = 0; pixel < size * size; ++pixel)
        pixels.push_back(picture.getColourAt(x + pixel % size, y + pixel / size, 0));
    return pixels;
}

static ColourValue seenAt(const Ogre::Camera* camera, const Vector3& point)
{
    const std::vector<ColourValue> pixels = seenAround(camera, point);
    return std::accumulate(pixels.begin(), pixels.end(), ColourValue(0, 0, 0, 0)) / pixels.size();
}

// How far apart two colours are, over the three channels.
static float apart(const ColourValue& a, const ColourValue& b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

// The engine with the ground, the sky box and a crate alone on the ground, the camera 25 above the origin. Straight
// ahead at 40, 300 and 490 units, the crate keeps its wood in mid-field and fades into the ground before the far
// clip. Then left out past the haze, and measured every frame in view or not, so that it casts its shadow once it
// has come near out of view; the sky box drawn last, and the clipped haze and sky, show what was shown before.
TEST(Haze, ACrateKeepsItsWoodInMidFieldFadesBeforeTheFarClipAndIsLeftOutPastIt)
{
    const GameRun scratch;
    scratch.startEngineHere();
    Ogre::SceneNode* root = gSceneManager->getRootSceneNode();
    Ogre::MeshManager::getSingleton().createPlane("haze ground", "General", Ogre::Plane(Vector3::UNIT_Y, 0),
        6000, 6000, 1, 1, true, 1, 1, 1, Vector3::UNIT_Z);
    Ogre::Entity* ground = gSceneManager->createEntity("haze ground", "haze ground");
    root->attachObject(ground), ground->setMaterialName("Plane"), ground->setCastShadows(false);
    gSceneManager->setSkyBox(true, "Sky", 10);
    Ogre::Entity* crate = gSceneManager->createEntity("haze crate", "doboz.mesh");
    root->createChildSceneNode()->attachObject(crate), crate->getParentSceneNode()->setScale(Vector3(15));
    Ogre::Camera* camera = gSceneManager->createCamera("Haze Camera");
    camera->setNearClipDistance(1), camera->setFarClipDistance(500);
    gRenderWindow->addViewport(camera);
    root->createChildSceneNode(Vector3(0, 25, 0))->attachObject(camera);

    // The crate's front face, or the ground beside it on the side away from its shadow.
    auto look = [&](float distance, float aside) {
        crate->getParentSceneNode()->setPosition(0, 8, -distance);
        camera->getParentSceneNode()->lookAt(Vector3(0, 8, -distance), Ogre::Node::TS_WORLD);
        return seenAt(camera, Vector3(aside, aside ? 0 : 8, 7.5f - distance));
    };
    float nearHue, nearSaturation, midHue, midSaturation, value;
    look(40, 0).getHSB(nearHue, nearSaturation, value);
    look(300, 0).getHSB(midHue, midSaturation, value);
    EXPECT_GT(midSaturation / nearSaturation, 0.6f) << "wood still reads as wood at 300";
    EXPECT_NEAR(midHue, nearHue, 0.03f) << "in its own hue";
    EXPECT_LT(apart(look(490, 0), look(490, -20)), 0.1f) << "faded into the ground at 490";

    // Near, the ground shows its grass, lit by the sun but for the crate's shadow, which falls towards +X.
    look(40, 0);
    float lightest = 0, darkest = 1;
    for (const ColourValue& pixel : seenAround(camera, Vector3(-20, 0, -36), 41))
        lightest = std::max(lightest, pixel.g), darkest = std::min(darkest, pixel.g);
    EXPECT_GT(lightest - darkest, 0.05f) << "blades and patches, not a flat colour";
    const ColourValue grass = seenAt(camera, Vector3(-20, 0, -36));
    EXPECT_GT(grass.g - grass.b, 0.1f) << "green, not the haze";
    EXPECT_LT(seenAt(camera, Vector3(10.5f, 0, -36)).g, 0.7f * seenAt(camera, Vector3(20, 0, -36)).g);

    // Looking straight ahead again, the haze is left out from here on. It grows with depth along the view: the
    // corners of the picture reach out farthest before the haze's end, by one over the cosine of their angle to the
    // view's axis.
    camera->getParentSceneNode()->setOrientation(Ogre::Quaternion::IDENTITY);
    cullPastHaze(gSceneManager, camera);
    const float hazeEnd = crate->getSubEntity(0)->getMaterial()->getTechnique(0)->getPass(0)->getFogEnd();
    const float pastHaze = hazeEnd / camera->getCameraToViewportRay(1, 0).getDirection().dotProduct(camera->getDerivedDirection());
    auto drawnAt = [&](const Vector3& at) {
        crate->getParentSceneNode()->setPosition(at);
        gRoot->renderOneFrame();
        return crate->isVisible();
    };
    EXPECT_TRUE(!drawnAt({0, 8, -pastHaze - 30}) && drawnAt({0, 8, -pastHaze + 30}) && !drawnAt({0, 8, -pastHaze - 30}) && drawnAt({0, 8, 30}))
        << "left out once wholly past the haze at " << pastHaze << "; near again behind the camera, it casts its shadow";
    // Just inside that distance in a corner of the view, against the sky, it is drawn in the haze's colour.
    const Vector3 inCorner = camera->getCameraToViewportRay(0.98f, 0.02f).getPoint(pastHaze - 1);
    EXPECT_TRUE(drawnAt(inCorner));
    const ColourValue drawn = seenAt(camera, inCorner);
    drawnAt({0, 8, 30});
    EXPECT_GT(apart(drawn, seenAt(camera, inCorner)), 0.1f) << drawn << " against the sky";

    // The sky box drawn last, then the haze pass clipped to where the haze begins and the sky box to above the
    // ground's edge, show what was shown before.
    crate->getParentSceneNode()->setPosition(0, 8, -60);
    const Vector3 crateGroundsAndSky[] = {{0, 8, -52.5f}, {30, 0, -200}, {-30, 0, -420}, {0, 60, -300}};
    std::vector<ColourValue> before;
    for (const Vector3& point : crateGroundsAndSky)
        before.push_back(seenAt(camera, point));
    auto showsTheSame = [&](const char* change) {
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_LT(apart(seenAt(camera, crateGroundsAndSky[i]), before[i]), 0.01f) << change << ", point " << i;
    };
    drawSkyLast(gSceneManager, ground, "Sky");
    showsTheSame("sky box drawn last");
    clipHiddenPixels(gSceneManager, ground->getSubEntity(0)->getMaterial()->getTechnique(0)->getPass("Haze"),
        Ogre::MaterialManager::getSingleton().getByName("Sky")->getTechnique(0)->getPass(0), ground->getWorldBoundingBox(true));
    showsTheSame("clipped");
}
