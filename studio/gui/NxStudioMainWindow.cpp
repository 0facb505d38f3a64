#include "NxStudioMainWindow.h"

#include "INxBaseLog.h"
#include "NxConfig.h"
#include "NxSkinPalette.h"
#include "NxStudioAppearance.h"
#include "NxStudioClips.h"
#include "NxStudioEngine.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinView.h"
#include "NxStudioMonitor.h"
#include "NxStudioSpeech.h"
#include "NxStudioTimeText.h"
#include "NxStudioTimeline.h"
#include "NxStudioTimelineView.h"
#include "NxTimelineClip.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QUndoStack>

namespace
{
constexpr QSize DefaultSize(1280, 760);
constexpr int BinWidth = 280;
constexpr int MessageMilliseconds = 10000;

const QString Section = QStringLiteral("Studio");
const QString GeometryKey = QStringLiteral("Geometry");
const QString StateKey = QStringLiteral("WindowState");
const QString CentreKey = QStringLiteral("MonitorSplit");

const QString MediaFilter = QStringLiteral(
    "Media (*.wav *.mp3 *.flac *.ogg *.opus *.m4a *.aac *.mp4 *.mkv *.mov *.avi *.webm *.srt);;All files (*)");
}

NxStudioMainWindow::NxStudioMainWindow()
    : m_timeline(std::make_unique<NxStudioTimeline>())
    , m_bin(std::make_unique<NxStudioMediaBin>(NxStudioTimeline::FrameRate, nullptr))
{
    setWindowTitle(QStringLiteral("nx-studio"));
    setObjectName(QStringLiteral("NxStudioMainWindow"));
    setAcceptDrops(true);
    resize(DefaultSize);
    m_speech = std::make_unique<NxStudioSpeech>(m_timeline.get(), m_bin.get(), this);

    createPanels();
    createFileMenu();
    createEditMenu();
    createTimelineMenu();
    createPlaybackMenu();
    createSpeechMenu();
    createViewMenu();
    createStatusBar();
    restoreLayout();

    connect(m_speech.get(), &NxStudioSpeech::message, this, &NxStudioMainWindow::showMessage);
    connect(m_speech.get(), &NxStudioSpeech::messageOutdated, this, [this](const QString& text) {
        if (statusBar()->currentMessage() == text)
            statusBar()->clearMessage();
    });
    connect(m_bin.get(), &NxStudioMediaBin::importFailed, this, [this](const QString& path, const QString& reason) {
        NX_LOG_ERROR("cannot import %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
        showMessage(tr("%1 cannot be imported: %2").arg(QFileInfo(path).fileName(), reason));
    });
}

NxStudioMainWindow::~NxStudioMainWindow()
{
    // The monitor reads the timeline and the bin's media while it renders: it goes before them.
    delete m_centre;
}

NxStudioTimeline* NxStudioMainWindow::timeline() const { return m_timeline.get(); }
NxStudioMediaBin* NxStudioMainWindow::bin() const { return m_bin.get(); }
NxStudioMediaBinView* NxStudioMainWindow::binView() const { return m_binView; }
NxStudioTimelineView* NxStudioMainWindow::timelineView() const { return m_timelineView; }
NxStudioMonitor* NxStudioMainWindow::monitor() const { return m_monitor; }
NxStudioSpeech* NxStudioMainWindow::speech() const { return m_speech.get(); }

void NxStudioMainWindow::createPanels()
{
    m_timelineView = new NxStudioTimelineView(m_timeline.get());
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(m_timelineView);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    m_monitor = new NxStudioMonitor(m_timeline.get(), this);
    m_centre = new QSplitter(Qt::Vertical, this);
    m_centre->setObjectName(QStringLiteral("MonitorSplit"));
    m_centre->setChildrenCollapsible(false);
    m_centre->addWidget(m_monitor);
    m_centre->addWidget(scroller);
    m_centre->setStretchFactor(0, 1);
    m_centre->setStretchFactor(1, 1);
    setCentralWidget(m_centre);
    connect(scroller->horizontalScrollBar(), &QScrollBar::valueChanged, m_timelineView,
            qOverload<>(&QWidget::update));
    connect(m_timelineView, &NxStudioTimelineView::mediaDropped, this, &NxStudioMainWindow::addToTimeline);
    connect(m_timelineView, &NxStudioTimelineView::moveRefused, this,
            [this] { showMessage(tr("Clips cannot overlap, and stay on tracks of their kind.")); });

    m_binView = new NxStudioMediaBinView(m_bin.get(), this);
    auto* dock = new QDockWidget(tr("Media bin"), this);
    dock->setObjectName(QStringLiteral("MediaBinDock"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    dock->setWidget(m_binView);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resizeDocks({dock}, {BinWidth}, Qt::Horizontal);
    connect(m_binView, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        addToTimeline({index.data(NxStudioMediaBin::IdRole).toInt()}, m_timeline->playhead());
    });
}

void NxStudioMainWindow::createFileMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&File"));
    QAction* import = menu->addAction(tr("Import\u2026"), this, &NxStudioMainWindow::chooseFiles);
    import->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_I));
    menu->addSeparator();
    QAction* quit = menu->addAction(tr("Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
}

void NxStudioMainWindow::createEditMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Edit"));
    QUndoStack* stack = m_timeline->undoStack();
    QAction* undo = stack->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = stack->createRedoAction(this, tr("Redo"));
    redo->setShortcut(QKeySequence::Redo);
    menu->addAction(undo);
    menu->addAction(redo);
    menu->addSeparator();
    QAction* remove = menu->addAction(tr("Delete"), this,
                                      [this] { m_timeline->removeClips(m_timeline->selection()); });
    remove->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::Key_Backspace)});
    remove->setEnabled(false);
    connect(m_timeline.get(), &NxStudioTimeline::selectionChanged, remove,
            [this, remove] { remove->setEnabled(!m_timeline->selection().isEmpty()); });
    QAction* all = menu->addAction(tr("Select all clips"), this,
                                   [this] { m_timeline->setSelection(m_timeline->clips()); });
    all->setShortcut(QKeySequence::SelectAll);
}

