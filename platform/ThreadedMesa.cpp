#include "platform/ThreadedMesa.h"

#include <cstdlib>

void preferMesaGlThread()
{
    setenv("mesa_glthread", "true", 0);
}
