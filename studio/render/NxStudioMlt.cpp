#include "NxStudioMlt.h"

#include <Mlt.h>

#include <QByteArray>

namespace
{
// Modules the studio never uses; some of them only print warnings about
// their own missing plug-ins, and each costs start-up time.
const char* const UnusedModules = "libmltjackrack:libmltdecklink:libmltmovit:libmltopencv:libmltglaxnimate:"
                                  "libmltxine:libmltkdenlive:libmltoldfilm:libmltvidstab:libmltrubberband:libmltgdk";
}

void NxStudioMlt::init()
{
    static bool started = false;
    if (started)
        return;
    if (qEnvironmentVariableIsEmpty("MLT_REPOSITORY_DENY"))
        qputenv("MLT_REPOSITORY_DENY", QByteArray(UnusedModules));
    Mlt::Factory::init();
    started = true;
}
