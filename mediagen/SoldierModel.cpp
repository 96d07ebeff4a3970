#include "mediagen/SoldierModel.h"

#include "common/MediaContract.h"
#include "mediagen/MediaWriter.h"
#include "mediagen/MeshBuilder.h"
#include "mediagen/SoldierAnimations.h"

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

const char* const uniform = "Soldier/Uniform";
const char* const gear = "Soldier/Gear";
const char* const helmet = "Soldier/Helmet";
const char* const skin = "Soldier/Skin";
const char* const leather = "Soldier/Boots";

const float clothDensity = 0.8f;
const int limbSides = 8;

// Both sides of the body: +X is the soldier's left, -X his right.
const struct Side {
    const char* suffix;
    float sign;
} sides[] = {{"_l", 1.0f}, {"_r", -1.0f}};

std::string named(const char* bone, const Side& side)
{
    return std::string(bone) + side.suffix;
}

Vector3 mirrored(const Vector3& left, const Side& side)
{
    return Vector3(left.x * side.sign, left.y, left.z);
}

Vector2 circle(float radius)
{
    return Vector2(radius, radius);
}

} // namespace

SoldierModel::SoldierModel()
{
    Rig& rig = skeletonRig;
    rig.addBone("root", "", {0, 6.7f, 0});
    rig.addBone("spine", "root", {0, 0.8f, 0});
    rig.addBone("chest", "spine", {0, 1.3f, -0.05f});
    rig.addBone("neck", "chest", {0, 1.5f, 0});
    rig.addBone("head", "neck", {0, 0.55f, 0.05f});
    for (const Side& side : sides) {
        rig.addBone(named("upperarm", side), "chest", mirrored({1.5f, 1.05f, 0}, side));
        rig.addBone(named("forearm", side), named("upperarm", side), mirrored({0.3f, -2.5f, 0}, side));
        rig.addBone(named("hand", side), named("forearm", side), mirrored({0.2f, -2.55f, 0.15f}, side));
    }
    for (const Side& side : sides) {
        rig.addBone(named("thigh", side), "root", mirrored({0.72f, -0.3f, 0}, side));
        rig.addBone(named("shin", side), named("thigh", side), mirrored({0.05f, -3.0f, 0.05f}, side));
        rig.addBone(named("foot", side), named("shin", side), mirrored({0, -2.75f, -0.05f}, side));
    }
}

void SoldierModel::dressLegs(MeshBuilder& mesh) const
{
    const Rig& rig = skeletonRig;
    for (const Side& side : sides) {
        const Vector3 hip = rig.jointPosition(rig.bone(named("thigh", side)));
        const Vector3 knee = rig.jointPosition(rig.bone(named("shin", side)));
        const Vector3 ankle = rig.jointPosition(rig.bone(named("foot", side)));

        mesh.useMaterial(uniform);
        mesh.useBone(rig.bone(named("thigh", side)));
        mesh.addTube(knee - Vector3(0, 0.1f, 0), hip + Vector3(0, 0.35f, 0), circle(0.5f), {0.66f, 0.64f}, limbSides);
        mesh.useBone(rig.bone(named("shin", side)));
        mesh.addTube(ankle + Vector3(0, 0.3f, 0.02f), knee + Vector3(0, 0.1f, 0), {0.4f, 0.42f}, circle(0.5f), limbSides);
        mesh.castShadows(false);
        mesh.addBox(knee + Vector3(0, -0.05f, 0.42f), {0.3f, 0.32f, 0.12f}); // knee pad
        mesh.castShadows(true);

        mesh.useMaterial(leather);
        mesh.useBone(rig.bone(named("foot", side)));
        mesh.addBox({ankle.x, 0.42f, 0.3f}, {0.42f, 0.42f, 0.78f});
        mesh.addTube({ankle.x, 0.5f, -0.02f}, {ankle.x, 1.45f, 0.0f}, circle(0.46f), circle(0.44f), limbSides);
    }
}

void SoldierModel::dressBody(MeshBuilder& mesh) const
{
    const Rig& rig = skeletonRig;
    mesh.useMaterial(uniform);
    mesh.useBone(rig.bone("root"));
    mesh.addTube({0, 5.9f, 0}, {0, 7.3f, 0}, {1.15f, 0.78f}, {1.1f, 0.75f}, 10);
    mesh.useBone(rig.bone("spine"));
    mesh.addTube({0, 7.2f, 0}, {0, 8.9f, -0.02f}, {1.05f, 0.72f}, {1.18f, 0.78f}, 10);

    mesh.useMaterial(leather);
    mesh.useBone(rig.bone("root"));
    mesh.addTube({0, 6.95f, 0}, {0, 7.42f, 0}, {1.2f, 0.84f}, {1.2f, 0.84f}, 10); // belt
    mesh.castShadows(false);
    mesh.addBox({0, 7.18f, 0.86f}, {0.26f, 0.2f, 0.06f});                         // buckle
    mesh.castShadows(true);
    mesh.addBox({-1.05f, 6.85f, 0.35f}, {0.22f, 0.38f, 0.3f});                     // holster pouch

    mesh.useMaterial(gear);
    mesh.useBone(rig.bone("chest"));
    mesh.addTube({0, 8.3f, -0.02f}, {0, 10.12f, -0.05f}, {1.32f, 0.9f}, {1.42f, 0.9f}, 10); // vest
    mesh.castShadows(false);
    for (float x : {-0.7f, 0.0f, 0.7f})
        mesh.addBox({x, 8.75f, 0.93f}, {0.28f, 0.36f, 0.17f}); // magazine pouches
    mesh.castShadows(true);
    mesh.addBox({0, 9.25f, -1.22f}, {0.95f, 1.0f, 0.42f});      // pack
    mesh.castShadows(false);
    mesh.addBox({0, 10.15f, -1.2f}, {0.9f, 0.14f, 0.4f});       // rolled mat on the pack
    mesh.castShadows(true);
}

