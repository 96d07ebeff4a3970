#include "mediagen/MeshBuilder.h"

#include <OgreEdgeListBuilder.h>
#include <OgreHardwareBufferManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubMesh.h>
#include <OgreVertexBoneAssignment.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

const unsigned short geometrySource = 0;
const unsigned short textureSource = 1;
const float twoPi = 6.28318530718f;

// Points round a circle, the same bits for the same point however it is reached, so that the
// shadow edge list, which welds only exactly equal positions, sees the shapes closed.
Vector2 aroundCircle(int step, int steps)
{
    const float angle = twoPi * static_cast<float>(step % steps) / static_cast<float>(steps);
    return Vector2(std::cos(angle), std::sin(angle));
}

// A point on the unit sphere, ring 0 at the top pole and ring `rings` at the bottom one.
Vector3 onSphere(int ring, int rings, int side, int sides)
{
    if (ring == 0)
        return Vector3::UNIT_Y;
    if (ring == rings)
        return Vector3::NEGATIVE_UNIT_Y;
    const float polar = Ogre::Math::PI * static_cast<float>(ring) / static_cast<float>(rings);
    const float height = 2 * ring == rings ? 0.0f : std::cos(polar);
    const Vector2 round = aroundCircle(side, sides) * std::sin(polar);
    return Vector3(round.x, height, round.y);
}

} // namespace

void MeshBuilder::useMaterial(const std::string& material)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].material == material) {
            currentPart = i;
            return;
        }
    }
    parts.push_back(Part{material, {}, {}});
    currentPart = parts.size() - 1;
}

void MeshBuilder::useBone(unsigned short bone)
{
    currentBone = bone;
}

void MeshBuilder::useTextureDensity(float repeatsPerUnit)
{
    textureDensity = repeatsPerUnit;
}

void MeshBuilder::castShadows(bool cast)
{
    castingShadows = cast;
}

MeshBuilder::Part& MeshBuilder::part()
{
    if (parts.empty())
        throw std::logic_error("MeshBuilder: no material chosen");
    return parts[currentPart];
}

