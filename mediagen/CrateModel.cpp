#include "mediagen/CrateModel.h"

#include "common/MediaContract.h"
#include "mediagen/MediaWriter.h"
#include "mediagen/MeshBuilder.h"

void CrateModel::write(const MediaWriter& writer) const
{
    MeshBuilder mesh;
    mesh.useMaterial("Crate/Wood");
    mesh.addBox(Ogre::Vector3::ZERO, Ogre::Vector3(0.5f, 0.5f, 0.5f));
    writer.writeMesh(mesh.build(Media::crateMesh), "crate");
}
