// This engine does not load fonts with the resource groups, and text in an overlay then draws nothing.
#pragma once

// Loads every font the overlay scripts define; does nothing without a render system, which glyph textures need.
void loadAllFonts();
