#pragma once

#include <QString>

// How the editor writes times: "1:05" on the ruler, "1:05.3" for lengths
// and the playhead; hours appear once there are any ("1:02:05.3").
namespace NxStudioTimeText
{
QString seconds(qint64 whole);
QString tenths(double seconds);
}
