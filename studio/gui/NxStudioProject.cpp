#include "NxStudioProject.h"

#include "INxAbstractMedia.h"
#include "NxCheckedFile.h"
#include "NxMediaFile.h"
#include "NxSkinPalette.h"
#include "NxStudioClips.h"
#include "NxStudioMediaBin.h"
#include "NxStudioTimeline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace NxStudioProject
{
namespace
{
constexpr NxRational Rate = NxStudioTimeline::FrameRate;
// A year of frames: far beyond any real edit, well inside what a double holds exactly.
constexpr qint64 MostFrames = qint64(365) * 24 * 3600 * 25;
constexpr qint64 MostBytes = qint64(64) << 20;
constexpr int MostMedia = 10000;
constexpr int MostTracks = 1000;
constexpr int MostClips = 100000;

const QStringList MediaKinds{QStringLiteral("reading"), QStringLiteral("video"), QStringLiteral("audio"),
                             QStringLiteral("subtitles")}; // by NxStudioMediaBin::Kind
const QStringList TrackKinds{QStringLiteral("video"), QStringLiteral("audio"), QStringLiteral("title"),
                             QStringLiteral("subtitle")}; // by NxSequence::TrackKind
const std::map<QString, int> ClipTypes{{QStringLiteral("video"), INxClip::Video},
                                       {QStringLiteral("audio"), INxClip::Audio},
                                       {QStringLiteral("title"), INxClip::Title},
                                       {QStringLiteral("subtitle"), INxClip::Subtitle}};

QString typeName(int type)
{
    for (const auto& [name, value] : ClipTypes)
        if (value == type)
            return name;
    return QString();
}

// A media file's path as saved: relative when it lies inside the project's folder.
QString savedPath(const QString& path, const QDir& folder)
{
    const QString relative = folder.relativeFilePath(path);
    return relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative) ? path : relative;
}

// What went wrong in a part of the file; reading stops at the first.
struct Problem
{
    QString text;
};

// Reads the JSON's parts, each checked, or throws a Problem naming it.
class Reader
{
public:
    explicit Reader(QString where) : m_where(std::move(where)) {}

    [[noreturn]] void fail(const QString& what) const
    {
        throw Problem{m_where.isEmpty() ? what : QStringLiteral("%1: %2").arg(m_where, what)};
    }
    QJsonValue value(const QJsonObject& object, const char* key) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            fail(QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
        return value;
    }
    QJsonObject object(const QJsonValue& value) const
    {
        if (!value.isObject())
            fail(QStringLiteral("it is not an object"));
        return value.toObject();
    }
    QJsonArray array(const QJsonObject& object, const char* key, int most) const
    {
        const QJsonValue value = this->value(object, key);
        if (!value.isArray())
            fail(QStringLiteral("\"%1\" is not a list").arg(QLatin1String(key)));
        if (value.toArray().size() > most)
            fail(QStringLiteral("\"%1\" has more than %2 entries").arg(QLatin1String(key)).arg(most));
        return value.toArray();
    }
    QString string(const QJsonObject& object, const char* key) const
    {
        const QJsonValue value = this->value(object, key);
        if (!value.isString())
            fail(QStringLiteral("\"%1\" is not a text").arg(QLatin1String(key)));
        return value.toString();
    }
    qint64 number(const QJsonObject& object, const char* key, qint64 least, qint64 most) const
    {
        const QJsonValue value = this->value(object, key);
        const double number = value.toDouble(-1.0);
        if (!value.isDouble() || std::floor(number) != number || number < double(least) || number > double(most))
            fail(QStringLiteral("\"%1\" must be a whole number from %2 to %3").arg(QLatin1String(key)).arg(least).arg(most));
        return qint64(number);
    }
    int choice(const QJsonObject& object, const char* key, const QStringList& names) const
    {
        const int index = names.indexOf(string(object, key));
        if (index < 0)
            fail(QStringLiteral("\"%1\" must be one of: %2").arg(QLatin1String(key), names.join(QStringLiteral(", "))));
        return index;
    }

private:
    QString m_where;
};

QString mediaPath(const Reader& reader, const QString& saved, const QDir& folder)
{
    if (saved.isEmpty() || saved.contains(QChar(0)))
        reader.fail(QStringLiteral("the path is empty"));
    if (saved.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        reader.fail(QStringLiteral("the path \"%1\" steps out of its folder with \"..\"").arg(saved));
    const QString path = QDir::cleanPath(folder.absoluteFilePath(saved));
    for (const char* system : {"/proc/", "/sys/", "/dev/"})
        if (path.startsWith(QLatin1String(system)) || path + QLatin1Char('/') == QLatin1String(system))
            reader.fail(QStringLiteral("the path \"%1\" names a system file, not media").arg(saved));
    if (NxCheckedFile::isSpecialFile(path))
        reader.fail(QStringLiteral("the path \"%1\" is not a regular file").arg(saved));
    return path;
}

std::unique_ptr<NxStudioMediaBin::Item> readMedia(const QJsonValue& entry, int number, const QDir& folder)
{
    const Reader reader(QStringLiteral("media %1").arg(number));
    const QJsonObject object = reader.object(entry);
    auto item = std::make_unique<NxStudioMediaBin::Item>();
    item->path = mediaPath(reader, reader.string(object, "path"), folder);
    item->kind = NxStudioMediaBin::Kind(reader.choice(object, "kind", MediaKinds));
    const bool present = QFileInfo(item->path).isFile();
    item->offline = !present && item->kind != NxStudioMediaBin::Reading;
    if (item->kind == NxStudioMediaBin::Subtitles) {
        QString unused;
        if (present)
            item->cues = NxStudioSubtitleFile::read(item->path, &unused);
    } else if (item->kind != NxStudioMediaBin::Reading) {
        const qint64 frames = reader.number(object, "frames", 1, MostFrames);
        const QJsonValue sound = reader.value(object, "hasAudio");
        if (!sound.isBool())
            reader.fail(QStringLiteral("\"hasAudio\" is not true or false"));
        item->hasAudio = sound.toBool();
        item->seconds = Rate.framesToSecondsF(frames);
        const bool video = item->kind == NxStudioMediaBin::Video;
        item->media = std::make_unique<NxMediaFile>(item->path, video ? INxAbstractMedia::Video : INxAbstractMedia::Audio,
                                                    Rate, frames);
        item->media->setOffline(item->offline);
    }
    return item;
}

struct Loaded
{
    std::vector<std::unique_ptr<NxStudioMediaBin::Item>> media;
    QVector<NxSequence::TrackKind> tracks;
    NxStudioClips::Clips clips;
    qint64 playhead = 0;
    int skin = 0;
};

void readClips(const QJsonArray& entries, Loaded& loaded)
{
    struct Placed
    {
        int track;
        qint64 start;
        qint64 end;
        int number;
    };
    std::vector<Placed> placed;
    QVector<int> links;
    for (int number = 0; number < entries.size(); ++number) {
        const Reader reader(QStringLiteral("clip %1").arg(number));
        const QJsonObject object = reader.object(entries.at(number));
        const QString typeText = reader.string(object, "type");
        const auto type = ClipTypes.find(typeText);
        if (type == ClipTypes.end())
            reader.fail(QStringLiteral("\"type\" must be video, audio, title or subtitle"));
        const QString name = reader.string(object, "name");
        const int track = int(reader.number(object, "track", 0, MostTracks));
        if (track >= loaded.tracks.size())
            reader.fail(QStringLiteral("it is on track %1, which does not exist").arg(track));
        if (loaded.tracks.at(track) != NxSequence::trackKindOf(type->second))
            reader.fail(QStringLiteral("a %1 clip cannot be on a %2 track").arg(typeText, TrackKinds.at(loaded.tracks.at(track))));
        const qint64 position = reader.number(object, "position", 0, MostFrames);
        const qint64 in = reader.number(object, "in", 0, MostFrames);
        const qint64 out = reader.number(object, "out", in + 1, MostFrames);
        std::unique_ptr<NxTimelineClip> clip;
        int link = -1;
        if (type->second == INxClip::Title || type->second == INxClip::Subtitle) {
            if (in != 0)
                reader.fail(QStringLiteral("\"in\" of a title or subtitle must be 0"));
            clip = NxStudioClips::textClip(type->second, name, position, out, reader.string(object, "text"));
        } else {
            const int media = int(reader.number(object, "media", 0, qint64(loaded.media.size()) - 1));
            const NxStudioMediaBin::Item& item = *loaded.media.at(size_t(media));
            const bool fits = type->second == INxClip::Video ? item.kind == NxStudioMediaBin::Video
                                                              : item.kind == NxStudioMediaBin::Audio
                                                                    || (item.kind == NxStudioMediaBin::Video && item.hasAudio);
            if (!fits)
                reader.fail(QStringLiteral("media %1 has no %2 for it").arg(QString::number(media), typeText));
            if (out > item.media->length())
                reader.fail(QStringLiteral("\"out\" lies past the end of media %1").arg(media));
            auto made = NxStudioClips::mediaClip(item.media.get(), type->second, {in, out, position});
            made->setName(name);
            clip = std::move(made);
            if (object.contains(QLatin1String("link")))
                link = int(reader.number(object, "link", 0, entries.size() - 1));
        }
        clip->setTrack(track);
        placed.push_back({track, position, position + clip->length(), number});
        links.append(link);
        loaded.clips.push_back(std::move(clip));
    }

    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.track, a.start) < std::tie(b.track, b.start);
    });
    for (size_t i = 1; i < placed.size(); ++i)
        if (placed[i].track == placed[i - 1].track && placed[i].start < placed[i - 1].end)
            throw Problem{QStringLiteral("clip %1 overlaps clip %2 on track %3")
                              .arg(placed[i].number)
                              .arg(placed[i - 1].number)
                              .arg(placed[i].track)};

    for (int number = 0; number < links.size(); ++number) {
        const int other = links.at(number);
        if (other < 0)
            continue;
        NxTimelineClip* clip = loaded.clips.at(size_t(number)).get();
        NxTimelineClip* partner = loaded.clips.at(size_t(other)).get();
        if (other == number || links.value(other) != number || partner->media() != clip->media()
            || partner->type() == clip->type())
            throw Problem{QStringLiteral("clip %1: \"link\" must name the other clip of its media, linked back to it")
                              .arg(number)};
        NxStudioClips::link(clip, partner);
    }
}

