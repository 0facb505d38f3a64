#include "NxTextToSpeechTask.h"

#include <QObject>
#include <QStringList>

namespace NxTextToSpeech
{

QString Task::failureText() const
{
    const QStringList lines = QString::fromUtf8(errorMessage.c_str()).split(QLatin1Char('\n'));
    QStringList translated;
    for (const QString& line : lines)
        translated.append(QObject::tr(line.toUtf8().constData()));
    return translated.join(QLatin1Char('\n')) + errorDetail;
}

}
