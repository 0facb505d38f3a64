#pragma once

#include "NxStudioMediaBin.h"
#include "NxStudioTimeline.h"

// The project a subcommand's results go into (--project): loaded when the
// file exists, new otherwise, and saved whole at the end. Results are placed
// as the editor places them.
class NxStudioCliProject
{
public:
    explicit NxStudioCliProject(const QString& path);

    // Checked before anything runs, since results with nowhere to go would
    // be lost: the problem, or nothing when the project is ready.
    QString open();
    // `file` on the timeline (once) and the cues of `subtitles` under it.
    bool placeTranscript(const QString& file, const QString& subtitles, QString* error);
    // A title saying `text` at `position` with `voiceOver`, its spoken text, under it.
    bool placeVoiceOver(const QString& text, const QString& voiceOver, qint64 position, QString* error);
    bool save(QString* error) const;

    NxStudioTimeline& timeline() { return m_timeline; }

private:
    const NxStudioMediaBin::Item* addMedia(const QString& file, QString* error);

    QString m_path;
    NxStudioMediaBin m_bin{NxStudioTimeline::FrameRate, nullptr};
    NxStudioTimeline m_timeline;
    int m_skin;
};
