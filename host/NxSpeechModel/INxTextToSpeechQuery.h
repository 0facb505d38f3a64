#pragma once

#include "NxTextToSpeechRecords.h"

#include <QList>
#include <QStringList>

#include <functional>

// Answers what the text-to-speech service can speak.
class INxTextToSpeechQuery
{
public:
    using Factory = std::function<INxTextToSpeechQuery*()>;

    static INxTextToSpeechQuery* create();
    static void setFactory(Factory factory);

    virtual void release() = 0;
    // Codes of the languages that have at least one voice.
    virtual bool getLanguageList(QStringList& languageCodes) = 0;
    virtual bool getVoiceListOfLanguage(const QString& languageCode,
                                        QList<NxTextToSpeechVoiceInfo>& voices) = 0;
    virtual bool isNetworkError() = 0;
    // The whole catalogue; false when it cannot be had.
    virtual bool getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices) = 0;

protected:
    ~INxTextToSpeechQuery() = default;
};
