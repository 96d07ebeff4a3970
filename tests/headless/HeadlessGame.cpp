#include "tests/headless/HeadlessGame.h"

#include "app/Startup.h"
#include "platform/Overlays.h"
#include "platform/PluginPaths.h"
#include "platform/QuietLog.h"
#include "world/Level.h"

#include <Ogre.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Fixed unit values first, then a generator of the layout's own, untouched by anything else drawing.
struct FixedDraws : Ogre::Math::RandomValueProvider {
    // x then z of each draw: 6000 u - 3000 and 2000 u - 1000.
    std::vector<Ogre::Real> first = {0.875f, 0.75f, 0.498046875f, 0.5f, 0.5f, 0.5f, 0.501953125f, 0.501953125f};
    std::size_t next = 0;
    std::minstd_rand rest;
    Ogre::Real getRandomUnit() override { return next < first.size() ? first[next++] : Ogre::Real(rest()) / rest.max(); }
};

Level* build(Ogre::SceneManager* scene)
{
    FixedDraws draws;
    Ogre::Math::SetRandomValueProvider(&draws);
    // Never destroyed, so that the leak check at exit finds every level kept.
    static std::vector<Level*>* const kept = new std::vector<Level*>;
    kept->push_back(new Level(scene));
    Ogre::Math::SetRandomValueProvider(nullptr);
    return kept->back();
}

} // namespace

Ogre::SceneManager* headlessScene()
{
    static Ogre::SceneManager* scene = nullptr;
    if (scene)
        return scene;
    createQuietLog("headless.log");
    Ogre::Root* root = OGRE_NEW Ogre::Root("", "", "headless.log");
    createOverlaySystem();
    root->loadPlugin(imageCodecPlugin());
    OGRE_NEW Ogre::DefaultHardwareBufferManager();
    OGRE_NEW Ogre::DefaultTextureManager();
    OGRE_NEW Ogre::GpuProgramManager();
    Ogre::MaterialManager::getSingleton().initialise();
    Ogre::MeshManager::getSingleton()._initialise();
    registerMediaLocations();
    loadMedia();
    scene = root->createSceneManager("DefaultSceneManager");
    attachOverlaySystem(scene);
    return scene;
}

Ogre::SceneManager* newScene()
{
    headlessScene();
    return Ogre::Root::getSingleton().createSceneManager("DefaultSceneManager");
}

Level* newLevel(Ogre::SceneManager* scene)
{
    sharedLevel();
    // The plane meshes a level makes are named once; the levels built before keep theirs.
    for (const char* plane : {"ground", "deck"})
        Ogre::MeshManager::getSingleton().remove(plane);
    return build(scene);
}

Level* sharedLevel()
{
    static Level* const level = build(headlessScene());
    return level;
}

void expectPlate(Ogre::Entity* plane, const Ogre::Vector3& centre, const Ogre::Vector2& size)
{
    const Ogre::VertexData* data = plane->getMesh()->sharedVertexData;
    ASSERT_EQ(data->vertexCount, 4u);
    // Each corner has 0 or 1 in each texture coordinate, two corners of the four 1 in each.
    Ogre::Vector3 uvSum = Ogre::Vector3::ZERO;
    for (const Ogre::VertexElementSemantic semantic : {Ogre::VES_POSITION, Ogre::VES_NORMAL, Ogre::VES_TEXTURE_COORDINATES}) {
        const Ogre::VertexElement* element = data->vertexDeclaration->findElementBySemantic(semantic);
        ASSERT_TRUE(element) << "no element " << semantic;
        Ogre::HardwareVertexBuffer* buffer = data->vertexBufferBinding->getBuffer(element->getSource()).get();
        const Ogre::HardwareBufferLockGuard lock(buffer, Ogre::HardwareBuffer::HBL_READ_ONLY);
        for (std::size_t i = 0; i < 4; ++i) {
            float* value;
            element->baseVertexPointerToElement(static_cast<char*>(lock.pData) + i * buffer->getVertexSize(), &value);
            const Ogre::Vector3 local(value[0], value[1], semantic == Ogre::VES_TEXTURE_COORDINATES ? 0 : value[2]);
            const Ogre::Vector3 at = plane->getParentSceneNode()->_getFullTransform() * local - centre;
            if (semantic == Ogre::VES_POSITION)
                EXPECT_TRUE(Ogre::Vector3(std::abs(at.x), at.y, std::abs(at.z)).positionEquals({size.x / 2, 0, size.y / 2}, 1e-3f)) << at;
            else if (semantic == Ogre::VES_NORMAL)
                EXPECT_TRUE((plane->getParentSceneNode()->_getDerivedOrientation() * local).positionEquals(Ogre::Vector3::UNIT_Y));
            else
                uvSum += local;
            EXPECT_TRUE(semantic != Ogre::VES_TEXTURE_COORDINATES || local * local == local) << local;
        }
    }
    EXPECT_EQ(uvSum, Ogre::Vector3(2, 2, 0));
}
