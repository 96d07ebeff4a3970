// Gathers closed shapes, wound counter-clockwise seen from outside, and turns them into an engine mesh.
#pragma once

#include <OgreAxisAlignedBox.h>
#include <OgreMesh.h>
#include <OgreQuaternion.h>
#include <OgreSkeleton.h>
#include <OgreVector.h>

#include <cstdint>
#include <string>
#include <vector>

class MeshBuilder {
public:
    // Shapes that follow go into the sub-mesh of this material, made on first use, in order of first use.
    void useMaterial(const std::string& material);
    // Shapes that follow move with this bone.
    void useBone(unsigned short bone);
    // Texture repeats per unit of length on the shapes that follow; 0 spreads the texture over each face.
    void useTextureDensity(float repeatsPerUnit);
    // Whether the shapes that follow cast a shadow volume (they do unless told otherwise). A shape
    // whose shadow falls within a bigger one's can be left out: its own volume would only lay more
    // stencil layers over the same pixels.
    void castShadows(bool cast);


    void addBox(const Ogre::Vector3& centre, const Ogre::Vector3& halfSize,
        const Ogre::Quaternion& turn = Ogre::Quaternion::IDENTITY);
    // A capped tube from one point to another with an elliptical section: radii along `across` and
    // along the third axis, each end with its own radii.
    void addTube(const Ogre::Vector3& from, const Ogre::Vector3& to, const Ogre::Vector2& fromRadii,
        const Ogre::Vector2& toRadii, int sides, const Ogre::Vector3& across = Ogre::Vector3::UNIT_X);
    void addEllipsoid(const Ogre::Vector3& centre, const Ogre::Vector3& radii, int rings, int sides,
        const Ogre::Quaternion& turn = Ogre::Quaternion::IDENTITY);
    // The upper half of an ellipsoid, closed by a flat base.
    void addDome(const Ogre::Vector3& centre, const Ogre::Vector3& radii, int rings, int sides);

    // Divides every position by `factor`, for a mesh that its node stretches back by that much.
    void scaleDown(const Ogre::Vector3& factor);

    // A mesh of all shapes, with an edge list of those that cast stencil shadows; its bounds are those
    // of the vertices, grown to include `reach` (for parts of a skinned mesh that move out of their bind pose).
    Ogre::MeshPtr build(const std::string& name, Ogre::SkeletonPtr skeleton = Ogre::SkeletonPtr(),
        const Ogre::AxisAlignedBox& reach = Ogre::AxisAlignedBox::BOX_NULL) const;

private:
    struct Vertex {
        Ogre::Vector3 position;
        Ogre::Vector3 normal;
        Ogre::Vector2 uv;
        unsigned short bone;
        bool castsShadow;
    };
    struct Part {
        std::string material;
        std::vector<Vertex> vertices;
        std::vector<std::uint16_t> indices;
    };

    Part& part();
    std::uint16_t addVertex(const Ogre::Vector3& position, const Ogre::Vector3& normal, const Ogre::Vector2& uv);
    // Refuses a triangle that faces against its own vertex normals: the shadow volumes need outward winding.
    void addTriangle(std::uint16_t a, std::uint16_t b, std::uint16_t c);
    void addFlatQuad(const Ogre::Vector3 (&corners)[4], const Ogre::Vector3& right, const Ogre::Vector3& up,
        const Ogre::Vector3& normal);
    void addEllipsoidBand(const Ogre::Vector3& centre, const Ogre::Vector3& radii, const Ogre::Quaternion& turn,
        int rings, int sides, int lastRing);
    void buildSubMesh(Ogre::Mesh& mesh, const Part& part) const;
    // Takes the triangles of shapes that cast no shadow out of the mesh's edge list.
    void leaveOutOfShadow(Ogre::EdgeData& edges) const;

    std::vector<Part> parts;
    size_t currentPart = 0;
    unsigned short currentBone = 0;
    float textureDensity = 0.0f;
    bool castingShadows = true;
};
