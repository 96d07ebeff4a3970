// What the engine would only log, or draw wrongly, checked before any object is made:
// each throws an engine exception naming the first fault it finds.
#pragma once

// Every material the game asks for by name is defined by some script (a missing one draws white).
void checkRequiredMaterials();

// No mesh file ends inside its data (a truncated one loads silently, half empty).
void checkMeshFiles();

// Every font's glyph file is there (without it, text draws nothing).
void checkFontFiles();

// Loads every mesh with its skeleton (without one the soldier cannot be posed); a mesh whose skeleton
// or material is missing is named.
void loadMeshes();

// Loads every material with its textures and GPU programs. What fails here the engine only logs, and the
// surface then draws blank: watch the log while this runs.
void loadMaterials();
