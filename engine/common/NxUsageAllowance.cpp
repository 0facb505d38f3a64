#include "NxUsageAllowance.h"

#include "NxConfig.h"

#include <QMutexLocker>

namespace
{
const QString Section = QStringLiteral("SpeechAllowance");
}

NxUsageAllowance& NxUsageAllowance::instance()
{
    static NxUsageAllowance allowance;
    return allowance;
}

int NxUsageAllowance::read(const char* key, int initial) const
{
    const QVariant value = NxConfig::Instance().GetAppValue(Section, QString::fromLatin1(key), false, initial);
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? qMax(0, number) : initial;
}

void NxUsageAllowance::write(const char* key, int value)
{
    NxConfig::Instance().SetAppValue(Section, QString::fromLatin1(key), qMax(0, value), false);
}

bool NxUsageAllowance::consume(const char* key, int initial, int amount)
{
    QMutexLocker lock(&m_mutex);
    const int left = read(key, initial);
    if (amount < 0 || amount > left)
        return false;
    write(key, left - amount);
    return true;
}

int NxUsageAllowance::seconds() const
{
    QMutexLocker lock(&m_mutex);
    return read("Seconds", InitialSeconds);
}

int NxUsageAllowance::characters() const
{
    QMutexLocker lock(&m_mutex);
    return read("Characters", InitialCharacters);
}

bool NxUsageAllowance::consumeSeconds(int amount)
{
    return consume("Seconds", InitialSeconds, amount);
}

bool NxUsageAllowance::consumeCharacters(int amount)
{
    return consume("Characters", InitialCharacters, amount);
}

void NxUsageAllowance::topUp(int seconds, int characters)
{
    QMutexLocker lock(&m_mutex);
    write("Seconds", read("Seconds", InitialSeconds) + qMax(0, seconds));
    write("Characters", read("Characters", InitialCharacters) + qMax(0, characters));
}
