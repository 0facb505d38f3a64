#pragma once

#include <QMutex>

// The user's usage allowance: seconds of transcription and characters of
// synthesis. It lives in the host's configuration (section
// "SpeechAllowance", keys "Seconds" and "Characters"), starts at one hour
// and 20,000 characters, and is topped up by the host's purchase action.
// Completed tasks deduct what they used; a task that does not fit fails.
class NxUsageAllowance
{
public:
    static constexpr int InitialSeconds = 3600;
    static constexpr int InitialCharacters = 20000;

    static NxUsageAllowance& instance();

    int seconds() const;
    int characters() const;
    // True and deducted when the allowance covers `amount`; false and
    // untouched otherwise.
    bool consumeSeconds(int amount);
    bool consumeCharacters(int amount);
    // Adds what was bought; a count that would pass the largest int stops there.
    void topUp(int seconds, int characters);

private:
    NxUsageAllowance() = default;
    int read(const char* key, int initial) const;
    void write(const char* key, int value);
    bool consume(const char* key, int initial, int amount);

    mutable QMutex m_mutex;
};
