#include "NxSpeechServiceEvents.h"

#include "VarneloSpeechServiceEvent.h"

namespace NxSpeechServiceEvents
{

namespace
{
using Properties = QList<QPair<QString, QVariant>>;

void addClipType(Properties& properties, const QString& clipType)
{
    if (!clipType.isEmpty())
        properties.append({ClipType, clipType});
}
}

void sendServeDetails(const QString& module, const QString& pageStatus, const QString& clipType)
{
    Properties properties{{FuncModule, module}, {PageStatus, pageStatus}};
    addClipType(properties, clipType);
    VarneloSpeechServiceEvent(ServeDetails).sendProperties(properties);
}

void sendBillDetails(const QString& module, int quantity)
{
    VarneloSpeechServiceEvent(BillDetails).sendProperties({{FuncModule, module}, {BillQuantity, quantity}});
}

void sendFuncFailed(const QString& module, int failedReason, const QString& clipType)
{
    Properties properties{{FuncModule, module}, {FailedReason, failedReason}};
    addClipType(properties, clipType);
    VarneloSpeechServiceEvent(FuncFailed).sendProperties(properties);
}

void sendWindowPopup(const QString& windowName)
{
    VarneloSpeechServiceEvent(WindowPopup).sendProperty(WindowName, windowName);
}

}
