#pragma once

#include <QMainWindow>

#include <memory>

class NxStudioMediaBin;
class NxStudioMediaBinView;
class NxStudioMonitor;
class NxStudioSpeech;
class NxStudioTimeline;
class NxStudioTimelineView;
class QLabel;
class QMenu;
class QSplitter;

// nx-studio's main window: the media bin beside the monitor over the
// timeline, the menus (File, Edit, Timeline, Playback, Speech, View) with their shortcuts, and a status
// bar that says what is going on and which speech engine runs the services.
// Its size, place and docks are remembered.
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

    NxStudioTimeline* timeline() const;
    NxStudioMediaBin* bin() const;
    NxStudioMediaBinView* binView() const;
    NxStudioTimelineView* timelineView() const;
    NxStudioMonitor* monitor() const;
    NxStudioSpeech* speech() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
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
    void addTitle();
    void showMessage(const QString& text);

    std::unique_ptr<NxStudioTimeline> m_timeline;
    std::unique_ptr<NxStudioMediaBin> m_bin;
    // Last: it ends the services while the clips of their tasks still exist.
    std::unique_ptr<NxStudioSpeech> m_speech;
    NxStudioMediaBinView* m_binView = nullptr;
    NxStudioTimelineView* m_timelineView = nullptr;
    NxStudioMonitor* m_monitor = nullptr;
    QSplitter* m_centre = nullptr;
    QMenu* m_viewMenu = nullptr;
    QLabel* m_reading = nullptr;
    QLabel* m_playhead = nullptr;
};
