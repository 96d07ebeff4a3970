#include "app/GameAssembly.h"

void assembleGame()
{
}
