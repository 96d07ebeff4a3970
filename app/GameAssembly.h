// Creates and wires every object of the game.
#pragma once

void assembleGame();
