#include "NxStudioCliProject.h"

#include "NxMediaFile.h"
#include "NxStudioAppearance.h"
#include "NxStudioClips.h"
#include "NxStudioFreeName.h"
#include "NxStudioMediaProbe.h"
#include "NxStudioProject.h"
#include "NxTimelineClip.h"

#include <QFileInfo>

#include <algorithm>

NxStudioCliProject::NxStudioCliProject(const QString& path)
    : m_path(path)
    , m_skin(NxStudioAppearance::skin())
{
}

QString NxStudioCliProject::open()
{
    const QString unwritable = NxStudioFreeName::unwritableFolder(QFileInfo(m_path).absolutePath());
    if (!unwritable.isEmpty())
        return unwritable;
    QString error;
    if (QFileInfo::exists(m_path) && !NxStudioProject::load(m_path, m_bin, m_timeline, &m_skin, &error))
        return error;
    return QString();
}

const NxStudioMediaBin::Item* NxStudioCliProject::addMedia(const QString& file, QString* error)
{
    const NxStudioMediaBin::Item* item = m_bin.add(file, NxStudioProbe::probe(file));
    if (!item || !item->media) {
        *error = file + QStringLiteral(": not audio or video the editor can place");
        return nullptr;
    }
    return item;
}

bool NxStudioCliProject::placeTranscript(const QString& file, const QString& subtitles, QString* error)
{
    const NxStudioMediaBin::Item* item = addMedia(file, error);
    if (!item)
        return false;
    const QList<NxTimelineClip*> clips = m_timeline.clips();
    const auto placed = std::find_if(clips.begin(), clips.end(), [&](const NxTimelineClip* clip) {
        return clip->media() == static_cast<INxMediaObject*>(item->media.get());
    });
    qint64 origin = m_timeline.sequence()->length();
    if (placed != clips.end())
        origin = (*placed)->position();
    else
        m_timeline.addClips(NxStudioClips::fromItem(*item, origin, m_timeline), NxStudioTimeline::tr("Add to timeline"));
    return NxStudioClips::placeCues(subtitles, origin, m_timeline, error) > 0;
}

bool NxStudioCliProject::placeVoiceOver(const QString& text, const QString& voiceOver, qint64 position, QString* error)
{
    const NxStudioMediaBin::Item* item = addMedia(voiceOver, error);
    if (!item)
        return false;
    m_timeline.addClips(NxStudioClips::title(text, position, m_timeline), NxStudioTimeline::tr("Add title"));
    m_timeline.addClips(NxStudioClips::fromItem(*item, position, m_timeline), NxStudioTimeline::tr("Add voice-over"));
    return true;
}

bool NxStudioCliProject::save(QString* error) const
{
    return NxStudioProject::save(m_path, m_bin, m_timeline, m_skin, error);
}
