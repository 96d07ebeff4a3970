#include "mediagen/TargetModel.h"

#include "common/MediaContract.h"
#include "mediagen/MediaWriter.h"
#include "mediagen/MeshBuilder.h"

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

// The game's node scale: the mesh spans -0.5 to 0.5 on each axis, its node 20 above the ground.
const Vector3 nodeScale(3, 40, 20);
const float ground = -20.0f;
const float faceCentre = 8.0f; // the hit centre
const float faceRadius = 8.5f;
const float boardHalf = 9.5f;
const float postSpacing = 6.5f;

} // namespace

void TargetModel::write(const MediaWriter& writer) const
{
    MeshBuilder mesh;
    mesh.useMaterial("Target/Stand");
    for (float side : {-1.0f, 1.0f}) {
        const float z = side * postSpacing;
        mesh.addBox({0, (ground + faceCentre - boardHalf) * 0.5f + 0.2f, z},
            {0.5f, (faceCentre - boardHalf - ground) * 0.5f, 0.45f}); // post
        mesh.addBox({0, ground + 0.6f, z}, {1.45f, 0.6f, 0.55f});      // foot
    }
    mesh.addBox({0, -10, 0}, {0.3f, 0.5f, postSpacing + 0.2f});        // cross bar
    mesh.addBox({0, faceCentre, 0}, {0.4f, boardHalf, boardHalf});      // board

    mesh.useMaterial("Target/Face");
    mesh.addTube({-0.55f, faceCentre, 0}, {0.55f, faceCentre, 0}, {faceRadius, faceRadius},
        {faceRadius, faceRadius}, 28, Vector3::UNIT_Z);

    mesh.scaleDown(nodeScale);
    writer.writeMesh(mesh.build(Media::targetMesh), "target");
}
