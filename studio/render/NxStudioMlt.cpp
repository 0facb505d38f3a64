#include "NxStudioMlt.h"

#include "NxFFmpegLog.h"

#include <Mlt.h>

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <dlfcn.h>

namespace
{
// Modules the studio never uses; some of them only print warnings about
// their own missing plug-ins, and each costs start-up time.
const char* const UnusedModules = "libmltjackrack:libmltdecklink:libmltmovit:libmltopencv:libmltglaxnimate:"
                                  "libmltxine:libmltkdenlive:libmltoldfilm:libmltvidstab:libmltrubberband:libmltgdk";

// MLT unloads its modules when the process exits, before a leak checker
// looks at the stacks of what they left behind; kept loaded, those stacks
// still name the module (and tools/sanitizers/lsan.supp knows them as MLT's).
void keepModulesLoaded()
{
    const QDir modules(QString::fromLocal8Bit(mlt_factory_directory()));
    for (const QString& name : modules.entryList({QStringLiteral("libmlt*.so")}, QDir::Files))
        dlopen(QFile::encodeName(modules.filePath(name)).constData(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}
}

void NxStudioMlt::init()
{
    static bool started = false;
    if (started)
        return;
    if (qEnvironmentVariableIsEmpty("MLT_REPOSITORY_DENY"))
        qputenv("MLT_REPOSITORY_DENY", QByteArray(UnusedModules));
    // MLT's avformat module decodes through FFmpeg, which would talk on stderr.
    NxFFmpegLog::route();
    Mlt::Factory::init();
    keepModulesLoaded();
    started = true;
}
