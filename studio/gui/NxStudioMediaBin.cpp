#include "NxStudioMediaBin.h"

#include "INxAbstractMedia.h"
#include "NxMediaFile.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QMimeData>
#include <QUndoCommand>
#include <QtConcurrent>

#include <algorithm>
#include <cmath>

namespace
{
// The whole frames that hold all of `seconds`. Counted on the microseconds
// files state their lengths in: 1.12 s is 28 frames at 25 fps, where
// 1.12 * 25 in floating point would come to just over 28.
qint64 framesCovering(double seconds, NxRational rate)
{
    // A damaged file may state any length: a year bounds the count well inside qint64.
    constexpr double MostSeconds = 365.0 * 24 * 3600;
    const qint64 microseconds = std::llround(qBound(0.0, seconds, MostSeconds) * 1e6);
    const qint64 perFrame = qint64(1000000) * rate.den;
    return (microseconds * rate.num + perFrame - 1) / perFrame;
}
}

// Items leave the bin last row first and come back first row first, so each returns to its row.
class NxStudioMediaBin::Removal : public QUndoCommand
{
public:
    Removal(NxStudioMediaBin* bin, QVector<std::pair<int, int>> rows)
        : m_bin(bin)
        , m_rows(std::move(rows))
    {
    }

    void redo() override
    {
        for (auto it = m_rows.crbegin(); it != m_rows.crend(); ++it)
            m_bin->takeOut(it->second);
    }
    void undo() override
    {
        for (const auto& [id, row] : qAsConst(m_rows))
            m_bin->putBack(id, row);
    }

private:
    NxStudioMediaBin* m_bin;
    QVector<std::pair<int, int>> m_rows; // id and row, by row
};

const QString NxStudioMediaBin::MimeType = QStringLiteral("application/x-nxstudio-media-ids");

NxStudioMediaBin::NxStudioMediaBin(NxRational frameRate, QObject* parent)
    : QAbstractListModel(parent)
    , m_frameRate(frameRate)
{
}

NxStudioMediaBin::~NxStudioMediaBin() = default;

void NxStudioMediaBin::import(const QString& path, QObject* context, Ready ready)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Waiter waiter{context, context != nullptr, std::move(ready)};
    const auto known = std::find_if(m_items.begin(), m_items.end(),
                                    [&](const std::unique_ptr<Item>& item) { return item->path == absolute; });
    if (known != m_items.end()) {
        if ((*known)->kind != Reading) {
            if (waiter.ready)
                waiter.ready(**known);
        } else if (waiter.ready) {
            m_waiters.emplace_back((*known)->id, std::move(waiter));
        }
        return;
    }

    auto item = std::make_unique<Item>();
    item->path = absolute;
    const int id = m_nextId;
    append(std::move(item));
    emit edited();
    if (waiter.ready)
        m_waiters.emplace_back(id, std::move(waiter));
    emit readingCountChanged(readingCount());

    // The watcher belongs to the bin: a result that arrives after the bin is
    // gone is never delivered.
    auto* watcher = new QFutureWatcher<NxStudioProbe>(this);
    connect(watcher, &QFutureWatcher<NxStudioProbe>::finished, this, [this, watcher, id] {
        finishReading(id, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run([absolute] { return NxStudioProbe::probe(absolute); }));
}

void NxStudioMediaBin::finishReading(int id, const NxStudioProbe& probe)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    Item& item = *m_items[size_t(row)];
    std::vector<Waiter> waiters;
    for (auto it = m_waiters.begin(); it != m_waiters.end();) {
        if (it->first == id) {
            waiters.push_back(std::move(it->second));
            it = m_waiters.erase(it);
        } else {
            ++it;
        }
    }

    if (probe.kind == NxStudioProbe::Unreadable) {
        const QString path = item.path;
        beginRemoveRows(QModelIndex(), row, row);
        m_items.erase(m_items.begin() + row);
        endRemoveRows();
        emit readingCountChanged(readingCount());
        emit importFailed(path, probe.error);
        return;
    }

    fill(item, probe);
    emit dataChanged(index(row), index(row));
    emit readingCountChanged(readingCount());
    for (const Waiter& waiter : waiters) {
        if (!waiter.hasContext || waiter.context)
            waiter.ready(item);
    }
}

void NxStudioMediaBin::fill(Item& item, const NxStudioProbe& probe) const
{
    item.seconds = probe.seconds;
    item.hasAudio = probe.hasAudio;
    item.cues = probe.cues;
    if (probe.kind == NxStudioProbe::Subtitles) {
        item.kind = Subtitles;
    } else {
        item.kind = probe.kind == NxStudioProbe::Video ? Video : Audio;
        const qint64 frames = framesCovering(probe.seconds, m_frameRate);
        // The bin states the length its clips get.
        item.seconds = m_frameRate.framesToSecondsF(frames);
        item.media = std::make_unique<NxMediaFile>(
            item.path, item.kind == Video ? INxAbstractMedia::Video : INxAbstractMedia::Audio, m_frameRate, frames);
    }
}

void NxStudioMediaBin::append(std::unique_ptr<Item> item)
{
    item->id = m_nextId++;
    item->name = QFileInfo(item->path).fileName();
    beginInsertRows(QModelIndex(), rowCount(), rowCount());
    m_items.push_back(std::move(item));
    endInsertRows();
}

