#pragma once

#include <QMainWindow>
#include <QTimer>

#include <memory>

class INxAbstractMedia;
class NxStudioMediaBin;
class NxStudioMediaBinView;
class NxStudioMonitor;
class NxStudioSpeech;
class NxStudioTimeline;
class NxStudioTimelineView;
class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QSplitter;

// nx-studio's main window: the media bin beside the monitor over the
// timeline, the menus (File, Edit, Timeline, Playback, Speech, View) with their shortcuts, and a status
// bar that says what is going on and which speech engine runs the services.
// Its size, place and docks are remembered, and the projects opened last.
//
// Work not yet saved is marked in the title with "*" and asked about
// before it would be lost; while there is any, it is saved every few
// minutes to an autosave file of this process in the data folder, which a
// later start offers to restore when this process ended without closing.
class NxStudioMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    NxStudioMainWindow();
    ~NxStudioMainWindow() override;

    // Adds files to the media bin; a missing file is reported, not added.
    void importFiles(const QStringList& paths);
    // Puts bin items on the timeline one after another from `frame`, on
    // `track` when it suits them; the new clips become the selection.
    void addToTimeline(const QList<int>& ids, qint64 frame, int track = -1);

    // Opens the project at `path` in place of the current one (without
    // asking about unsaved changes); false, and a message, when it cannot.
    bool openProject(const QString& path);
    // Saves the project at `path`, which becomes the project's file.
    bool saveProject(const QString& path);
    QString projectPath() const;
    bool isModified() const;
    // Saves unsaved work to this process's autosave file.
    void autosave();
    QString autosavePath() const;
    // Offers to restore the autosave of an editor that ended without closing.
    void offerAutosaves();

    NxStudioTimeline* timeline() const;
    NxStudioMediaBin* bin() const;
    NxStudioMediaBinView* binView() const;
    NxStudioTimelineView* timelineView() const;
    NxStudioMonitor* monitor() const;
    NxStudioSpeech* speech() const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Sets every text the window shows in the interface language: at
    // construction and whenever the language changes.
    void retranslateUi();
    // A menu or action whose text retranslateUi sets from `source` (marked with QT_TR_NOOP).
    // `parent` null: a menu of the menu bar.
    QMenu* captionedMenu(QMenu* parent, const char* source);
    template <typename... Slot>
    QAction* captionedAction(QMenu* menu, const char* source, Slot&&... slot);
    // Undo or Redo followed by what it would undo or redo, as the undo stack names it.
    QAction* undoAction(bool redo);
    void updateUndoTexts();
    void updateReading();
    // Moves the media bin to the other side, as the writing direction changed.
    void mirrorDocks();
    void createPanels();
    void createFileMenu();
    void createEditMenu();
    void createTimelineMenu();
    void createPlaybackMenu();
    void createSpeechMenu();
    void createViewMenu();
    void createStatusBar();
    void restoreLayout();
    void saveLayout() const;

    void chooseFiles();
    // The media bin's selected files, when the user chose them after any clips.
    QList<INxAbstractMedia*> chosenMaterials() const;
    void newProject();
    void chooseProject();
    bool save();
    bool saveAs();
    bool maySave();
    void markClean();
    void updateTitle();
    void removeAutosave();
    void rememberRecent(const QString& path);
    void fillRecentMenu();
    void relinkMedia();
    void exportSubtitles();
    void applySkin(int kind);
    void warn(const QString& title, const QString& text);
    // A file name from a save dialog, `suffix` added when it has none; empty when cancelled.
    QString chooseSaveName(const QString& title, const QString& suggested, const QString& filter,
                           const QString& suffix);
    void addTitle();
    // Takes the bin's items, and the clips of their files, off as one step.
    void removeFromBin(const QList<int>& ids);
    void showMessage(const QString& text);

    std::unique_ptr<NxStudioTimeline> m_timeline;
    std::unique_ptr<NxStudioMediaBin> m_bin;
    // Last: it ends the services while the clips of their tasks still exist.
    std::unique_ptr<NxStudioSpeech> m_speech;
    NxStudioMediaBinView* m_binView = nullptr;
    NxStudioTimelineView* m_timelineView = nullptr;
    NxStudioMonitor* m_monitor = nullptr;
    QSplitter* m_centre = nullptr;
    QDockWidget* m_binDock = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    // The menus and actions, each with the source text of its caption.
    QList<QPair<QAction*, const char*>> m_captions;
    QActionGroup* m_skins = nullptr;
    QString m_projectPath;
    bool m_binEdited = false;
    // The autosave file of this process holds this editor's work; until then
    // one of that name is what an earlier process of the same number left.
    bool m_autosaveOwned = false;
    QTimer m_autosaveTimer;
    QLabel* m_engine = nullptr;
    QLabel* m_reading = nullptr;
    QLabel* m_playhead = nullptr;
    // What the status bar says while nothing happens, as last shown.
    QString m_idle;
    bool m_binChosenLast = false;
};
