// The generated media and the hand-written scripts, loaded through the real engine.
#include "tests/headless/HeadlessEngine.h"

#include <OgreAnimation.h>
#include <OgreBone.h>
#include <OgreEdgeListBuilder.h>
#include <OgreBitwise.h>
#include <OgreImage.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreSkeletonInstance.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>
#include <OgreTechnique.h>

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

using Ogre::Vector3;

namespace {

const char* const modelMeshes[] = {"soldier.mesh", "rifle.mesh", "truck.mesh", "target01.mesh", "doboz.mesh"};
const char* const requiredMaterials[] = {"target_cracked", "target_perish", "doboz_cracked", "doboz_burning",
    "Plane", "Sky", "Deck"};
const char* const textElements[] = {"FPS", "Hits", "Magazine", "Ammo", "EndGame0"};
const char* const legBones[] = {"root", "thigh_l", "shin_l", "foot_l", "thigh_r", "shin_r", "foot_r"};
const Ogre::Quaternion rifleTurn(Ogre::Degree(90), Vector3::UNIT_X);
const size_t sceneTriangleBudget = 25000;
const int objectsOfEachKind = 35;

Ogre::Entity* entityOf(const std::string& mesh)
{
    static int count = 0;
    return headlessScene()->createEntity("media test " + std::to_string(count++), mesh);
}

Ogre::AxisAlignedBox vertexBounds(const Ogre::SubMesh& sub)
{
    const Ogre::VertexData* data = sub.useSharedVertices ? sub.parent->sharedVertexData : sub.vertexData;
    const Ogre::VertexElement* position = data->vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    Ogre::HardwareVertexBufferSharedPtr buffer = data->vertexBufferBinding->getBuffer(position->getSource());
    const auto* bytes = static_cast<const unsigned char*>(buffer->lock(Ogre::HardwareBuffer::HBL_READ_ONLY));
    Ogre::AxisAlignedBox bounds;
    for (size_t i = 0; i < data->vertexCount; ++i) {
        float* xyz = nullptr;
        position->baseVertexPointerToElement(const_cast<unsigned char*>(bytes) + i * buffer->getVertexSize(), &xyz);
        bounds.merge(Vector3(xyz[0], xyz[1], xyz[2]));
    }
    buffer->unlock();
    return bounds;
}

size_t triangles(const std::string& mesh)
{
    size_t count = 0;
    for (const Ogre::SubMesh* sub : entityOf(mesh)->getMesh()->getSubMeshes())
        count += sub->indexData->indexCount / 3;
    return count;
}

// The soldier with both channels at full weight, as the game plays them.
class PosedSoldier {
public:
    PosedSoldier() : soldier(entityOf("soldier.mesh"))
    {
        soldier->getSkeleton()->setBlendMode(Ogre::ANIMBLEND_CUMULATIVE);
    }

    void pose(const std::string& upper, float upperTime, const std::string& legs = "leg_stand", float legTime = 0)
    {
        for (const auto& state : soldier->getAllAnimationStates()->getAnimationStates())
            state.second->setEnabled(false);
        for (const auto& [name, time] : {std::make_pair(upper, upperTime), std::make_pair(legs, legTime)}) {
            Ogre::AnimationState* state = soldier->getAnimationState(name);
            state->setEnabled(true);
            state->setTimePosition(time);
        }
        soldier->getSkeleton()->setAnimationState(*soldier->getAllAnimationStates());
    }

