#include "platform/HiddenPixelClip.h"

#include <OgreAutoParamDataSource.h>
#include <OgreCamera.h>
#include <OgrePass.h>
#include <OgreRenderObjectListener.h>
#include <OgreRenderSystem.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Sets the clip plane for each clipped pass as it is drawn, and takes it away for the next one.
class HiddenPixelClip : public Ogre::RenderObjectListener {
public:
    HiddenPixelClip(const Ogre::Pass* hazePass, const Ogre::Pass* skyPass, const Ogre::AxisAlignedBox& ground)
        : hazePass(hazePass)
        , skyPass(skyPass)
        , ground(ground)
    {
    }

    void notifyRenderSingleObject(Ogre::Renderable*, const Ogre::Pass* pass, const Ogre::AutoParamDataSource* source,
        const Ogre::LightList*, bool) override
    {
        Ogre::PlaneList planes;
        if (pass == hazePass)
            planes = hazeBegins(*source->getCurrentCamera());
        else if (pass == skyPass)
            planes = belowGroundEdge(*source->getCurrentCamera());
        if (planes != clipping)
            Ogre::Root::getSingleton().getRenderSystem()->setClipPlanes(planes);
        clipping = planes;
    }

private:
    Ogre::PlaneList hazeBegins(const Ogre::Camera& camera) const
    {
        const Ogre::Vector3 ahead = camera.getDerivedDirection();
        return {Ogre::Plane(ahead, camera.getDerivedPosition() + ahead * hazePass->getFogStart())};
    }

    // The ground hides every way down steeper than towards its nearest edge; the sky box's corners lie
    // farthest out along such a way, at the sky box's distance times the root of three.
    Ogre::PlaneList belowGroundEdge(const Ogre::Camera& camera) const
    {
        const Ogre::Vector3 eye = camera.getDerivedPosition();
        const Ogre::Real toEdge = std::min({eye.x - ground.getMinimum().x, ground.getMaximum().x - eye.x,
            eye.z - ground.getMinimum().z, ground.getMaximum().z - eye.z});
        const Ogre::Real height = eye.y - ground.getMaximum().y;
        if (toEdge <= 0 || height <= 0)
            return {};
        const Ogre::Real skyCorner = camera.getSceneManager()->getSkyBoxGenParameters().skyBoxDistance * std::sqrt(3.0f);
        return {Ogre::Plane(Ogre::Vector3::UNIT_Y, eye - Ogre::Vector3(0, skyCorner * height / toEdge, 0))};
    }

    const Ogre::Pass* hazePass;
    const Ogre::Pass* skyPass;
    Ogre::AxisAlignedBox ground;
    Ogre::PlaneList clipping;
};

// Kept for the rest of the run; the scene manager forgets its listeners when the engine shuts down.
std::unique_ptr<HiddenPixelClip> hiddenPixelClip;

} // namespace

void clipHiddenPixels(Ogre::SceneManager* scene, const Ogre::Pass* hazePass, const Ogre::Pass* skyPass,
    const Ogre::AxisAlignedBox& ground)
{
    hiddenPixelClip = std::make_unique<HiddenPixelClip>(hazePass, skyPass, ground);
    scene->addRenderObjectListener(hiddenPixelClip.get());
}
