// The generated media and the hand-written scripts, loaded through the real engine.
#include "common/MediaContract.h"
#include "tests/headless/HeadlessGame.h"

#include <Ogre.h>
#include <OgreEdgeListBuilder.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>
#include <set>
#include <unistd.h>

using Ogre::Vector3;

namespace {

const char* const modelMeshes[] = {"soldier.mesh", "rifle.mesh", "truck.mesh", "target01.mesh", "doboz.mesh"};

Ogre::Entity* entityOf(const std::string& mesh)
{
    static int count = 0;
    return headlessScene()->createEntity("media test " + std::to_string(count++), mesh);
}

Ogre::AxisAlignedBox bounds(const std::string& mesh)
{
    return entityOf(mesh)->getMesh()->getBounds();
}

// The soldier with both channels at full weight, as the game plays them.
struct PosedSoldier {
    Ogre::Entity* soldier = entityOf("soldier.mesh");
    Ogre::SkeletonInstance* skeleton = soldier->getSkeleton();
    PosedSoldier() { skeleton->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE); }

    // Where a bone stands with the upper body and the legs posed at these times.
    Vector3 at(const char* bone, const std::string& upper, float upperTime, const std::string& legs = "leg_stand", float legTime = 0)
    {
        for (const auto& state : soldier->getAllAnimationStates()->getAnimationStates())
            state.second->setEnabled(state.first == upper || state.first == legs);
        soldier->getAnimationState(upper)->setTimePosition(upperTime);
        soldier->getAnimationState(legs)->setTimePosition(legTime);
        skeleton->setAnimationState(*soldier->getAllAnimationStates());
        return skeleton->getBone(bone)->_getDerivedPosition();
    }
    float length(const std::string& animation) const { return skeleton->getAnimation(animation)->getLength(); }
    // Along the barrel of the rifle, which the game turns a quarter about X in the hand.
    Vector3 rifleAlong() const
    {
        return skeleton->getBone("hand_r")->_getDerivedOrientation() * Ogre::Quaternion(Ogre::Degree(Media::rifleTurnDegrees), Vector3::UNIT_X) * Vector3::UNIT_Y;
    }
};

// The closed shapes of an edge list: each casts a shadow volume of its own.
size_t closedShapes(const Ogre::EdgeData& edges)
{
    std::vector<size_t> joinedTo(edges.triangles.size());
    std::iota(joinedTo.begin(), joinedTo.end(), 0);
    std::function<size_t(size_t)> first = [&](size_t t) { return joinedTo[t] == t ? t : joinedTo[t] = first(joinedTo[t]); };
    for (const auto& group : edges.edgeGroups)
        for (const auto& edge : group.edges)
            if (!edge.degenerate)
                joinedTo[first(edge.triIndex[0])] = first(edge.triIndex[1]);
    size_t shapes = 0;
    for (size_t t = 0; t < joinedTo.size(); ++t)
        shapes += first(t) == t;
    return shapes;
}

} // namespace

TEST(Media, SoldierAnimationsSplitIntoTwoChannelsAndJoinWhereTheGameJumps)
{
    PosedSoldier soldier;
    const std::set<std::string> legBones = {"root", "thigh_l", "shin_l", "foot_l", "thigh_r", "shin_r", "foot_r"};
    for (const char* name : {"leg_stand", "leg_run", "up_weapon_hold", "up_shoot"}) {
        ASSERT_TRUE(soldier.skeleton->hasAnimation(name)) << name;
        for (const auto& track : soldier.skeleton->getAnimation(name)->_getNodeTrackList())
            EXPECT_EQ(legBones.count(soldier.skeleton->getBone(track.first)->getName()), name[0] == 'l' ? 1u : 0u) << name;
    }

    using namespace Media::ShootTimes;
    auto grip = [&](const std::string& animation, float time) { return soldier.at("hand_r", animation, time); };
    EXPECT_GT(soldier.length("up_shoot"), magazineHome);
    const Vector3 aim = grip("up_shoot", aimPose);
    EXPECT_LT(aim.x, 0.0f) << "facing +Z, his right hand is on the -X side";
    EXPECT_GT(grip("up_shoot", (aimPose + recoilEnd) / 2).distance(aim), 0.2f) << "a visible recoil kick";
    EXPECT_LT(grip("up_shoot", recoilEnd).distance(aim), 0.01f) << "each recoil cycle ends where the next starts";
    EXPECT_LT(grip("up_shoot", lowerStart).distance(aim), 0.01f) << "the aim is held until the lowering";
    EXPECT_LT(grip("up_shoot", reloadRejoin).distance(grip("up_shoot", reloadLeave)), 0.05f) << "a reload jumps across";
    EXPECT_LT(grip("up_shoot", soldier.length("up_shoot")).distance(grip("up_weapon_hold", 0)), 0.1f) << "lowered to the carry";
    EXPECT_LT(soldier.rifleAlong().y, -0.3f) << "carried low, pointing down";
    EXPECT_LT(grip("up_weapon_hold", soldier.length("up_weapon_hold")).distance(grip("up_weapon_hold", 0)), 0.01f);
    for (const char* loop : {"leg_stand", "leg_run"})
        EXPECT_LT(soldier.at("foot_l", "up_weapon_hold", 0, loop, 0)
                      .distance(soldier.at("foot_l", "up_weapon_hold", 0, loop, soldier.length(loop))), 0.01f)
            << loop << " loops without a seam";
}