void SoldierModel::dressArms(MeshBuilder& mesh) const
{
    const Rig& rig = skeletonRig;
    for (const Side& side : sides) {
        const Vector3 shoulder = rig.jointPosition(rig.bone(named("upperarm", side)));
        const Vector3 elbow = rig.jointPosition(rig.bone(named("forearm", side)));
        const Vector3 palm = rig.jointPosition(rig.bone(named("hand", side)));
        const Vector3 upperAxis = (elbow - shoulder).normalisedCopy();
        const Vector3 lowerAxis = (palm - elbow).normalisedCopy();

        mesh.useMaterial(uniform);
        mesh.useBone(rig.bone(named("upperarm", side)));
        mesh.addEllipsoid(shoulder + Vector3(0, -0.05f, 0), {0.56f, 0.52f, 0.56f}, 6, 8);
        mesh.addTube(shoulder, elbow + upperAxis * 0.15f, circle(0.46f), circle(0.4f), limbSides);
        mesh.useBone(rig.bone(named("forearm", side)));
        mesh.addTube(elbow - lowerAxis * 0.1f, palm - lowerAxis * 0.45f, circle(0.4f), circle(0.31f), limbSides);

        mesh.useMaterial(skin);
        mesh.useBone(rig.bone(named("hand", side)));
        mesh.addBox(palm, {0.22f, 0.4f, 0.3f});
        mesh.castShadows(false);
        mesh.addBox(palm + mirrored({-0.12f, 0.08f, 0.3f}, side), {0.08f, 0.2f, 0.09f}); // thumb
        mesh.castShadows(true);
    }
}

void SoldierModel::dressHead(MeshBuilder& mesh) const
{
    const Rig& rig = skeletonRig;
    mesh.useMaterial(skin);
    mesh.useBone(rig.bone("neck"));
    mesh.addTube({0, 10.0f, -0.05f}, {0, 11.0f, 0}, circle(0.37f), circle(0.34f), limbSides);
    mesh.useBone(rig.bone("head"));
    mesh.addEllipsoid({0, 11.6f, 0.08f}, {0.7f, 0.86f, 0.78f}, 8, 10);
    // Small parts whose shadows fall within bigger ones' cast none of their own.
    mesh.castShadows(false);
    mesh.addBox({0, 11.5f, 0.86f}, {0.1f, 0.17f, 0.1f}); // nose
    for (const Side& side : sides)
        mesh.addBox(mirrored({0.71f, 11.6f, 0.02f}, side), {0.07f, 0.18f, 0.12f}); // ear

    mesh.useMaterial(leather);
    mesh.addEllipsoid({0, 11.72f, -0.06f}, {0.69f, 0.8f, 0.76f}, 8, 10); // cropped hair under the helmet
    for (const Side& side : sides)
        mesh.addBox(mirrored({0.26f, 11.72f, 0.78f}, side), {0.1f, 0.05f, 0.05f}); // eye
    mesh.addBox({0, 11.12f, 0.73f}, {0.22f, 0.035f, 0.05f});                       // mouth
    mesh.castShadows(true);

    mesh.useMaterial(helmet);
    mesh.addDome({0, 11.92f, 0}, {0.98f, 1.06f, 1.08f}, 5, 12);
    mesh.addTube({0, 11.8f, 0}, {0, 11.96f, 0}, {1.1f, 1.18f}, {1.06f, 1.14f}, 12); // rim
}

void SoldierModel::write(const MediaWriter& writer) const
{
    MeshBuilder mesh;
    mesh.useTextureDensity(clothDensity);
    dressLegs(mesh);
    dressBody(mesh);
    dressArms(mesh);
    dressHead(mesh);

    Ogre::SkeletonPtr skeleton = skeletonRig.build("soldier.skeleton");
    SoldierAnimations(skeletonRig).addTo(*skeleton);
    // The arms swing out of the bind pose: the bounds must hold the rifle raised to the shoulder.
    const Ogre::AxisAlignedBox reach(-3.5f, 0.0f, -3.0f, 3.5f, 12.0f, 6.5f);
    writer.writeSkeleton(skeleton, "character/soldier.skeleton");
    writer.writeMesh(mesh.build(Media::soldierMesh, skeleton, reach), "character");
}
