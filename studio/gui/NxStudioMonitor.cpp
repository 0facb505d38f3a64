#include "NxStudioMonitor.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxStudioFrameRenderer.h"
#include "NxStudioMltTimeline.h"
#include "NxStudioPlayer.h"
#include "NxStudioTimeText.h"
#include "NxStudioTimeline.h"

#include <Mlt.h>

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace
{
constexpr int IconSize = 20;
const QColor Backdrop(16, 16, 18);

enum Glyph
{
    ToStart,
    StepBack,
    Play,
    Pause,
    StepForward,
    ToEnd
};

// Transport glyphs drawn in the skin's icon colour: triangles and bars on a
// 20-pixel square, the backward ones mirrored.
QIcon glyph(Glyph kind, const QColor& colour)
{
    const qreal ratio = 2; // sharp on high-density screens too
    QPixmap pixmap(QSize(IconSize, IconSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const bool backward = kind == ToStart || kind == StepBack;
    if (backward) {
        painter.translate(IconSize, 0);
        painter.scale(-1, 1);
    }
    const auto triangle = [&painter](qreal left, qreal right) {
        QPainterPath path;
        path.moveTo(left, 4);
        path.lineTo(right, 10);
        path.lineTo(left, 16);
        path.closeSubpath();
        painter.drawPath(path);
    };
    switch (kind) {
    case Play:
        triangle(5, 16);
        break;
    case Pause:
        painter.drawRect(QRectF(5, 4, 3.5, 12));
        painter.drawRect(QRectF(11.5, 4, 3.5, 12));
        break;
    case StepForward:
    case StepBack:
        triangle(5, 12.5);
        painter.drawRect(QRectF(13, 4, 2.5, 12));
        break;
    case ToEnd:
    case ToStart:
        triangle(3, 9.5);
        triangle(9.5, 16);
        painter.drawRect(QRectF(16, 4, 2, 12));
        break;
    }
    return QIcon(pixmap);
}
}

// The picture, scaled to fit with its aspect ratio kept, on the backdrop.
class NxStudioMonitor::Screen : public QWidget
{
public:
    explicit Screen(NxStudioMonitor* monitor)
        : QWidget(monitor)
        , m_monitor(monitor)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(160, 90);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    QRect pictureRect(QSize picture) const
    {
        if (picture.isEmpty())
            return {};
        const QSize size = picture.scaled(this->size(), Qt::KeepAspectRatio);
        return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Backdrop);
        const QImage& picture = m_monitor->m_picture;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(pictureRect(picture.size()), picture);
    }

private:
    NxStudioMonitor* m_monitor;
};

NxStudioMonitor::NxStudioMonitor(NxStudioTimeline* timeline, QWidget* parent)
    : QWidget(parent)
    , m_timeline(timeline)
    , m_mirror(new NxStudioMltTimeline(timeline, this))
    , m_player(new NxStudioPlayer(this))
    , m_screen(new Screen(this))
    , m_time(new QLabel(this))
    , m_renderer(std::make_unique<NxStudioFrameRenderer>())
{
    setObjectName(QStringLiteral("NxStudioMonitor"));
    // Transport controls and the time under the picture keep their order in
    // every interface language: they follow the time axis, not the writing.
    setLayoutDirection(Qt::LeftToRight);
    m_time->setAlignment(Qt::AlignCenter);
    m_time->setObjectName(QStringLiteral("MonitorTime"));

    auto* transport = new QHBoxLayout;
    transport->addStretch();
    const std::function<void()> buttons[] = {[this] { goToStart(); }, [this] { step(-1); },
                                             [this] { togglePlay(); }, [this] { step(1); },
                                             [this] { goToEnd(); }};
    for (const auto& action : buttons) {
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setIconSize(QSize(IconSize, IconSize));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, action);
        transport->addWidget(button);
        m_buttons.append(button);
    }
    m_playButton = m_buttons.at(2);
    transport->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_screen, 1);
    layout->addWidget(m_time);
    layout->addLayout(transport);
    retranslateUi();
    updateIcons();
    updateTime();

    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this, &NxStudioMonitor::updateIcons);
    connect(m_renderer.get(), &NxStudioFrameRenderer::rendered, this, [this](qint64 position, const QImage& image) {
        if (!isPlaying())
            display(position, image);
    });
    connect(m_player, &NxStudioPlayer::shown, this, [this](qint64 position, const QImage& image) {
        display(position, image);
        m_followingPlayer = true;
        m_timeline->setPlayhead(position);
        m_followingPlayer = false;
    });
    connect(m_player, &NxStudioPlayer::ended, this, [this] {
        updateIcons();
        emit playingChanged(false);
    });
    connect(m_timeline, &NxStudioTimeline::playheadChanged, this, [this] {
        updateTime();
        if (m_followingPlayer)
            return;
        if (isPlaying())
            play(); // again, from the playhead the user chose
        else
            requestPicture();
    });
    // The tractor the player reads is replaced: it plays on with the new one.
    connect(m_mirror, &NxStudioMltTimeline::rebuilt, this, [this] {
        updateTime();
        if (isPlaying())
            play();
        else
            requestPicture();
    });
    requestPicture();
}