std::uint16_t MeshBuilder::addVertex(const Vector3& position, const Vector3& normal, const Vector2& uv)
{
    Part& target = part();
    if (target.vertices.size() >= std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("MeshBuilder: too many vertices for 16-bit indices in " + target.material);
    target.vertices.push_back(Vertex{position, normal.normalisedCopy(), uv, currentBone, castingShadows});
    return static_cast<std::uint16_t>(target.vertices.size() - 1);
}

void MeshBuilder::addTriangle(std::uint16_t a, std::uint16_t b, std::uint16_t c)
{
    Part& target = part();
    const Vertex& va = target.vertices[a];
    const Vertex& vb = target.vertices[b];
    const Vertex& vc = target.vertices[c];
    const Vector3 facing = (vb.position - va.position).crossProduct(vc.position - va.position);
    if (facing.squaredLength() < 1e-14f || facing.dotProduct(va.normal + vb.normal + vc.normal) <= 0.0f)
        throw std::logic_error("MeshBuilder: degenerate or inward-wound triangle in " + target.material);
    target.indices.insert(target.indices.end(), {a, b, c});
}

void MeshBuilder::addFlatQuad(const Vector3 (&corners)[4], const Vector3& right, const Vector3& up,
    const Vector3& normal)
{
    // Corners come counter-clockwise seen from outside: right x up points along the normal.
    const Vector2 faceUv[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    std::uint16_t index[4];
    for (int i = 0; i < 4; ++i) {
        const Vector2 uv = textureDensity > 0.0f
            ? Vector2(corners[i].dotProduct(right), -corners[i].dotProduct(up)) * textureDensity
            : faceUv[i];
        index[i] = addVertex(corners[i], normal, uv);
    }
    addTriangle(index[0], index[1], index[2]);
    addTriangle(index[0], index[2], index[3]);
}

void MeshBuilder::addBox(const Vector3& centre, const Vector3& halfSize, const Ogre::Quaternion& turn)
{
    // Each corner worked out once, so that the faces meeting there share it exactly.
    auto cornerIndex = [](const Vector3& signs) {
        return (signs.x > 0 ? 1 : 0) + (signs.y > 0 ? 2 : 0) + (signs.z > 0 ? 4 : 0);
    };
    Vector3 corners[8];
    for (int i = 0; i < 8; ++i) {
        const Vector3 signs(i & 1 ? 1.0f : -1.0f, i & 2 ? 1.0f : -1.0f, i & 4 ? 1.0f : -1.0f);
        corners[i] = centre + turn * (signs * halfSize);
    }
    struct Face {
        Vector3 normal;
        Vector3 up;
    };
    const Face faces[6] = {
        {Vector3::UNIT_X, Vector3::UNIT_Y},
        {Vector3::NEGATIVE_UNIT_X, Vector3::UNIT_Y},
        {Vector3::UNIT_Z, Vector3::UNIT_Y},
        {Vector3::NEGATIVE_UNIT_Z, Vector3::UNIT_Y},
        {Vector3::UNIT_Y, Vector3::NEGATIVE_UNIT_Z},
        {Vector3::NEGATIVE_UNIT_Y, Vector3::UNIT_Z},
    };
    const Vector2 quad[4] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (const Face& face : faces) {
        const Vector3 right = face.up.crossProduct(face.normal);
        Vector3 faceCorners[4];
        for (int i = 0; i < 4; ++i)
            faceCorners[i] = corners[cornerIndex(face.normal + right * quad[i].x + face.up * quad[i].y)];
        addFlatQuad(faceCorners, turn * right, turn * face.up, turn * face.normal);
    }
}

void MeshBuilder::addTube(const Vector3& from, const Vector3& to, const Vector2& fromRadii, const Vector2& toRadii,
    int sides, const Vector3& across)
{
    const Vector3 axis = (to - from).normalisedCopy();
    const Vector3 u = (across - axis * across.dotProduct(axis)).normalisedCopy();
    const Vector3 v = axis.crossProduct(u);
    const float length = from.distance(to);
    auto ring = [&](const Vector3& centre, const Vector2& radii, int step) {
        const Vector2 round = aroundCircle(step, sides);
        return centre + u * (radii.x * round.x) + v * (radii.y * round.y);
    };
    auto sideNormal = [&](int step) {
        const Vector2 round = aroundCircle(step, sides);
        const Vector3 radial = u * (round.x / fromRadii.x) + v * (round.y / fromRadii.y);
        const float slope = ((fromRadii.x + fromRadii.y) - (toRadii.x + toRadii.y)) * 0.5f / length;
        return radial.normalisedCopy() + axis * slope;
    };
    const float around = textureDensity > 0.0f
        ? std::max(1.0f, std::round(twoPi * (fromRadii.x + fromRadii.y) * 0.5f * textureDensity))
        : 1.0f;
    const float along = textureDensity > 0.0f ? length * textureDensity : 1.0f;
    for (int side = 0; side < sides; ++side) {
        const float u0 = around * side / sides;
        const float u1 = around * (side + 1) / sides;
        const std::uint16_t p0 = addVertex(ring(from, fromRadii, side), sideNormal(side), {u0, along});
        const std::uint16_t p1 = addVertex(ring(from, fromRadii, side + 1), sideNormal(side + 1), {u1, along});
        const std::uint16_t p2 = addVertex(ring(to, toRadii, side + 1), sideNormal(side + 1), {u1, 0});
        const std::uint16_t p3 = addVertex(ring(to, toRadii, side), sideNormal(side), {u0, 0});
        addTriangle(p0, p1, p2);
        addTriangle(p0, p2, p3);
    }
    // Caps: a fan round the centre, the texture laid across the disc.
    for (int end = 0; end < 2; ++end) {
        const Vector3& centre = end == 0 ? from : to;
        const Vector2& radii = end == 0 ? fromRadii : toRadii;
        const Vector3 normal = end == 0 ? -axis : axis;
        const std::uint16_t middle = addVertex(centre, normal, {0.5f, 0.5f});
        std::vector<std::uint16_t> rim;
        for (int side = 0; side < sides; ++side) {
            const Vector2 round = aroundCircle(side, sides);
            rim.push_back(addVertex(ring(centre, radii, side), normal, {0.5f + 0.5f * round.x, 0.5f - 0.5f * round.y}));
        }
        for (int side = 0; side < sides; ++side) {
            const std::uint16_t a = rim[side];
            const std::uint16_t b = rim[(side + 1) % sides];
            if (end == 0)
                addTriangle(middle, b, a);
            else
                addTriangle(middle, a, b);
        }
    }
}

void MeshBuilder::addEllipsoidBand(const Vector3& centre, const Vector3& radii, const Ogre::Quaternion& turn,
    int rings, int sides, int lastRing)
{
    // Ring 0 is the top pole, ring `rings` the bottom one; the band stops at `lastRing`.
    auto vertex = [&](int ring, int side) {
        const Vector3 unit = onSphere(ring, rings, side, sides);
        const Vector3 position = centre + turn * (unit * radii);
        const Vector3 normal = turn * (unit / radii);
        const Vector2 uv(static_cast<float>(side) / sides, static_cast<float>(ring) / rings);
        return addVertex(position, normal, uv);
    };
    for (int ring = 0; ring < lastRing; ++ring) {
        for (int side = 0; side < sides; ++side) {
            if (ring == 0) {
                const std::uint16_t pole = vertex(0, side);
                addTriangle(pole, vertex(1, side + 1), vertex(1, side));
            } else if (ring == rings - 1) {
                const std::uint16_t pole = vertex(rings, side);
                addTriangle(vertex(ring, side), vertex(ring, side + 1), pole);
            } else {
                const std::uint16_t a = vertex(ring, side);
                const std::uint16_t b = vertex(ring, side + 1);
                const std::uint16_t c = vertex(ring + 1, side + 1);
                const std::uint16_t d = vertex(ring + 1, side);
                addTriangle(a, b, c);
                addTriangle(a, c, d);
            }
        }
    }
}

void MeshBuilder::addEllipsoid(const Vector3& centre, const Vector3& radii, int rings, int sides,
    const Ogre::Quaternion& turn)
{
    addEllipsoidBand(centre, radii, turn, rings, sides, rings);
}

void MeshBuilder::addDome(const Vector3& centre, const Vector3& radii, int rings, int sides)
{
    addEllipsoidBand(centre, radii, Ogre::Quaternion::IDENTITY, rings * 2, sides, rings);
    const std::uint16_t middle = addVertex(centre, Vector3::NEGATIVE_UNIT_Y, {0.5f, 0.5f});
    auto rim = [&](int side) {
        const Vector3 unit = onSphere(rings, rings * 2, side, sides);
        return addVertex(centre + unit * radii, Vector3::NEGATIVE_UNIT_Y, {0.5f + 0.5f * unit.x, 0.5f + 0.5f * unit.z});
    };
    for (int side = 0; side < sides; ++side)
        addTriangle(middle, rim(side), rim(side + 1));
}

void MeshBuilder::scaleDown(const Vector3& factor)
{
    for (Part& each : parts) {
        for (Vertex& vertex : each.vertices) {
            vertex.position /= factor;
            vertex.normal = (vertex.normal * factor).normalisedCopy();
        }
    }
}

void MeshBuilder::buildSubMesh(Ogre::Mesh& mesh, const Part& source) const
{
    Ogre::SubMesh* sub = mesh.createSubMesh();
    // The sub-mesh keeps its material only if one of that name exists; the real one comes from the scripts.
    Ogre::MaterialManager::getSingleton().createOrRetrieve(source.material, mesh.getGroup());
    sub->setMaterialName(source.material);
    sub->useSharedVertices = false;
    sub->vertexData = OGRE_NEW Ogre::VertexData();
    sub->vertexData->vertexCount = source.vertices.size();
    Ogre::VertexDeclaration* declaration = sub->vertexData->vertexDeclaration;
    size_t offset = declaration->addElement(geometrySource, 0, Ogre::VET_FLOAT3, Ogre::VES_POSITION).getSize();
    declaration->addElement(geometrySource, offset, Ogre::VET_FLOAT3, Ogre::VES_NORMAL);
    declaration->addElement(textureSource, 0, Ogre::VET_FLOAT2, Ogre::VES_TEXTURE_COORDINATES, 0);

    std::vector<float> geometry;
    std::vector<float> texture;
    for (const Vertex& vertex : source.vertices) {
        geometry.insert(geometry.end(), {vertex.position.x, vertex.position.y, vertex.position.z, vertex.normal.x,
                                            vertex.normal.y, vertex.normal.z});
        texture.insert(texture.end(), {vertex.uv.x, vertex.uv.y});
    }
    Ogre::HardwareBufferManager& buffers = Ogre::HardwareBufferManager::getSingleton();
    auto upload = [&](unsigned short sourceIndex, const std::vector<float>& data) {
        Ogre::HardwareVertexBufferSharedPtr buffer = buffers.createVertexBuffer(
            declaration->getVertexSize(sourceIndex), source.vertices.size(), Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY);
        buffer->writeData(0, buffer->getSizeInBytes(), data.data(), true);
        sub->vertexData->vertexBufferBinding->setBinding(sourceIndex, buffer);
    };
    upload(geometrySource, geometry);
    upload(textureSource, texture);

    Ogre::HardwareIndexBufferSharedPtr indices = buffers.createIndexBuffer(
        Ogre::HardwareIndexBuffer::IT_16BIT, source.indices.size(), Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY);
    indices->writeData(0, indices->getSizeInBytes(), source.indices.data(), true);
    sub->indexData->indexBuffer = indices;
    sub->indexData->indexCount = source.indices.size();
    sub->indexData->indexStart = 0;

    if (mesh.hasSkeleton()) {
        for (size_t i = 0; i < source.vertices.size(); ++i) {
            Ogre::VertexBoneAssignment assignment;
            assignment.vertexIndex = static_cast<unsigned int>(i);
            assignment.boneIndex = source.vertices[i].bone;
            assignment.weight = 1.0f;
            sub->addBoneAssignment(assignment);
        }
    }
}

void MeshBuilder::leaveOutOfShadow(Ogre::EdgeData& edges) const
{
    // Each part has vertex data of its own, which the edge list numbers as its vertex set.
    std::vector<bool> casts;
    for (const Ogre::EdgeData::Triangle& triangle : edges.triangles)
        casts.push_back(parts[triangle.vertexSet].vertices[triangle.vertIndex[0]].castsShadow);
    std::vector<size_t> renumbered(edges.triangles.size());
    size_t kept = 0;
    for (Ogre::EdgeData::EdgeGroup& group : edges.edgeGroups) {
        const size_t first = kept;
        for (size_t i = group.triStart; i < group.triStart + group.triCount; ++i) {
            if (!casts[i])
                continue;
            renumbered[i] = kept;
            edges.triangles[kept] = edges.triangles[i];
            edges.triangleFaceNormals[kept] = edges.triangleFaceNormals[i];
            ++kept;
        }
        group.triStart = first;
        group.triCount = kept - first;
        auto left = std::remove_if(group.edges.begin(), group.edges.end(), [&](const Ogre::EdgeData::Edge& edge) {
            // The edge list welds equal positions, which could join two shapes.
            if (!edge.degenerate && casts[edge.triIndex[0]] != casts[edge.triIndex[1]])
                throw std::logic_error("MeshBuilder: a shape that casts a shadow touches one that does not");
            return !casts[edge.triIndex[0]];
        });
        group.edges.erase(left, group.edges.end());
        for (Ogre::EdgeData::Edge& edge : group.edges) {
            edge.triIndex[0] = renumbered[edge.triIndex[0]];
            if (!edge.degenerate)
                edge.triIndex[1] = renumbered[edge.triIndex[1]];
        }
    }
    edges.triangles.resize(kept);
    edges.triangleFaceNormals.resize(kept);
    edges.triangleLightFacings.resize(kept);
}

Ogre::MeshPtr MeshBuilder::build(const std::string& name, Ogre::SkeletonPtr skeleton,
    const Ogre::AxisAlignedBox& reach) const
{
    Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().createManual(
        name, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
    if (skeleton)
        mesh->_notifySkeleton(skeleton);
    Ogre::AxisAlignedBox bounds = reach;
    for (const Part& each : parts) {
        buildSubMesh(*mesh, each);
        for (const Vertex& vertex : each.vertices)
            bounds.merge(vertex.position);
    }
    if (skeleton)
        mesh->_compileBoneAssignments();
    mesh->_setBounds(bounds, false);
    mesh->_setBoundingSphereRadius(std::max(bounds.getMinimum().length(), bounds.getMaximum().length()));
    mesh->buildEdgeList();
    leaveOutOfShadow(*mesh->getEdgeList());
    return mesh;
}