TEST(Media, ModelsAreClosedForStencilShadowsAndFitTheGamesTransforms)
{
    for (const char* mesh : modelMeshes) {
        Ogre::MeshPtr model = entityOf(mesh)->getMesh();
        ASSERT_TRUE(model->isEdgeListBuilt() && model->getEdgeList()) << mesh;
        EXPECT_TRUE(model->getEdgeList()->isClosed) << mesh << " has open edges";
    }
    EXPECT_NEAR(bounds("soldier.mesh").getMinimum().y, 0.0f, 0.01f);
    EXPECT_NEAR(bounds("soldier.mesh").getMaximum().y, 13.0f, 0.5f);
    Ogre::MeshPtr target = entityOf("target01.mesh")->getMesh();
    EXPECT_TRUE(Ogre::AxisAlignedBox(Vector3(-0.5f), Vector3(0.5f)).contains(target->getBounds()));
    EXPECT_NEAR(target->getBounds().getMinimum().y, -0.5f, 1e-4f) << "stands on the ground";
    EXPECT_EQ(bounds("doboz.mesh"), Ogre::AxisAlignedBox(Vector3(-0.5f), Vector3(0.5f)));
    const Ogre::AxisAlignedBox truck = bounds("truck.mesh");
    EXPECT_NEAR(truck.getMinimum().y, -80.0f, 0.01f) << "wheels on the ground";
    EXPECT_TRUE(truck.getMinimum().z < -10 && truck.getMaximum().z > 300 && truck.getMaximum().x < 60) << "cab ahead";
    EXPECT_NEAR(bounds("rifle.mesh").getSize().y, 7.0f, 0.5f);
    EXPECT_GT(bounds("rifle.mesh").getMaximum().y, 4.0f) << "barrel along +Y from the grip";
    // His eyes, nose, ears, buckle, pouches, knee pads and the like lie within bigger parts' shadows.
    EXPECT_EQ(closedShapes(*entityOf("soldier.mesh")->getMesh()->getEdgeList()), 26u) << "shapes casting the soldier's shadow";
}

TEST(Media, EveryMaterialIsLitAndFadesIntoTheHazeButTheSky)
{
    std::set<std::string> names = {"target_cracked", "target_perish", "doboz_cracked", "doboz_burning", "Plane", "Sky", "Deck"};
    for (const char* mesh : modelMeshes)
        for (const Ogre::SubEntity* part : entityOf(mesh)->getSubEntities())
            names.insert(part->getMaterialName());
    for (const std::string& name : names) {
        Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(name);
        ASSERT_TRUE(material) << name << " is not defined";
        material->load();
        const Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
        const bool sky = name == "Sky";
        EXPECT_EQ(pass->getLightingEnabled(), !sky) << name;
        EXPECT_TRUE(sky || pass->getAmbient() != Ogre::ColourValue::White) << name << " keeps the default ambient";
        EXPECT_TRUE(sky || name == "Plane" || (pass->getFogMode() == Ogre::FOG_LINEAR && std::fabs(pass->getFogEnd() - 480) < 20))
            << name << " fades out before the far clip";
    }
    const Ogre::Pass* sky = Ogre::MaterialManager::getSingleton().getByName("Sky")->getTechnique(0)->getPass(0);
    EXPECT_TRUE(!sky->getDepthWriteEnabled() && sky->getFogMode() == Ogre::FOG_NONE);
}

TEST(Media, TheEndOfGameSaysSoAndHowToQuitTheCrosshairIsClearRoundItsStrokes)
{
    headlessScene();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    std::string shown;
    for (const auto& child : static_cast<Ogre::OverlayContainer*>(overlays.getOverlayElement("EndGame1"))->getChildren())
        shown += child.second->getCaption().asUTF8() + " ";
    EXPECT_TRUE(shown.find("GAME OVER") != std::string::npos && shown.find("Escape") != std::string::npos) << shown;
    Ogre::Image crosshair;
    crosshair.load("crosshair.png", "General");
    EXPECT_TRUE(crosshair.getHasAlpha() && crosshair.getColourAt(0, 0, 0).a == 0) << "clear round the strokes";
    EXPECT_GT(crosshair.getColourAt(crosshair.getWidth() / 2, crosshair.getHeight() / 4, 0).a, 0.9f);
}

TEST(Media, GeneratorWritesTheSameBytesEveryRun)
{
    const auto scratch = std::filesystem::temp_directory_path() / ("corvane-media-" + std::to_string(getpid()));
    const std::string generate = "for run in first second; do ./corvane-mediagen " + scratch.string() + "/$run/media "
        + scratch.string() + "/$run/icons > /dev/null || exit 1; done";
    EXPECT_EQ(std::system((generate + " && diff -r -q " + scratch.string() + "/first " + scratch.string() + "/second").c_str()), 0);
    std::filesystem::remove_all(scratch);
}
