// Uses the host's stores from a process of its own, in the data folder it
// inherits ($NXSPEECH_HOME), as an nx-studio run would:
//   nx-store-probe set <section> <key> <value>   prints "saved" or "not saved"
//   nx-store-probe get <section> <key> [machine] prints the value or "<missing>"
//   nx-store-probe charge <name> <times>         a second and two characters a time,
//                                                then [Marks] <name>=<times>; prints what was charged
//   nx-store-probe topup <seconds> <characters>
//   nx-store-probe general                       prints the general settings
//   nx-store-probe log <lines>                   log lines and analytics events
//   nx-store-probe write <path> <bytes> <new|replace>  one NxCheckedFile
// The exit code is 0 when everything asked for was done.
#include "INxBaseLog.h"
#include "NxAppSettings.h"
#include "NxCheckedFile.h"
#include "NxConfig.h"
#include "NxTrackEvent.h"
#include "NxUsageAllowance.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace
{
int print(const QString& text, bool ok)
{
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stdout);
    return ok ? 0 : 1;
}

int charge(const QString& name, int times)
{
    NxUsageAllowance& allowance = NxUsageAllowance::instance();
    int seconds = 0, characters = 0;
    for (int i = 0; i < times; ++i) {
        seconds += allowance.consumeSeconds(1);
        characters += allowance.consumeCharacters(2) ? 2 : 0;
    }
    const bool marked = NxConfig::Instance().SetAppValue(QStringLiteral("Marks"), name, times, false);
    return print(QStringLiteral("%1 %2").arg(seconds).arg(characters), marked && seconds == times);
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("set")) {
        const bool saved = NxConfig::Instance().SetAppValue(args.value(1), args.value(2), args.value(3), false);
        return print(saved ? QStringLiteral("saved") : QStringLiteral("not saved"), saved);
    }
    if (command == QLatin1String("get")) {
        const bool machineWide = args.value(3) == QLatin1String("machine");
        const QVariant value = NxConfig::Instance().GetAppValue(args.value(1), args.value(2), machineWide, QVariant());
        return print(value.isValid() ? value.toString() : QStringLiteral("<missing>"), true);
    }
    if (command == QLatin1String("charge"))
        return charge(args.value(1), args.value(2).toInt());
    if (command == QLatin1String("topup"))
        return NxUsageAllowance::instance().topUp(args.value(1).toInt(), args.value(2).toInt()) ? 0 : 1;
    if (command == QLatin1String("general")) {
        NGeneralSettings* general = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
        return print(QStringLiteral("%1 %2 %3").arg(general->GetLanguage()).arg(int(general->GetSTTDeleteTaskNoTip()))
                         .arg(int(general->GetTTSDeleteTaskNoTip())), true);
    }
    if (command == QLatin1String("log")) {
        for (int i = 0; i < args.value(1).toInt(); ++i) {
            GetGlobalLogInstance()->LogInfo(__FILE__, __func__, __LINE__, "probe line %d of a log that fills", i);
            NxTrackEvent(QStringLiteral("probe")).sendEvent();
        }
        return 0;
    }
    if (command == QLatin1String("write")) {
        QString error;
        const auto how = args.value(3) == QLatin1String("new") ? NxCheckedFile::Commit::NewName : NxCheckedFile::Commit::Replace;
        const bool ok = NxCheckedFile::writeFile(args.value(1), QByteArray(args.value(2).toInt(), 'w'), how, &error);
        return print(ok ? QStringLiteral("written") : error, ok);
    }
    return print(QStringLiteral("unknown command"), false);
}
