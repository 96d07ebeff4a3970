// Writes the game's meshes, skeleton, pictures, sounds and window icon into a media tree, and its icon into an
// icon theme folder:
// corvane-mediagen MEDIA_FOLDER ICON_FOLDER
#include "common/MediaContract.h"
#include "mediagen/Canvas.h"
#include "mediagen/CrateModel.h"
#include "mediagen/GroundPainter.h"
#include "mediagen/HudPainter.h"
#include "mediagen/IconPainter.h"
#include "mediagen/MediaWriter.h"
#include "mediagen/RifleModel.h"
#include "mediagen/SkyPainter.h"
#include "mediagen/SoldierModel.h"
#include "mediagen/SoundSynth.h"
#include "mediagen/SurfacePainter.h"
#include "mediagen/TargetModel.h"
#include "mediagen/TargetPainter.h"
#include "mediagen/TruckModel.h"
#include "mediagen/WoodPainter.h"

#include <exception>
#include <filesystem>
#include <iostream>

namespace {

void writePictures(const MediaWriter& writer)
{
    const SkyPainter sky;
    for (int face = 0; face < 6; ++face)
        writer.writePicture(sky.face(face), std::string("sky/sky") + SkyPainter::faceSuffixes[face] + ".png");

    const GroundPainter ground;
    writer.writePicture(ground.grass(), "plane/ground.png");
    writer.writePicture(ground.patches(), "plane/ground_patches.png");

    const WoodPainter wood;
    writer.writePicture(wood.crate(WoodPainter::Wear::Intact), "crate/crate.png");
    writer.writePicture(wood.crate(WoodPainter::Wear::Cracked), "crate/crate_cracked.png");
    writer.writePicture(wood.crate(WoodPainter::Wear::Burnt), "crate/crate_burning.png");
    writer.writePicture(wood.deck(), "truck/deck.png");
    writer.writePicture(wood.stand(), "target/target_stand.png");

    const TargetPainter target;
    writer.writePicture(target.face(TargetPainter::Wear::Intact), "target/target_face.png");
    writer.writePicture(target.face(TargetPainter::Wear::Cracked), "target/target_face_cracked.png");
    writer.writePicture(target.face(TargetPainter::Wear::Perished), "target/target_face_perished.png");

    const SurfacePainter surface;
    writer.writePicture(surface.cloth(), "character/cloth.png");
    writer.writePicture(surface.wornPaint(), "truck/worn_paint.png");

    writer.writePicture(HudPainter().crosshair(), "hud/crosshair.png", true);
}

void writeSounds(const MediaWriter& writer)
{
    using namespace Media::Sounds;
    const SoundSynth synth;
    const auto write = [&](const SoundSynth::Samples& samples, int clip) { writer.writeSound(samples, files[clip]); };
    for (int variant = 0; variant < shotVariants; ++variant)
        write(synth.shot(variant), Shot0 + variant);
    write(synth.emptyClick(), Click);
    write(synth.magazineOut(), MagazineOut);
    write(synth.magazineIn(), MagazineIn);
    write(synth.bolt(), Bolt);
    for (const bool board : {false, true}) {
        for (int variant = 0; variant < hitVariants; ++variant)
            write(synth.hit(board, variant), (board ? BoardHit0 : WoodHit0) + variant);
        write(synth.crack(board), board ? BoardCrack : WoodCrack);
        write(synth.breakApart(board), board ? BoardBreak : WoodBreak);
    }
    write(synth.stepOff(), StepOff);
    write(synth.engine(), Engine);
}

const int iconSizes[] = {32, 48, 64, 128, 256};

void writeIcons(const MediaWriter& writer, const std::filesystem::path& iconFolder)
{
    const IconPainter painter;
    for (const int size : iconSizes) {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        writer.writePicture(painter.icon(size), iconFolder / "hicolor" / square / "apps/corvane.png", true);
    }
    for (const Media::WindowIcon& icon : Media::windowIcons)
        writer.writePicture(painter.icon(icon.size), std::filesystem::path(Media::windowIconFolder) / icon.file, true);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: corvane-mediagen MEDIA_FOLDER ICON_FOLDER" << std::endl;
        return 2;
    }
    try {
        const MediaWriter writer(argv[1]);
        SoldierModel().write(writer);
        RifleModel().write(writer);
        TruckModel().write(writer);
        TargetModel().write(writer);
        CrateModel().write(writer);
        writePictures(writer);
        writeSounds(writer);
        writeIcons(writer, std::filesystem::absolute(argv[2]));
    } catch (const std::exception& error) {
        std::cerr << "corvane-mediagen: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
