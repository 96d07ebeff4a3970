#include "mediagen/RifleModel.h"

#include "common/MediaContract.h"
#include "mediagen/MediaWriter.h"
#include "mediagen/MeshBuilder.h"

using Ogre::Degree;
using Ogre::Quaternion;
using Ogre::Vector2;
using Ogre::Vector3;

const Vector3 RifleModel::handguardHold(0.0f, 2.8f, -0.2f);
const Vector3 RifleModel::magazineHold(0.0f, 1.0f, 0.9f);

namespace {

const float boreHeight = -0.55f; // the bore runs this far above the grip (towards -Z)
const float textureDensity = 1.2f;

} // namespace

void RifleModel::write(const MediaWriter& writer) const
{
    MeshBuilder mesh;
    mesh.useTextureDensity(textureDensity);

    mesh.useMaterial("Rifle/Metal");
    mesh.addBox({0, 0.55f, -0.575f}, {0.22f, 1.05f, 0.275f});                    // receiver
    mesh.addBox({0, 0.45f, -0.95f}, {0.08f, 0.75f, 0.1f});                       // sight rail
    mesh.addBox({0, -0.2f, -1.12f}, {0.12f, 0.12f, 0.09f});                      // rear sight
    mesh.addBox({0, 3.75f, -0.98f}, {0.05f, 0.06f, 0.24f});                      // front sight
    mesh.addBox({0, 0.3f, -0.18f}, {0.06f, 0.28f, 0.16f});                       // trigger guard
    mesh.addTube({0, 3.7f, boreHeight}, {0, 4.75f, boreHeight}, {0.09f, 0.09f}, {0.09f, 0.09f}, 8); // barrel
    mesh.addTube({0, 4.55f, boreHeight}, {0, 4.9f, boreHeight}, {0.13f, 0.13f}, {0.12f, 0.12f}, 8); // muzzle

    mesh.useMaterial("Rifle/Polymer");
    mesh.addBox({0, -1.35f, -0.48f}, {0.17f, 0.85f, 0.27f}, Quaternion(Degree(-4), Vector3::UNIT_X)); // stock
    mesh.addBox({0, -2.12f, -0.38f}, {0.2f, 0.09f, 0.43f});                                         // butt plate
    mesh.addBox({0, -0.12f, 0.0f}, {0.14f, 0.2f, 0.36f}, Quaternion(Degree(-18), Vector3::UNIT_X)); // pistol grip
    mesh.addBox({0, 1.0f, 0.32f}, {0.14f, 0.28f, 0.6f}, Quaternion(Degree(-14), Vector3::UNIT_X));  // magazine
    mesh.addTube({0, 1.58f, boreHeight}, {0, 3.72f, boreHeight}, {0.3f, 0.28f}, {0.27f, 0.25f}, 8); // handguard

    writer.writeMesh(mesh.build(Media::rifleMesh), "character");
}