const NxStudioMediaBin::Item* NxStudioMediaBin::add(const QString& path, const NxStudioProbe& probe)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const auto& known : m_items)
        if (known->path == absolute)
            return known.get();
    if (probe.kind == NxStudioProbe::Unreadable)
        return nullptr;
    auto item = std::make_unique<Item>();
    item->path = absolute;
    fill(*item, probe);
    return restore(std::move(item));
}

const NxStudioMediaBin::Item* NxStudioMediaBin::restore(std::unique_ptr<Item> item)
{
    append(std::move(item));
    return m_items.back().get();
}

void NxStudioMediaBin::reset()
{
    beginResetModel();
    for (auto& item : m_items)
        m_retired.push_back(std::move(item));
    m_items.clear();
    // What waited for a file of before has no place in what comes now.
    m_waiters.clear();
    endResetModel();
    emit readingCountChanged(0);
}

void NxStudioMediaBin::removeItems(const QList<int>& ids, QUndoStack* stack)
{
    QVector<std::pair<int, int>> rows;
    for (int id : ids)
        if (const int row = rowOf(id); row >= 0)
            rows.append({id, row});
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    if (!rows.isEmpty())
        stack->push(new Removal(this, std::move(rows)));
}

void NxStudioMediaBin::takeOut(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_retired.push_back(std::move(m_items[size_t(row)]));
    m_items.erase(m_items.begin() + row);
    endRemoveRows();
}

void NxStudioMediaBin::putBack(int id, int row)
{
    const auto aside = std::find_if(m_retired.begin(), m_retired.end(),
                                    [id](const std::unique_ptr<Item>& item) { return item->id == id; });
    beginInsertRows(QModelIndex(), row, row);
    m_items.insert(m_items.begin() + row, std::move(*aside));
    m_retired.erase(aside);
    endInsertRows();
}

bool NxStudioMediaBin::relink(int id, const QString& path, qint64 framesUsed, bool soundUsed, QString* error)
{
    const int row = rowOf(id);
    Item* item = row < 0 ? nullptr : m_items[size_t(row)].get();
    if (!item || !item->offline) {
        *error = tr("the item is not offline");
        return false;
    }
    const NxStudioProbe probe = NxStudioProbe::probe(path);
    if (probe.kind == NxStudioProbe::Unreadable) {
        *error = probe.error;
        return false;
    }
    Item found;
    found.path = QFileInfo(path).absoluteFilePath();
    fill(found, probe);
    if (found.kind != item->kind) {
        *error = tr("the file holds another kind of media");
        return false;
    }
    if (found.media && found.media->length() < framesUsed) {
        *error = tr("it is shorter than its clips on the timeline need");
        return false;
    }
    if (soundUsed && !found.hasAudio) {
        *error = tr("it has no sound, and its clips on the timeline play sound");
        return false;
    }
    found.id = item->id;
    found.name = QFileInfo(path).fileName();
    // The clips hold the item's material: it stays, and takes on the new file.
    if (item->media) {
        *item->media = std::move(*found.media);
        found.media = std::move(item->media);
    }
    *item = std::move(found);
    emit dataChanged(index(row), index(row));
    emit edited();
    return true;
}

const NxStudioMediaBin::Item* NxStudioMediaBin::item(int id) const
{
    return itemAt(rowOf(id));
}

const NxStudioMediaBin::Item* NxStudioMediaBin::itemAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_items[size_t(row)].get() : nullptr;
}

int NxStudioMediaBin::readingCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(),
                             [](const std::unique_ptr<Item>& item) { return item->kind == Reading; }));
}

int NxStudioMediaBin::rowOf(int id) const
{
    for (size_t row = 0; row < m_items.size(); ++row)
        if (m_items[row]->id == id)
            return int(row);
    return -1;
}

int NxStudioMediaBin::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant NxStudioMediaBin::data(const QModelIndex& index, int role) const
{
    const Item* item = itemAt(index.isValid() ? index.row() : -1);
    if (!item)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return item->name;
    case Qt::ToolTipRole:
        if (item->offline)
            return item->path + tr("\n(offline: the file is missing; File \u25B8 Relink media\u2026 finds it)");
        return item->kind == Video && !item->hasAudio ? item->path + QStringLiteral("\n(no sound)") : item->path;
    case KindRole:
        return item->kind;
    case SecondsRole:
        return item->seconds;
    case IdRole:
        return item->id;
    case PathRole:
        return item->path;
    default:
        return QVariant();
    }
}

Qt::ItemFlags NxStudioMediaBin::flags(const QModelIndex& index) const
{
    const Item* item = itemAt(index.isValid() ? index.row() : -1);
    if (!item)
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return item->kind == Reading ? flags : flags | Qt::ItemIsDragEnabled;
}

QStringList NxStudioMediaBin::mimeTypes() const
{
    return {MimeType};
}

QMimeData* NxStudioMediaBin::mimeData(const QModelIndexList& indexes) const
{
    QStringList ids;
    for (const QModelIndex& index : indexes)
        if (const Item* item = itemAt(index.row()); item && item->kind != Reading)
            ids.append(QString::number(item->id));
    auto* mime = new QMimeData;
    mime->setData(MimeType, ids.join(QLatin1Char('\n')).toLatin1());
    return mime;
}