void NxStudioMainWindow::createTimelineMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Timeline"));
    QAction* add = menu->addAction(tr("Add to timeline"), this, [this] {
        addToTimeline(m_binView->selectedIds(), m_timeline->playhead());
    });
    add->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_E));
    QAction* title = menu->addAction(tr("Add title\u2026"), this, &NxStudioMainWindow::addTitle);
    title->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_T));
    menu->addSeparator();
    QAction* zoomIn = menu->addAction(tr("Zoom in"), this, [this] { m_timelineView->zoom(1); });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    QAction* zoomOut = menu->addAction(tr("Zoom out"), this, [this] { m_timelineView->zoom(-1); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
}

void NxStudioMainWindow::createPlaybackMenu()
{
    // Window-wide keys; text fields keep theirs, as they claim them first.
    QMenu* menu = menuBar()->addMenu(tr("&Playback"));
    NxStudioMonitor* monitor = m_monitor;
    QAction* play = menu->addAction(tr("Play/pause"), monitor, &NxStudioMonitor::togglePlay);
    play->setShortcut(QKeySequence(Qt::Key_Space));
    menu->addAction(tr("Step back one frame"), monitor, [monitor] { monitor->step(-1); })
        ->setShortcut(QKeySequence(Qt::Key_Left));
    menu->addAction(tr("Step forward one frame"), monitor, [monitor] { monitor->step(1); })
        ->setShortcut(QKeySequence(Qt::Key_Right));
    menu->addSeparator();
    menu->addAction(tr("Go to start"), monitor, &NxStudioMonitor::goToStart)->setShortcut(QKeySequence(Qt::Key_Home));
    menu->addAction(tr("Go to end"), monitor, &NxStudioMonitor::goToEnd)->setShortcut(QKeySequence(Qt::Key_End));
}

void NxStudioMainWindow::createSpeechMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Speech"));
    NxStudioSpeech* speech = m_speech.get();
    // Ctrl+Alt+T and Ctrl+Alt+L belong to the desktop (a terminal, the screen lock).
    menu->addAction(tr("Speech to text\u2026"), speech, &NxStudioSpeech::speechToText)
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_S));
    menu->addAction(tr("Text to speech\u2026"), speech, [speech] { speech->textToSpeech(false); })
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_V));
    menu->addAction(tr("Text to speech (classic)\u2026"), speech, [speech] { speech->textToSpeech(true); })
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_C));
    menu->addSeparator();
    menu->addAction(tr("Voice-text services"), speech, &NxStudioSpeech::showServices)
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_W));
}