Loaded parse(const QByteArray& bytes, const QDir& folder)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw Problem{QStringLiteral("it is not a project file (%1 at byte %2)")
                          .arg(parseError.errorString())
                          .arg(parseError.offset)};
    if (!document.isObject())
        throw Problem{QStringLiteral("it is not a project file (no object at its top)")};
    const QJsonObject root = document.object();
    const Reader reader{QString()};
    const QJsonValue format = root.value(QLatin1String("format"));
    if (!format.isDouble() || format.toDouble() < 1 || std::floor(format.toDouble()) != format.toDouble())
        throw Problem{QStringLiteral("it is not a project file (no \"format\" version)")};
    if (format.toDouble() > Format)
        throw Problem{QStringLiteral("it was saved by a newer nx-studio (project format %1; this one reads format %2)")
                          .arg(format.toDouble())
                          .arg(Format)};

    Loaded loaded;
    loaded.skin = int(reader.number(root, "skin", 0, NxSkinPalette::SkinKindCount - 1));
    loaded.playhead = reader.number(root, "playhead", 0, MostFrames);
    const QJsonArray media = reader.array(root, "media", MostMedia);
    QStringList paths;
    for (int number = 0; number < media.size(); ++number) {
        loaded.media.push_back(readMedia(media.at(number), number, folder));
        const QString& path = loaded.media.back()->path;
        if (paths.contains(path))
            throw Problem{QStringLiteral("media %1: the file of media %2 again").arg(number).arg(paths.indexOf(path))};
        paths.append(path);
    }
    const QJsonArray tracks = reader.array(root, "tracks", MostTracks);
    for (int number = 0; number < tracks.size(); ++number) {
        const int kind = TrackKinds.indexOf(tracks.at(number).toString());
        if (kind < 0)
            throw Problem{QStringLiteral("track %1 must be one of: %2").arg(number).arg(TrackKinds.join(QStringLiteral(", ")))};
        loaded.tracks.append(NxSequence::TrackKind(kind));
    }
    readClips(reader.array(root, "clips", MostClips), loaded);
    return loaded;
}