    Ogre::Bone* bone(const std::string& name) const { return soldier->getSkeleton()->getBone(name); }
    Vector3 at(const std::string& name) const { return bone(name)->_getDerivedPosition(); }
    float length(const std::string& animation) const
    {
        return soldier->getSkeleton()->getAnimation(animation)->getLength();
    }

private:
    Ogre::Entity* soldier;
};

Vector3 rifleDirection(const Ogre::Bone* hand)
{
    return hand->_getDerivedOrientation() * (rifleTurn * Vector3::UNIT_Y);
}

void collectNames(Ogre::OverlayElement* element, std::set<std::string>& names)
{
    names.insert(element->getName());
    if (auto* container = dynamic_cast<Ogre::OverlayContainer*>(element))
        for (const auto& child : container->getChildren())
            collectNames(child.second, names);
}

std::map<std::string, std::string> filesUnder(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[std::filesystem::relative(entry.path(), folder).string()] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

} // namespace

TEST(Media, SoldierSkeletonHasTheNamedAnimationsSplitIntoTwoChannels)
{
    Ogre::SkeletonInstance* skeleton = entityOf("soldier.mesh")->getSkeleton();
    ASSERT_NE(skeleton, nullptr);
    EXPECT_TRUE(skeleton->hasBone("hand_r"));
    const std::set<std::string> legs(std::begin(legBones), std::end(legBones));
    for (const char* name : {"leg_stand", "leg_run", "up_weapon_hold", "up_shoot"}) {
        ASSERT_TRUE(skeleton->hasAnimation(name)) << name;
        const bool legChannel = std::string(name).rfind("leg_", 0) == 0;
        for (const auto& track : skeleton->getAnimation(name)->_getNodeTrackList()) {
            const std::string bone = skeleton->getBone(track.first)->getName();
            EXPECT_EQ(legs.count(bone) == 1, legChannel) << name << " moves " << bone;
        }
    }
    EXPECT_GT(skeleton->getAnimation("up_shoot")->getLength(), 1.8f);
}

TEST(Media, SoldierStandsAtTheOriginFacingPlusZAndAimsFromTheRightShoulder)
{
    const Ogre::AxisAlignedBox bounds = entityOf("soldier.mesh")->getMesh()->getBounds();
    EXPECT_NEAR(bounds.getMinimum().y, 0.0f, 0.01f);
    EXPECT_NEAR(bounds.getMaximum().y, 13.0f, 0.5f);

    PosedSoldier soldier;
    soldier.pose("up_shoot", 0.75f);
    Ogre::Bone* hand = soldier.bone("hand_r");
    const Vector3 shoulder = hand->getParent()->getParent()->_getDerivedPosition();
    const Vector3 grip = hand->_getDerivedPosition();
    Vector3 axis;
    Ogre::Radian turn;
    hand->_getDerivedOrientation().ToAngleAxis(turn, axis);
    EXPECT_LT(Ogre::Degree(turn).valueDegrees(), 8.0f);
    EXPECT_GT(rifleDirection(hand).dotProduct(Vector3::UNIT_Z), 0.99f);
    EXPECT_LT(grip.x, 0.0f) << "facing +Z, his right hand is on the -X side";
    EXPECT_GT(grip.z, shoulder.z + 0.5f);
    EXPECT_LT(grip.distance(shoulder), 3.5f);
    EXPECT_NEAR(grip.y, 10.0f, 1.0f);

    const Vector3 handguard = grip + hand->_getDerivedOrientation() * (rifleTurn * Vector3(0, 2.8f, 0));
    EXPECT_LT(soldier.at("hand_l").distance(handguard), 0.5f) << "the left hand holds the handguard";

    soldier.pose("up_weapon_hold", 0.0f);
    EXPECT_LT(rifleDirection(soldier.bone("hand_r")).y, -0.3f) << "carried low, pointing down";
}

TEST(Media, AnimationsJoinWhereTheGameJumpsAndLoopWithoutASeam)
{
    PosedSoldier soldier;
    auto grip = [&](const std::string& animation, float time) {
        soldier.pose(animation, time);
        return soldier.at("hand_r");
    };
    const Vector3 aim = grip("up_shoot", 0.75f);
    EXPECT_GT(grip("up_shoot", 0.775f).distance(aim), 0.2f) << "a visible recoil kick";
    EXPECT_LT(grip("up_shoot", 0.8f).distance(aim), 0.01f) << "each recoil cycle ends where the next starts";
    EXPECT_LT(grip("up_shoot", 1.1f).distance(aim), 0.01f) << "the aim is held until 1.4";
    EXPECT_LT(grip("up_shoot", 1.5f).distance(grip("up_shoot", 0.5f)), 0.05f) << "a reload jumps from 0.5 to 1.5";
    EXPECT_LT(grip("up_shoot", soldier.length("up_shoot")).distance(grip("up_weapon_hold", 0.0f)), 0.1f)
        << "lowered back to the carry";
    for (const char* loop : {"up_weapon_hold", "leg_stand", "leg_run"}) {
        soldier.pose("up_weapon_hold", 0.0f, loop[0] == 'l' ? loop : "leg_stand");
        const Vector3 start = soldier.at(loop[0] == 'l' ? "foot_l" : "hand_r");
        soldier.pose("up_weapon_hold", loop[0] == 'l' ? 0.0f : soldier.length(loop), loop[0] == 'l' ? loop : "leg_stand",
            loop[0] == 'l' ? soldier.length(loop) : 0.0f);
        EXPECT_LT(soldier.at(loop[0] == 'l' ? "foot_l" : "hand_r").distance(start), 0.01f) << loop;
    }

    float widestStride = 0;
    float lowestAnkle = 100;
    for (float time = 0; time < soldier.length("leg_run"); time += 0.05f) {
        soldier.pose("up_weapon_hold", 0.0f, "leg_run", time);
        widestStride = std::max(widestStride, std::fabs(soldier.at("foot_l").z - soldier.at("foot_r").z));
        lowestAnkle = std::min({lowestAnkle, soldier.at("foot_l").y, soldier.at("foot_r").y});
    }
    EXPECT_GT(widestStride, 3.0f) << "a clear stride";
    EXPECT_GT(lowestAnkle, 0.3f) << "boots stay above the ground";
}

TEST(Media, EveryModelIsClosedForStencilShadows)
{
    for (const char* mesh : modelMeshes) {
        Ogre::MeshPtr model = entityOf(mesh)->getMesh();
        EXPECT_TRUE(model->isEdgeListBuilt()) << mesh << " carries its edge list";
        ASSERT_NE(model->getEdgeList(), nullptr) << mesh;
        EXPECT_TRUE(model->getEdgeList()->isClosed) << mesh << " has open edges";
    }
}

TEST(Media, ModelsFitTheNodeTransformsOfTheGame)
{
    Ogre::MeshPtr target = entityOf("target01.mesh")->getMesh();
    ASSERT_GE(target->getNumSubMeshes(), 2u);
    const Ogre::AxisAlignedBox unit(-0.5f, -0.5f, -0.5f, 0.5f, 0.5f, 0.5f);
    EXPECT_TRUE(unit.contains(target->getBounds().getMinimum()) && unit.contains(target->getBounds().getMaximum()));
    EXPECT_NEAR(target->getBounds().getMinimum().y, -0.5f, 1e-4f) << "stands on the ground";
    const Ogre::AxisAlignedBox face = vertexBounds(*target->getSubMesh(1));
    EXPECT_NEAR(face.getCenter().y, 0.2f, 0.01f) << "face centred on the hit centre";
    EXPECT_LT(face.getMinimum().x, 0.0f);
    EXPECT_GT(face.getMaximum().x, 0.0f) << "painted on both sides";
    EXPECT_NEAR(face.getHalfSize().y * 40.0f, face.getHalfSize().z * 20.0f, 0.01f) << "round once stretched";

    const Ogre::AxisAlignedBox crate = entityOf("doboz.mesh")->getMesh()->getBounds();
    EXPECT_EQ(crate.getMinimum(), Vector3(-0.5f));
    EXPECT_EQ(crate.getMaximum(), Vector3(0.5f));

    const Ogre::AxisAlignedBox truck = entityOf("truck.mesh")->getMesh()->getBounds();
    EXPECT_NEAR(truck.getMinimum().y, -80.0f, 0.01f) << "wheels on the ground";
    EXPECT_LT(truck.getMinimum().z, -10.0f);
    EXPECT_GT(truck.getMaximum().z, 300.0f) << "cab ahead of the bed";
    EXPECT_LT(truck.getMaximum().x, 60.0f);

    const Ogre::AxisAlignedBox rifle = entityOf("rifle.mesh")->getMesh()->getBounds();
    EXPECT_NEAR(rifle.getSize().y, 7.0f, 0.5f);
    EXPECT_GT(rifle.getMaximum().y, 4.0f) << "barrel along +Y from the grip";
}

TEST(Media, WholeSceneStaysWithinTheTriangleBudget)
{
    EXPECT_LE(triangles("doboz.mesh"), 100u);
    EXPECT_LE(triangles("target01.mesh"), 400u);
    const size_t ownPlanes = 4;
    const size_t scene = triangles("soldier.mesh") + triangles("rifle.mesh") + triangles("truck.mesh")
        + objectsOfEachKind * (triangles("target01.mesh") + triangles("doboz.mesh")) + ownPlanes;
    EXPECT_LT(scene, sceneTriangleBudget);
}

TEST(Media, EveryMaterialIsDefinedWithItsTexturesAndLooks)
{
    headlessScene();
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    std::set<std::string> names(std::begin(requiredMaterials), std::end(requiredMaterials));
    for (const char* mesh : modelMeshes)
        for (const Ogre::SubEntity* part : entityOf(mesh)->getSubEntities())
            names.insert(part->getMaterialName());
    for (const std::string& name : names) {
        Ogre::MaterialPtr material = materials.getByName(name);
        ASSERT_TRUE(material) << name << " is not defined";
        material->load();
        const Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
        for (const Ogre::TextureUnitState* unit : pass->getTextureUnitStates()) {
            if (unit->getTextureType() != Ogre::TEX_TYPE_CUBE_MAP) {
                EXPECT_TRUE(Ogre::ResourceGroupManager::getSingleton().resourceExistsInAnyGroup(
                    unit->getTextureName())) << name << " needs " << unit->getTextureName();
            }
        }
        if (name == "Sky") {
            EXPECT_FALSE(pass->getLightingEnabled());
            EXPECT_FALSE(pass->getDepthWriteEnabled());
            EXPECT_EQ(pass->getTextureUnitState(0)->getTextureType(), Ogre::TEX_TYPE_CUBE_MAP);
            for (const char* face : {"_rt", "_lf", "_up", "_dn", "_fr", "_bk"})
                EXPECT_TRUE(Ogre::ResourceGroupManager::getSingleton().resourceExistsInAnyGroup(
                    std::string("sky") + face + ".png")) << face;
            EXPECT_TRUE(pass->getFogOverride() && pass->getFogMode() == Ogre::FOG_NONE);
            continue;
        }
        EXPECT_TRUE(pass->getLightingEnabled()) << name;
        EXPECT_NE(pass->getAmbient(), Ogre::ColourValue::White) << name << " keeps the default ambient";
        if (name == "Plane") {
            EXPECT_TRUE(pass->hasFragmentProgram()) << "per-vertex fog would wash out the one big quad";
            continue;
        }
        EXPECT_TRUE(pass->getFogOverride() && pass->getFogMode() == Ogre::FOG_LINEAR) << name;
        EXPECT_NEAR(pass->getFogEnd(), 480.0f, 20.0f) << name << " fades out before the far clip";
    }
    EXPECT_LT(materials.getByName("Plane")->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getTextureUScale(),
        0.1f) << "the ground tiles its texture itself";
}

TEST(Media, PicturesAreSquarePowersOfTwoTheSkyUpright)
{
    headlessScene();
    const Ogre::StringVectorPtr pictures = Ogre::ResourceGroupManager::getSingleton().findResourceNames("General", "*.png");
    ASSERT_FALSE(pictures->empty());
    for (const std::string& name : *pictures) {
        Ogre::Image picture;
        picture.load(name, "General");
        EXPECT_EQ(picture.getWidth(), picture.getHeight()) << name;
        EXPECT_TRUE(Ogre::Bitwise::isPO2(picture.getWidth())) << name;
    }
    auto average = [](const std::string& face, float fromTop) {
        Ogre::Image picture;
        picture.load("sky_" + face + ".png", "General");
        const size_t row = static_cast<size_t>(fromTop * (picture.getHeight() - 1));
        Ogre::ColourValue sum(0, 0, 0, 0);
        for (size_t x = 0; x < picture.getWidth(); ++x)
            sum += picture.getColourAt(x, row, 0) / static_cast<float>(picture.getWidth());
        return sum;
    };
    for (const char* side : {"fr", "bk", "lf", "rt"}) {
        const Ogre::ColourValue top = average(side, 0.0f);
        const Ogre::ColourValue bottom = average(side, 1.0f);
        EXPECT_GT(top.b - top.r, 0.2f) << side << " has blue sky at its top";
        EXPECT_LT(bottom.b - bottom.r, 0.05f) << side << " has hazy ground at its bottom";
    }
    EXPECT_GT(average("up", 0.5f).b - average("up", 0.5f).r, 0.1f) << "clouds in a blue sky overhead";
    EXPECT_LT(average("dn", 0.5f).b - average("dn", 0.5f).r, 0.05f) << "haze below";

    Ogre::Image crosshair;
    crosshair.load("crosshair.png", "General");
    EXPECT_TRUE(crosshair.getHasAlpha());
    EXPECT_EQ(crosshair.getColourAt(0, 0, 0).a, 0.0f) << "clear round the strokes";
    EXPECT_GT(crosshair.getColourAt(crosshair.getWidth() / 2, crosshair.getHeight() / 4, 0).a, 0.9f);
}

TEST(Media, MainOverlayHoldsItsSevenElements)
{
    headlessScene();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* main = overlays.getByName("MainOverlay");
    ASSERT_NE(main, nullptr);
    std::set<std::string> inOverlay;
    for (Ogre::OverlayContainer* root : main->get2DElements())
        collectNames(root, inOverlay);
    for (const char* name : {"FPS", "Hits", "Magazine", "Ammo", "Cross", "EndGame0", "EndGame1"})
        EXPECT_EQ(inOverlay.count(name), 1u) << name;
    for (const char* name : textElements)
        EXPECT_NE(dynamic_cast<Ogre::TextAreaOverlayElement*>(overlays.getOverlayElement(name)), nullptr) << name;
    std::set<std::string> endGame;
    collectNames(overlays.getOverlayElement("EndGame1"), endGame);
    std::string shown;
    for (const std::string& name : endGame)
        shown += overlays.getOverlayElement(name)->getCaption().asUTF8() + " ";
    EXPECT_NE(shown.find("GAME OVER"), std::string::npos);
    EXPECT_NE(shown.find("Escape"), std::string::npos);
}

TEST(Media, NoFileDefinesTheMeshesTheGameMakesItself)
{
    headlessScene();
    const Ogre::StringVectorPtr files = Ogre::ResourceGroupManager::getSingleton().listResourceNames("General");
    for (const std::string& name : *files) {
        const std::string base = std::filesystem::path(name).filename().string();
        for (const char* own : {"ground", "deck"}) {
            EXPECT_NE(base, own);
            EXPECT_NE(base, std::string(own) + ".mesh");
        }
    }
}

TEST(Media, GeneratorWritesTheSameBytesEveryRun)
{
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("corvane-media-" + std::to_string(getpid()));
    std::filesystem::remove_all(scratch);
    for (const char* run : {"first", "second"})
        ASSERT_EQ(std::system(("./corvane-mediagen " + (scratch / run).string() + " > /dev/null").c_str()), 0);
    const auto first = filesUnder(scratch / "first");
    const auto second = filesUnder(scratch / "second");
    std::filesystem::remove_all(scratch);
    for (const char* mesh : {"character/soldier.mesh", "character/soldier.skeleton", "truck/truck.mesh"})
        EXPECT_EQ(first.count(mesh), 1u) << mesh;
    ASSERT_EQ(first.size(), second.size());
    for (const auto& file : first)
        EXPECT_TRUE(second.count(file.first) && second.at(file.first) == file.second) << file.first << " differs";
}
