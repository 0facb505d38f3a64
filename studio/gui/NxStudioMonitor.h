#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class NxStudioFrameRenderer;
class NxStudioMltTimeline;
class NxStudioPlayer;
class NxStudioTimeline;
class QLabel;
class QToolButton;

// The picture at the playhead, scaled to fit over a dark backdrop, with the
// playhead's time under it and the transport buttons (start, step back,
// play/pause, step forward, end). Still pictures are rendered off the GUI
// thread, the newest request first; playback runs on NxStudioPlayer and
// moves the playhead with the picture.
class NxStudioMonitor : public QWidget
{
    Q_OBJECT

public:
    explicit NxStudioMonitor(NxStudioTimeline* timeline, QWidget* parent = nullptr);
    ~NxStudioMonitor() override;

    NxStudioMltTimeline* mirror() const;
    NxStudioPlayer* player() const;
    // The picture shown and the frame it belongs to.
    QImage picture() const;
    qint64 shownPosition() const;
    // Where the picture lies, in this widget's coordinates.
    QRect pictureRect() const;
    bool isPlaying() const;

    void play();
    void pause();
    void togglePlay();
    void step(qint64 frames);
    void goToStart();
    void goToEnd();

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

signals:
    // A picture has been put on screen: after a seek, an edit, or during playback.
    void frameShown(qint64 position);
    void playingChanged(bool playing);

private:
    class Screen;

    qint64 lastFrame() const;
    QSize renderSize() const;
    void requestPicture();
    void display(qint64 position, const QImage& image);
    void retranslateUi();
    void updateIcons();
    void updateTime();

    NxStudioTimeline* m_timeline;
    NxStudioMltTimeline* m_mirror;
    NxStudioPlayer* m_player;
    Screen* m_screen;
    QLabel* m_time;
    QToolButton* m_playButton = nullptr;
    QList<QToolButton*> m_buttons;
    QImage m_picture;
    qint64 m_shownPosition = -1;
    bool m_followingPlayer = false;
    // Ended first: its destruction waits for the picture under way.
    std::unique_ptr<NxStudioFrameRenderer> m_renderer;
};
