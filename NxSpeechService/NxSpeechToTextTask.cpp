#include "NxSpeechToTextTask.h"

#include <QObject>
#include <QUuid>

namespace NxSpeechToText
{

Task::Task()
    : uuid(QUuid::createUuid().toString())
{
}

QString Task::failureText() const
{
    return QObject::tr(errorMessage.c_str()) + errorDetail;
}

}