QByteArray readWhole(const QString& path, QString* error)
{
    const int fd = NxCheckedFile::openRegular(path, O_RDONLY, error);
    if (fd < 0)
        return QByteArray();
    QFile file;
    QByteArray bytes;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
    } else if (file.size() > MostBytes) {
        *error = QStringLiteral("it is larger than a project can be");
    } else {
        bytes = file.read(MostBytes + 1);
        if (bytes.isEmpty())
            *error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("it is empty");
    }
    return bytes;
}
} // namespace

QByteArray toJson(const NxStudioMediaBin& bin, const NxStudioTimeline& timeline, int skin, const QString& path)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    QJsonArray media;
    std::map<const INxMediaObject*, int> mediaIndex;
    for (int row = 0; row < bin.rowCount(); ++row) {
        const NxStudioMediaBin::Item* item = bin.itemAt(row);
        QJsonObject entry{{"path", savedPath(item->path, folder)}, {"kind", MediaKinds.at(item->kind)}};
        if (item->media) {
            entry.insert(QStringLiteral("frames"), double(item->media->length()));
            entry.insert(QStringLiteral("hasAudio"), item->hasAudio);
            mediaIndex[item->media.get()] = row;
        }
        media.append(entry);
    }
    QJsonArray tracks;
    const NxSequence& sequence = *timeline.sequence();
    for (int track = 0; track < sequence.trackCount(); ++track)
        tracks.append(TrackKinds.at(sequence.trackKind(track)));
    QJsonArray clips;
    const QList<NxTimelineClip*> all = timeline.clips();
    for (const NxTimelineClip* clip : all) {
        QJsonObject entry{{"type", typeName(clip->type())}, {"name", clip->name()},
                          {"position", double(clip->position())}, {"track", clip->track()},
                          {"in", double(clip->inPoint())}, {"out", double(clip->outPoint())}};
        if (NxStudioClips::hasText(clip))
            entry.insert(QStringLiteral("text"), NxStudioClips::textOf(clip));
        else if (const auto found = mediaIndex.find(clip->media()); found != mediaIndex.end())
            entry.insert(QStringLiteral("media"), found->second);
        if (NxTimelineClip* link = NxStudioClips::linkOf(clip); link && all.contains(link))
            entry.insert(QStringLiteral("link"), all.indexOf(link));
        clips.append(entry);
    }
    const QJsonObject root{{"format", Format}, {"skin", skin}, {"playhead", double(timeline.playhead())},
                           {"media", media}, {"tracks", tracks}, {"clips", clips}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool save(const QString& path, const NxStudioMediaBin& bin, const NxStudioTimeline& timeline, int skin,
          QString* error)
{
    return NxCheckedFile::writeFile(path, toJson(bin, timeline, skin, path), NxCheckedFile::Commit::Replace, error);
}

bool load(const QString& path, NxStudioMediaBin& bin, NxStudioTimeline& timeline, int* skin, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    QString why;
    const QByteArray bytes = readWhole(path, &why);
    Loaded loaded;
    try {
        if (bytes.isEmpty())
            throw Problem{why};
        loaded = parse(bytes, QFileInfo(path).absoluteDir());
    } catch (const Problem& problem) {
        *error = QStringLiteral("%1 cannot be opened: %2").arg(name, problem.text);
        return false;
    }
    bin.reset();
    QStringList stillToRead;
    for (auto& item : loaded.media) {
        if (item->kind == NxStudioMediaBin::Reading)
            stillToRead.append(item->path);
        else
            bin.restore(std::move(item));
    }
    timeline.reset(loaded.tracks, std::move(loaded.clips));
    timeline.setPlayhead(loaded.playhead);
    for (const QString& file : stillToRead)
        bin.import(file);
    *skin = loaded.skin;
    return true;
}
}
