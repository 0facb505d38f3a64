#include "NxUsageAllowance.h"

#include "NxConfig.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <limits>

namespace
{
const QString Section = QStringLiteral("SpeechAllowance");
constexpr int Largest = std::numeric_limits<int>::max();

// A stored count, or why it is none.
struct Count
{
    int left = 0;
    QString error;
};

Count countOf(const QVariant& stored, const char* key, int initial)
{
    if (!stored.isValid())
        return {initial, QString()};
    const QString text = stored.toString().trimmed();
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    if (!whole.match(text).hasMatch())
        return {0, QStringLiteral("%1: [%2] %3=%4 is not a whole number; correct it in the file")
                       .arg(NxConfig::Instance().FilePath(false), Section, QLatin1String(key), stored.toString())};
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (!ok) // past 64 bits
        return {negative ? 0 : Largest, QString()};
    return {int(qBound<qlonglong>(0, number, Largest)), QString()};
}

Count storedCount(const char* key, int initial)
{
    return countOf(NxConfig::Instance().GetAppValue(Section, QLatin1String(key), false, QVariant()), key, initial);
}

// The reason a task gives for failing.
QString unrecorded(const QString& error)
{
    return error.isEmpty() ? error : QCoreApplication::translate("NxUsageAllowance", "The time or characters used cannot be recorded, so nothing was charged: %1. "
                                                        "Free some space in the data folder, then retry.")
                                             .arg(error);
}

// What is left plus a purchase, stopping at the largest count instead of
// wrapping round. Negative purchases add nothing.
int saturatedSum(int left, int added)
{
    const int gain = qMax(0, added);
    return left > Largest - gain ? Largest : left + gain;
}
}

NxUsageAllowance& NxUsageAllowance::instance()
{
    static NxUsageAllowance allowance;
    return allowance;
}

int NxUsageAllowance::seconds() const
{
    return storedCount("Seconds", InitialSeconds).left;
}

int NxUsageAllowance::characters() const
{
    return storedCount("Characters", InitialCharacters).left;
}

bool NxUsageAllowance::canCharge(const char* key, int initial, QString* error) const
{
    QString why;
    if (NxConfig::Instance().CanWrite(false, &why))
        why = storedCount(key, initial).error;
    if (error)
        *error = unrecorded(why);
    return why.isEmpty();
}

bool NxUsageAllowance::canChargeSeconds(QString* error) const
{
    return canCharge("Seconds", InitialSeconds, error);
}

bool NxUsageAllowance::canChargeCharacters(QString* error) const
{
    return canCharge("Characters", InitialCharacters, error);
}

bool NxUsageAllowance::consume(const char* key, int initial, int amount, QString* error)
{
    QString why;
    bool enough = amount >= 0;
    const bool recorded = enough && NxConfig::Instance().UpdateAppValues(false, [&](NxIniDocument& document, QString* failure) {
        const Count count = countOf(document.value(Section, QLatin1String(key)), key, initial);
        *failure = count.error;
        enough = amount <= count.left;
        if (count.error.isEmpty() && enough && amount > 0)
            document.setValue(Section, QLatin1String(key), count.left - amount);
    }, &why);
    if (error)
        *error = unrecorded(why);
    return recorded && enough;
}

bool NxUsageAllowance::consumeSeconds(int amount, QString* error)
{
    return consume("Seconds", InitialSeconds, amount, error);
}

bool NxUsageAllowance::consumeCharacters(int amount, QString* error)
{
    return consume("Characters", InitialCharacters, amount, error);
}

bool NxUsageAllowance::topUp(int seconds, int characters, QString* error)
{
    QString failure;
    const bool recorded = NxConfig::Instance().UpdateAppValues(false, [&](NxIniDocument& document, QString* why) {
        const auto add = [&](const char* key, int initial, int bought) {
            const Count count = countOf(document.value(Section, QLatin1String(key)), key, initial);
            if (why->isEmpty())
                *why = count.error;
            if (bought > 0 && why->isEmpty())
                document.setValue(Section, QLatin1String(key), saturatedSum(count.left, bought));
        };
        add("Seconds", InitialSeconds, seconds);
        add("Characters", InitialCharacters, characters);
    }, &failure);
    if (error)
        *error = unrecorded(failure);
    return recorded;
}
