#pragma once

#include <QString>

// Where the host keeps things, by path kind.
class INxAppInfo
{
public:
    enum PathKind {
        VoiceListCacheFolder = 15,
        ResourceFolder = 35,        // holds "Voice Animation" and other data
        TextToSpeechOutputFolder = 53,
        SpeechToTextSubtitleFolder = 54,
    };

    static INxAppInfo* getInstance();

    // The folder of `kind` inside the data folder, created when missing.
    // An unknown kind answers the data folder itself and logs an error.
    // The first query of ResourceFolder in a process also installs the files
    // host libraries ship as resources under ":/NxDataHome/Resources/" (the
    // widget kit's "Voice Animation" frames) wherever the folder lacks them.
    virtual QString getPath(int kind) const;

protected:
    INxAppInfo() = default;
    virtual ~INxAppInfo() = default;
};
