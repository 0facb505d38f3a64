#include "NxUsageAllowance.h"

#include "NxConfig.h"

#include <QMutexLocker>

#include <limits>

namespace
{
const QString Section = QStringLiteral("SpeechAllowance");

// What is left plus a purchase, stopping at the largest count instead of
// wrapping round to a negative one (stored as nothing left). Negative
// purchases add nothing.
int saturatedSum(int left, int added)
{
    const int gain = qMax(0, added);
    return left > std::numeric_limits<int>::max() - gain ? std::numeric_limits<int>::max() : left + gain;
}
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
    write("Seconds", saturatedSum(read("Seconds", InitialSeconds), seconds));
    write("Characters", saturatedSum(read("Characters", InitialCharacters), characters));
}
