#pragma once

#include "NxDataHome.h"

#include <QTemporaryDir>

// Points the host's data folder at a fresh temporary folder for the life of
// the test process. Create it before anything reads configuration or logs.
class NxTestHome
{
public:
    NxTestHome() { qputenv(NxDataHome::EnvironmentVariable, m_dir.path().toLocal8Bit()); }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
