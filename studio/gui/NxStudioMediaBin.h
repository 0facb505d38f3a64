#pragma once

#include "NxRational.h"
#include "NxStudioMediaProbe.h"

#include <QAbstractListModel>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class NxMediaFile;
class QUndoStack;

// The media bin: every file the user imported, in import order. A file is
// read off the GUI thread; until then its row says so. A file that turns out
// unreadable leaves the bin again with importFailed. Items are never removed
// otherwise, so clips may keep pointing at their media; a reset puts them
// aside, where their media live on, as does an item the user removed (an
// undo brings it back). An item whose file went missing is offline until it
// is relinked to another file.
class NxStudioMediaBin : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Kind { Reading, Video, Audio, Subtitles };
    enum Role { KindRole = Qt::UserRole + 1, SecondsRole, IdRole, PathRole };

    struct Item
    {
        int id = 0;
        QString path;
        QString name;
        Kind kind = Reading;
        double seconds = 0.0;
        bool hasAudio = false;
        bool offline = false;
        std::unique_ptr<NxMediaFile> media; // audio and video, once read
        QVector<NxStudioCue> cues;          // subtitles
    };
    using Ready = std::function<void(const Item&)>;

    // Mime type of items dragged out of the bin: their ids, one per line.
    static const QString MimeType;

    NxStudioMediaBin(NxRational frameRate, QObject* parent);
    ~NxStudioMediaBin() override;

    // Adds the file and starts reading it; `ready` then runs with the item,
    // unless `context` is gone. A file already in the bin is not added twice.
    void import(const QString& path, QObject* context = nullptr, Ready ready = {});
    // Adds the file as `probe` read it, at once; null when it is unreadable.
    // A file already in the bin is not added twice: its item is returned.
    const Item* add(const QString& path, const NxStudioProbe& probe);
    // Adds a complete item (its id is given here).
    const Item* restore(std::unique_ptr<Item> item);
    // Empties the bin.
    void reset();
    // Removes the items as one step of `stack`.
    void removeItems(const QList<int>& ids, QUndoStack* stack);
    // Points an offline item at `path`, which must hold media of its kind,
    // at least `framesUsed` frames long and with sound when `soundUsed`; the
    // item then says what the new file holds. False with `error` set, and
    // nothing changed, otherwise.
    bool relink(int id, const QString& path, qint64 framesUsed, bool soundUsed, QString* error);
    const Item* item(int id) const;
    const Item* itemAt(int row) const;
    int readingCount() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

signals:
    // The user's bin changed: a file imported or relinked.
    void edited();
    void importFailed(const QString& path, const QString& reason);
    void readingCountChanged(int count);

private:
    class Removal;
    struct Waiter
    {
        QPointer<QObject> context;
        bool hasContext = false;
        Ready ready;
    };

    void finishReading(int id, const NxStudioProbe& probe);
    void fill(Item& item, const NxStudioProbe& probe) const;
    void append(std::unique_ptr<Item> item);
    int rowOf(int id) const;
    // Sets an item aside and back again at `row`.
    void takeOut(int row);
    void putBack(int id, int row);

    NxRational m_frameRate;
    int m_nextId = 1;
    std::vector<std::unique_ptr<Item>> m_items;
    std::vector<std::unique_ptr<Item>> m_retired; // their media may still be played by clips
    std::vector<std::pair<int, Waiter>> m_waiters; // by item id
};
