#pragma once

#include <QtGlobal>

// The module is built with hidden visibility; only the classes the host uses
// are exported.
#define NXSPEECHSERVICE_EXPORT Q_DECL_EXPORT