NxStudioMonitor::~NxStudioMonitor()
{
    m_player->stop();
    m_renderer.reset();
}

NxStudioMltTimeline* NxStudioMonitor::mirror() const { return m_mirror; }
NxStudioPlayer* NxStudioMonitor::player() const { return m_player; }
QImage NxStudioMonitor::picture() const { return m_picture; }
qint64 NxStudioMonitor::shownPosition() const { return m_shownPosition; }
QRect NxStudioMonitor::pictureRect() const { return m_screen->pictureRect(m_picture.size()).translated(m_screen->pos()); }
bool NxStudioMonitor::isPlaying() const { return m_player->isPlaying(); }

QSize NxStudioMonitor::sizeHint() const { return QSize(640, 400); }

qint64 NxStudioMonitor::lastFrame() const { return qMax<qint64>(0, m_timeline->sequence()->length() - 1); }

void NxStudioMonitor::play()
{
    const bool was = isPlaying();
    // From the start again once the end has been reached.
    if (!was && m_timeline->playhead() >= lastFrame()) {
        m_followingPlayer = true;
        m_timeline->setPlayhead(0);
        m_followingPlayer = false;
    }
    // The still renderer lets go of the tractor before the player takes it.
    m_renderer->waitIdle();
    const bool playing = m_player->play(m_mirror->shared(), m_timeline->playhead(), renderSize());
    updateIcons();
    if (playing != was)
        emit playingChanged(playing);
}

void NxStudioMonitor::pause()
{
    if (!isPlaying())
        return;
    m_player->stop();
    updateIcons();
    emit playingChanged(false);
    // The picture shown last may be a frame behind the playhead.
    if (m_shownPosition != m_timeline->playhead())
        requestPicture();
}

void NxStudioMonitor::togglePlay()
{
    if (isPlaying())
        pause();
    else
        play();
}

void NxStudioMonitor::step(qint64 frames)
{
    pause();
    m_timeline->setPlayhead(qBound<qint64>(0, m_timeline->playhead() + frames, lastFrame()));
}

void NxStudioMonitor::goToStart()
{
    pause();
    m_timeline->setPlayhead(0);
}

void NxStudioMonitor::goToEnd()
{
    pause();
    m_timeline->setPlayhead(lastFrame());
}

QSize NxStudioMonitor::renderSize() const
{
    // As large as the screen shows it, never larger than the timeline's
    // frames: smaller pictures cost less to convert, blend and hand over.
    const Mlt::Profile& profile = m_mirror->profile();
    const QSize full(profile.width(), profile.height());
    const QSize shown = full.scaled(m_screen->size() * m_screen->devicePixelRatioF(), Qt::KeepAspectRatio);
    return shown.width() >= full.width() || !isVisible() ? full : QSize(shown.width() & ~1, shown.height() & ~1);
}

void NxStudioMonitor::requestPicture()
{
    m_renderer->request(m_mirror->shared(), m_timeline->playhead(), renderSize());
}

void NxStudioMonitor::display(qint64 position, const QImage& image)
{
    m_picture = image;
    m_shownPosition = position;
    m_screen->update();
    emit frameShown(position);
}

void NxStudioMonitor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void NxStudioMonitor::retranslateUi()
{
    const QString tips[] = {tr("Go to start"), tr("Step back one frame"), tr("Play/pause"),
                            tr("Step forward one frame"), tr("Go to end")};
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setToolTip(tips[i]);
}

void NxStudioMonitor::updateIcons()
{
    const QColor colour = NxSingleton<NxSkinStyle>::instance()->GetColor(NxSkinColor::Text_Icon_Secondary);
    const Glyph glyphs[] = {ToStart, StepBack, isPlaying() ? Pause : Play, StepForward, ToEnd};
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setIcon(glyph(glyphs[i], colour));
}

void NxStudioMonitor::updateTime()
{
    const auto time = [](qint64 frame) {
        return NxStudioTimeText::tenths(NxStudioTimeline::FrameRate.framesToSecondsF(frame));
    };
    m_time->setText(QStringLiteral("%1 / %2").arg(time(m_timeline->playhead()), time(m_timeline->sequence()->length())));
}
