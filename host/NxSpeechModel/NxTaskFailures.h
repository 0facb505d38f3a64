#pragma once

#include "NxSpeechToTextTaskInfo.h"
#include "NxTextToSpeechRecords.h"

#include <QString>

// How a task manager's report reads as a failure, one table per service: the
// module's rows and any host that observes the reports show the same words.
// Messages are untranslated source texts of the context "QObject".
namespace NxTaskFailures
{

// A message for the code, and the code itself as detail when the table has
// none (the unknown error's message then).
struct Words
{
    const char* message;
    QString detail;

    // As the user reads it: the translated message, then the detail.
    QString text() const;
};

Words ofSpeechToText(int code);
Words ofTextToSpeech(int code);

// Whether the report ends its task in failure. A text-to-speech code that
// says the text itself cannot be taken fails the task at its scan, whatever
// stage the report names.
bool failsSpeechToText(const NxSpeechToTextTaskInfo& info);
bool failsTextToSpeech(const NxTextToSpeechTaskInfo& info);
bool failsTextToSpeechScan(int code);

} // namespace NxTaskFailures
