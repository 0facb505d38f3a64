#include "NxTestHome.h"

#include "NxDataHome.h"

NxTestHome::NxTestHome()
{
    qputenv(NxDataHome::EnvironmentVariable, m_dir.path().toLocal8Bit());
}
