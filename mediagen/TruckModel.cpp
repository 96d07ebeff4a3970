#include "mediagen/TruckModel.h"

#include "common/MediaContract.h"
#include "mediagen/MediaWriter.h"
#include "mediagen/MeshBuilder.h"

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

const float paintDensity = 1.0f / 40.0f;
const float groundLevel = -80.0f;
const float wheelRadius = 32.0f;
const float wheelWidth = 18.0f;
const float wheelInner = 33.0f;
const float axles[] = {40.0f, 100.0f, 335.0f};
const int wheelSides = 16;

} // namespace

void TruckModel::addBed(MeshBuilder& mesh) const
{
    mesh.useMaterial("Truck/Body");
    mesh.addBox({0, -4.5f, 110}, {52, 3.5f, 122});     // floor, its top just under the deck plate
    for (float side : {-1.0f, 1.0f}) {
        mesh.addBox({side * 53, 4, 110}, {2.5f, 12, 122}); // side wall
        for (float z : {20.0f, 70.0f, 120.0f, 170.0f, 220.0f})
            mesh.addBox({side * 55.6f, 3, z}, {1.2f, 13, 3}); // stakes
        mesh.addBox({side * 43, -11.5f, 70}, {11, 2.5f, 58}); // mudguard over the rear axles
    }
    mesh.addBox({0, 3, -12}, {55.5f, 11, 2.5f});   // tailgate
    mesh.addBox({0, 12, 232.5f}, {55.5f, 20, 2.5f}); // headboard

    mesh.useMaterial("Truck/Frame");
    for (float side : {-1.0f, 1.0f}) {
        mesh.addBox({side * 30, -31, 168}, {4, 9, 188});      // chassis rail
        mesh.addBox({side * 47, -24, 150}, {5, 11, 26});      // tool box
        mesh.addBox({side * 56, 8, 110}, {0.9f, 1.6f, 121});  // rub rail
        mesh.addBox({side * 56, 15.2f, 110}, {0.9f, 1.2f, 121}); // top rail
    }
    mesh.addBox({0, -26, -17}, {50, 4.5f, 3});              // rear bumper
    for (float side : {-1.0f, 1.0f})
        mesh.addBox({side * 40, -18, -16}, {6, 4, 2.2f});     // tail lights
}

void TruckModel::addCab(MeshBuilder& mesh) const
{
    mesh.useMaterial("Truck/Cab");
    mesh.addBox({0, 28, 272.5f}, {50, 42, 32.5f});      // cab
    mesh.addBox({0, 75, 271}, {47, 5, 29});             // roof
    mesh.addBox({0, 12, 338}, {44, 26, 33});            // bonnet over the engine
    for (float side : {-1.0f, 1.0f}) {
        mesh.addBox({side * 45, -11.5f, 336}, {10, 2.5f, 38}); // front mudguard
        mesh.addBox({side * 58, 45, 300}, {1.5f, 9, 3});        // mirror
        mesh.addBox({side * 53, 40, 300}, {4, 1, 1.2f});        // mirror arm
    }

    mesh.addBox({0, 67.5f, 309}, {46, 1.5f, 5});        // sun visor

    mesh.useMaterial("Truck/Frame");
    for (float side : {-1.0f, 1.0f}) {
        for (float z : {247.0f, 301.0f})
            mesh.addBox({side * 50.6f, 26, z}, {0.6f, 38, 0.7f});   // door seams
        mesh.addBox({side * 50.8f, 30, 292}, {0.8f, 1, 4});          // door handle
        mesh.addBox({side * 53, -18, 274}, {4, 1.5f, 16});           // step
    }

    mesh.useMaterial("Truck/Glass");
    mesh.addBox({0, 48, 305.5f}, {43, 16, 1.2f});       // windscreen
    for (float side : {-1.0f, 1.0f})
        mesh.addBox({side * 50.8f, 48, 275}, {1.2f, 16, 24}); // side window
    mesh.addBox({0, 48, 239.5f}, {36, 14, 1.2f});       // rear window

    mesh.useMaterial("Truck/Frame");
    mesh.addBox({0, 8, 371.5f}, {36, 19, 2});           // grille
    mesh.useMaterial("Truck/Body");
    for (float y : {-3.0f, 5.0f, 13.0f, 21.0f})
        mesh.addBox({0, y, 373.8f}, {33, 1.4f, 0.8f});  // grille bars
    mesh.useMaterial("Truck/Frame");
    mesh.addBox({0, -28, 376}, {53, 6, 4});             // front bumper
    mesh.addTube({-47, -6, 255}, {-47, 96, 255}, {4, 4}, {4, 4}, 8); // exhaust stack
    mesh.addTube({46, -30, 248}, {46, -30, 300}, {10, 10}, {10, 10}, 10, Vector3::UNIT_Y); // fuel tank

    mesh.useMaterial("Truck/Lamp");
    for (float side : {-1.0f, 1.0f})
        mesh.addTube({side * 38, 24, 372}, {side * 38, 24, 376}, {6, 6}, {6, 6}, 10, Vector3::UNIT_Y);
}

void TruckModel::addRunningGear(MeshBuilder& mesh) const
{
    const float axleHeight = groundLevel + wheelRadius;
    for (float z : axles) {
        mesh.useMaterial("Truck/Frame");
        mesh.addTube({-wheelInner, axleHeight, z}, {wheelInner, axleHeight, z}, {5, 5}, {5, 5}, 8, Vector3::UNIT_Y);
        for (float side : {-1.0f, 1.0f}) {
            const Vector3 inner(side * wheelInner, axleHeight, z);
            const Vector3 outer(side * (wheelInner + wheelWidth), axleHeight, z);
            mesh.useMaterial("Truck/Tyre");
            mesh.addTube(inner, outer, {wheelRadius, wheelRadius}, {wheelRadius, wheelRadius}, wheelSides,
                Vector3::UNIT_Y);
            mesh.useMaterial("Truck/Frame");
            mesh.addTube(outer - Vector3(side, 0, 0), outer + Vector3(side * 2, 0, 0), {15, 15}, {13, 13}, 10,
                Vector3::UNIT_Y); // hub
        }
    }
}

void TruckModel::write(const MediaWriter& writer) const
{
    MeshBuilder mesh;
    mesh.useTextureDensity(paintDensity);
    addBed(mesh);
    addCab(mesh);
    addRunningGear(mesh);
    writer.writeMesh(mesh.build(Media::truckMesh), "truck");
}
