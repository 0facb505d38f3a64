#pragma once

#include <QString>

// The user's usage allowance: seconds of transcription and characters of
// synthesis. It lives in the host's configuration (section
// "SpeechAllowance", keys "Seconds" and "Characters"), starts at one hour
// and 20,000 characters, and is topped up by the host's purchase action.
// Completed tasks deduct what they used; a task that does not fit fails.
//
// Every process of the user charges the same allowance: each deduction and
// top-up is one read-modify-write under the configuration's lock.
//
// A stored count is the user's own: it is read, never repaired. A count
// beyond the largest int counts as the largest; a negative one as nothing
// left. One that is not a whole number reads as nothing left, and charging or
// topping it up fails with a reason that names it, leaving it as it is.
class NxUsageAllowance
{
public:
    static constexpr int InitialSeconds = 3600;
    static constexpr int InitialCharacters = 20000;

    static NxUsageAllowance& instance();

    int seconds() const;
    int characters() const;

    // Whether a task's use could be recorded now: the configuration can be
    // written and the count is a number. `error` says why not.
    bool canChargeSeconds(QString* error) const;
    bool canChargeCharacters(QString* error) const;

    // True and deducted when the allowance covers `amount`. False and
    // untouched otherwise: `error` stays empty when the allowance is too
    // small, and says why when the use could not be recorded.
    bool consumeSeconds(int amount, QString* error = nullptr);
    bool consumeCharacters(int amount, QString* error = nullptr);

    // Adds what was bought; a count that would pass the largest int stops
    // there, and a negative purchase adds nothing. False with `error` when
    // it could not be recorded (then neither count changed).
    bool topUp(int seconds, int characters, QString* error = nullptr);

private:
    NxUsageAllowance() = default;
    bool canCharge(const char* key, int initial, QString* error) const;
    bool consume(const char* key, int initial, int amount, QString* error);
};