void NxStudioMainWindow::createViewMenu()
{
    m_viewMenu = menuBar()->addMenu(tr("&View"));
    QMenu* skins = m_viewMenu->addMenu(tr("Skin"));
    auto* skinGroup = new QActionGroup(this);
    const std::pair<int, QString> skinNames[] = {{NxSkinPalette::DarkSkin, tr("Dark")},
                                                 {NxSkinPalette::LightSkin, tr("Light")}};
    for (const auto& [kind, name] : skinNames) {
        QAction* action = skins->addAction(name, this, [kind = kind] { NxStudioAppearance::setSkin(kind); });
        action->setCheckable(true);
        action->setChecked(NxStudioAppearance::skin() == kind);
        skinGroup->addAction(action);
    }

    QMenu* languages = m_viewMenu->addMenu(tr("Interface language"));
    auto* languageGroup = new QActionGroup(this);
    for (const NxStudioAppearance::Language& language : NxStudioAppearance::languages()) {
        QAction* action = languages->addAction(language.name, this, [this, language] {
            NxStudioAppearance::setLanguage(language.number);
            showMessage(tr("Interface language: %1. The speech dialogs start on it.").arg(language.name));
        });
        action->setCheckable(true);
        action->setChecked(NxStudioAppearance::language() == language.number);
        languageGroup->addAction(action);
    }
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(findChild<QDockWidget*>(QStringLiteral("MediaBinDock"))->toggleViewAction());
}

void NxStudioMainWindow::createStatusBar()
{
    m_reading = new QLabel(this);
    m_reading->hide();
    m_playhead = new QLabel(NxStudioTimeText::tenths(0), this);
    // As the factories choose when they make the services' task managers.
    auto* engine = new QLabel(NxStudioEngine::line(), this);
    // The permanent fields stand apart from each other like columns.
    constexpr int FieldGap = 12;
    for (QLabel* field : {engine, m_reading, m_playhead}) {
        field->setContentsMargins(FieldGap, 0, 0, 0);
        statusBar()->addPermanentWidget(field);
    }
    statusBar()->showMessage(tr("Ready"));
    connect(m_bin.get(), &NxStudioMediaBin::readingCountChanged, this, [this](int count) {
        m_reading->setText(tr("Reading %n file(s)\u2026", "", count));
        m_reading->setVisible(count > 0);
    });
    connect(m_timeline.get(), &NxStudioTimeline::playheadChanged, this, [this](qint64 frame) {
        m_playhead->setText(NxStudioTimeText::tenths(NxStudioTimeline::FrameRate.framesToSecondsF(frame)));
    });
}

void NxStudioMainWindow::restoreLayout()
{
    const NxConfig& config = NxConfig::Instance();
    restoreGeometry(config.GetAppValue(Section, GeometryKey, false, QByteArray()).toByteArray());
    restoreState(config.GetAppValue(Section, StateKey, false, QByteArray()).toByteArray());
    m_centre->restoreState(config.GetAppValue(Section, CentreKey, false, QByteArray()).toByteArray());
}

void NxStudioMainWindow::saveLayout() const
{
    NxConfig& config = NxConfig::Instance();
    config.SetAppValue(Section, GeometryKey, saveGeometry(), false);
    config.SetAppValue(Section, StateKey, saveState(), false);
    config.SetAppValue(Section, CentreKey, m_centre->saveState(), false);
}

void NxStudioMainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_speech->mayClose()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

void NxStudioMainWindow::importFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (QFileInfo(path).isFile()) {
            m_bin->import(path);
            continue;
        }
        NX_LOG_ERROR("no file %s", qUtf8Printable(path));
        showMessage(tr("%1 is not a file.").arg(path));
    }
}

void NxStudioMainWindow::chooseFiles()
{
    importFiles(QFileDialog::getOpenFileNames(this, tr("Import"), QString(), MediaFilter));
}

void NxStudioMainWindow::addToTimeline(const QList<int>& ids, qint64 frame, int track)
{
    NxStudioClips::Clips clips;
    qint64 position = frame;
    for (int id : ids) {
        const NxStudioMediaBin::Item* item = m_bin->item(id);
        if (!item)
            continue;
        for (auto& clip : NxStudioClips::fromItem(*item, position, *m_timeline))
            clips.push_back(std::move(clip));
        if (!clips.empty())
            position = qMax(position, clips.back()->position() + clips.back()->length());
    }
    if (clips.empty()) {
        showMessage(tr("Choose media that has been read in the bin first."));
        return;
    }
    m_timeline->setSelection(m_timeline->addClips(std::move(clips), tr("Add to timeline"), track));
}

void NxStudioMainWindow::addTitle()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr("Add title"), tr("Title text:"), QLineEdit::Normal,
                                               QString(), &ok).simplified();
    if (!ok || text.isEmpty())
        return;
    m_timeline->setSelection(
        m_timeline->addClips(NxStudioClips::title(text, m_timeline->playhead(), *m_timeline), tr("Add title")));
}

void NxStudioMainWindow::showMessage(const QString& text)
{
    statusBar()->showMessage(text, MessageMilliseconds);
}

void NxStudioMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void NxStudioMainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    importFiles(paths);
}
