#include "NxStudioMainWindow.h"

#include "INxBaseLog.h"
#include "NxCheckedFile.h"
#include "NxConfig.h"
#include "NxMediaFile.h"
#include "NxDataHome.h"
#include "NxSkinPalette.h"
#include "NxStudioAppearance.h"
#include "NxStudioClips.h"
#include "NxStudioEngine.h"
#include "NxStudioExportDialog.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinView.h"
#include "NxStudioProject.h"
#include "NxStudioMonitor.h"
#include "NxStudioSpeech.h"
#include "NxStudioSubtitleFile.h"
#include "NxStudioTimeText.h"
#include "NxStudioTimeline.h"
#include "NxStudioTimelineView.h"
#include "NxTimelineClip.h"

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QUndoStack>

#include <signal.h>
#include <unistd.h>

#include <algorithm>

namespace
{
constexpr QSize DefaultSize(1280, 760);
constexpr int BinWidth = 280;
constexpr int MessageMilliseconds = 10000;

const QString Section = QStringLiteral("Studio");
const QString GeometryKey = QStringLiteral("Geometry");
const QString StateKey = QStringLiteral("WindowState");
const QString RightToLeftKey = QStringLiteral("WindowStateRightToLeft");
const QString RecentKey = QStringLiteral("RecentProjects");
constexpr int MostRecent = 10;
constexpr int AutosaveMilliseconds = 3 * 60 * 1000;

const QString ProjectFilter = QStringLiteral("nx-studio projects (*.nxproj)");
const QString SubtitleFilter = QStringLiteral("SubRip subtitles (*.srt)");

// One autosave per running editor, named after its process.
const QString AutosavePrefix = QStringLiteral("nx-studio-");

QString autosaveFolder()
{
    const QString folder = NxDataHome::filePath(QStringLiteral("autosave"));
    QDir().mkpath(folder);
    return folder;
}

QString autosaveOf(qint64 pid)
{
    return QStringLiteral("%1/%2%3.%4")
        .arg(autosaveFolder(), AutosavePrefix, QString::number(pid), QLatin1String(NxStudioProject::Suffix));
}

bool isRunning(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}
const QString CentreKey = QStringLiteral("MonitorSplit");

const QString MediaFilter = QStringLiteral(
    "Media (*.wav *.mp3 *.flac *.ogg *.opus *.m4a *.aac *.mp4 *.mkv *.mov *.avi *.webm *.srt);;All files (*)");
}

NxStudioMainWindow::NxStudioMainWindow()
    : m_timeline(std::make_unique<NxStudioTimeline>())
    , m_bin(std::make_unique<NxStudioMediaBin>(NxStudioTimeline::FrameRate, nullptr))
{
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
    connect(m_timeline->undoStack(), &QUndoStack::cleanChanged, this, &NxStudioMainWindow::updateTitle);
    connect(m_bin.get(), &NxStudioMediaBin::edited, this, [this] {
        m_binEdited = true;
        updateTitle();
    });
    m_autosaveTimer.setInterval(AutosaveMilliseconds);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &NxStudioMainWindow::autosave);
    retranslateUi();
    connect(m_bin.get(), &NxStudioMediaBin::importFailed, this, [this](const QString& path, const QString& reason) {
        NX_LOG_ERROR("cannot import %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
        showMessage(tr("%1 cannot be imported: %2").arg(QFileInfo(path).fileName(), reason));
    });
}

NxStudioMainWindow::~NxStudioMainWindow()
{
    // The timeline empties its undo steps as it goes: the title is no more to be told.
    disconnect(m_timeline->undoStack(), nullptr, this, nullptr);
    // Hiding the window moves the focus, after the bin and timeline are gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
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
    // Tab goes to the timeline itself, not to the area it scrolls in.
    scroller->setFocusPolicy(Qt::NoFocus);
    // Time runs left to right in every interface language, as in the monitor: the
    // timeline does not mirror (its texts still read in the language's direction).
    scroller->setLayoutDirection(Qt::LeftToRight);
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
    m_binDock = new QDockWidget(this);
    m_binDock->setObjectName(QStringLiteral("MediaBinDock"));
    m_binDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    m_binDock->setWidget(m_binView);
    // At the side lines start from.
    addDockWidget(isRightToLeft() ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea, m_binDock);
    resizeDocks({m_binDock}, {BinWidth}, Qt::Horizontal);
    connect(m_binView, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        addToTimeline({index.data(NxStudioMediaBin::IdRole).toInt()}, m_timeline->playhead());
    });
    connect(m_binView, &NxStudioMediaBinView::chosen, this,
            [this](const QList<int>& ids) { addToTimeline(ids, m_timeline->playhead()); });
    // Whichever the user selected last, bin files or clips, is what "Clip
    // selection" transcribes.
    connect(m_binView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_binChosenLast = !m_binView->selectedIds().isEmpty(); });
    connect(m_timeline.get(), &NxStudioTimeline::selectionChanged, this, [this] {
        if (!m_timeline->selection().isEmpty())
            m_binChosenLast = false;
    });
}

QList<INxAbstractMedia*> NxStudioMainWindow::chosenMaterials() const
{
    QList<INxAbstractMedia*> materials;
    if (m_binChosenLast)
        for (int id : m_binView->selectedIds())
            if (const NxStudioMediaBin::Item* item = m_bin->item(id); item && item->media)
                materials.append(item->media.get());
    return materials;
}

void NxStudioMainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    else if (event->type() == QEvent::LayoutDirectionChange)
        mirrorDocks();
    QMainWindow::changeEvent(event);
}

void NxStudioMainWindow::mirrorDocks()
{
    const Qt::DockWidgetArea area = dockWidgetArea(m_binDock);
    if (m_binDock->isFloating() || (area != Qt::LeftDockWidgetArea && area != Qt::RightDockWidgetArea))
        return;
    const int width = m_binDock->width();
    addDockWidget(area == Qt::LeftDockWidgetArea ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea, m_binDock);
    resizeDocks({m_binDock}, {width}, Qt::Horizontal);
}

void NxStudioMainWindow::retranslateUi()
{
    for (const auto& [action, source] : qAsConst(m_captions))
        action->setText(tr(source));
    updateUndoTexts();
    m_binDock->setWindowTitle(tr("Media bin"));
    m_engine->setText(NxStudioEngine::line());
    updateReading();
    // Only the idle text is the window's own to say again; news stays as it was told.
    const bool idle = statusBar()->currentMessage() == m_idle;
    m_idle = tr("Ready");
    if (idle)
        statusBar()->showMessage(m_idle);
    updateTitle();
}

QMenu* NxStudioMainWindow::captionedMenu(QMenu* parent, const char* source)
{
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    m_captions.append({menu->menuAction(), source});
    return menu;
}

template <typename... Slot>
QAction* NxStudioMainWindow::captionedAction(QMenu* menu, const char* source, Slot&&... slot)
{
    QAction* action = menu->addAction(QString(), std::forward<Slot>(slot)...);
    m_captions.append({action, source});
    return action;
}

QAction* NxStudioMainWindow::undoAction(bool redo)
{
    QUndoStack* stack = m_timeline->undoStack();
    auto* action = new QAction(this);
    action->setEnabled(redo ? stack->canRedo() : stack->canUndo());
    connect(stack, redo ? &QUndoStack::canRedoChanged : &QUndoStack::canUndoChanged, action, &QAction::setEnabled);
    connect(stack, redo ? &QUndoStack::redoTextChanged : &QUndoStack::undoTextChanged, this,
            &NxStudioMainWindow::updateUndoTexts);
    connect(action, &QAction::triggered, stack, redo ? &QUndoStack::redo : &QUndoStack::undo);
    return action;
}

void NxStudioMainWindow::updateUndoTexts()
{
    const auto caption = [](const QString& verb, const QString& command) {
        return command.isEmpty() ? verb : verb + QLatin1Char(' ') + command;
    };
    const QUndoStack* stack = m_timeline->undoStack();
    m_undo->setText(caption(tr("Undo"), stack->undoText()));
    m_redo->setText(caption(tr("Redo"), stack->redoText()));
}

void NxStudioMainWindow::createFileMenu()
{
    QMenu* menu = captionedMenu(nullptr, QT_TR_NOOP("&File"));
    captionedAction(menu, QT_TR_NOOP("New"), this, &NxStudioMainWindow::newProject)->setShortcut(QKeySequence::New);
    captionedAction(menu, QT_TR_NOOP("Open\u2026"), this, &NxStudioMainWindow::chooseProject)
        ->setShortcut(QKeySequence::Open);
    m_recentMenu = captionedMenu(menu, QT_TR_NOOP("Open Recent"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &NxStudioMainWindow::fillRecentMenu);
    fillRecentMenu();
    captionedAction(menu, QT_TR_NOOP("Save"), this, &NxStudioMainWindow::save)->setShortcut(QKeySequence::Save);
    captionedAction(menu, QT_TR_NOOP("Save As\u2026"), this, &NxStudioMainWindow::saveAs)
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_S));
    menu->addSeparator();
    captionedAction(menu, QT_TR_NOOP("Import\u2026"), this, &NxStudioMainWindow::chooseFiles)
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_I));
    captionedAction(menu, QT_TR_NOOP("Relink media\u2026"), this, &NxStudioMainWindow::relinkMedia);
    captionedAction(menu, QT_TR_NOOP("Export subtitles\u2026"), this, &NxStudioMainWindow::exportSubtitles);
    captionedAction(menu, QT_TR_NOOP("Export video\u2026"), this, [this] {
        NxStudioExportDialog dialog(m_timeline.get(), this);
        dialog.exec();
    })->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_M));
    menu->addSeparator();
    captionedAction(menu, QT_TR_NOOP("Quit"), this, &QWidget::close)->setShortcut(QKeySequence::Quit);
}

void NxStudioMainWindow::createEditMenu()
{
    QMenu* menu = captionedMenu(nullptr, QT_TR_NOOP("&Edit"));
    m_undo = undoAction(false);
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = undoAction(true);
    m_redo->setShortcut(QKeySequence::Redo);
    menu->addAction(m_undo);
    menu->addAction(m_redo);
    menu->addSeparator();
    // Deletes in the panel the keys go to: the bin's files while it has focus, else the clips.
    QAction* remove = captionedAction(menu, QT_TR_NOOP("Delete"), this, [this] {
        if (m_binView->hasFocus())
            removeFromBin(m_binView->selectedIds());
        else
            m_timeline->removeClips(m_timeline->selection());
    });
    remove->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::Key_Backspace)});
    const auto updateRemove = [this, remove] {
        remove->setEnabled(m_binView->hasFocus() ? !m_binView->selectedIds().isEmpty()
                                                 : !m_timeline->selection().isEmpty());
    };
    updateRemove();
    connect(m_timeline.get(), &NxStudioTimeline::selectionChanged, remove, updateRemove);
    connect(m_binView->selectionModel(), &QItemSelectionModel::selectionChanged, remove, updateRemove);
    connect(m_bin.get(), &QAbstractItemModel::dataChanged, remove, updateRemove);
    connect(qApp, &QApplication::focusChanged, this, updateRemove);
    captionedAction(menu, QT_TR_NOOP("Select all clips"), this,
                    [this] { m_timeline->setSelection(m_timeline->clips()); })
        ->setShortcut(QKeySequence::SelectAll);
}

void NxStudioMainWindow::createTimelineMenu()
{
    QMenu* menu = captionedMenu(nullptr, QT_TR_NOOP("&Timeline"));
    captionedAction(menu, QT_TR_NOOP("Add to timeline"), this, [this] {
        addToTimeline(m_binView->selectedIds(), m_timeline->playhead());
    })->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_E));
    captionedAction(menu, QT_TR_NOOP("Add title\u2026"), this, &NxStudioMainWindow::addTitle)
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_T));
    menu->addSeparator();
    captionedAction(menu, QT_TR_NOOP("Zoom in"), this, [this] { m_timelineView->zoom(1); })
        ->setShortcut(QKeySequence::ZoomIn);
    captionedAction(menu, QT_TR_NOOP("Zoom out"), this, [this] { m_timelineView->zoom(-1); })
        ->setShortcut(QKeySequence::ZoomOut);
}

void NxStudioMainWindow::createPlaybackMenu()
{
    // Window-wide keys; text fields keep theirs, as they claim them first.
    QMenu* menu = captionedMenu(nullptr, QT_TR_NOOP("&Playback"));
    NxStudioMonitor* monitor = m_monitor;
    captionedAction(menu, QT_TR_NOOP("Play/pause"), monitor, &NxStudioMonitor::togglePlay)
        ->setShortcut(QKeySequence(Qt::Key_Space));
    // Left and right go back and forth in time, whose axis runs left to right in every language.
    captionedAction(menu, QT_TR_NOOP("Step back one frame"), monitor, [monitor] { monitor->step(-1); })
        ->setShortcut(QKeySequence(Qt::Key_Left));
    captionedAction(menu, QT_TR_NOOP("Step forward one frame"), monitor, [monitor] { monitor->step(1); })
        ->setShortcut(QKeySequence(Qt::Key_Right));
    menu->addSeparator();
    captionedAction(menu, QT_TR_NOOP("Go to start"), monitor, &NxStudioMonitor::goToStart)
        ->setShortcut(QKeySequence(Qt::Key_Home));
    captionedAction(menu, QT_TR_NOOP("Go to end"), monitor, &NxStudioMonitor::goToEnd)
        ->setShortcut(QKeySequence(Qt::Key_End));
}

void NxStudioMainWindow::createSpeechMenu()
{
    QMenu* menu = captionedMenu(nullptr, QT_TR_NOOP("&Speech"));
    NxStudioSpeech* speech = m_speech.get();
    // Ctrl+Alt+T and Ctrl+Alt+L belong to the desktop (a terminal, the screen lock).
    captionedAction(menu, QT_TR_NOOP("Speech to text\u2026"), speech,
                    [this, speech] { speech->speechToText(chosenMaterials()); })
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_S));
    captionedAction(menu, QT_TR_NOOP("Text to speech\u2026"), speech, [speech] { speech->textToSpeech(false); })
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_V));
    captionedAction(menu, QT_TR_NOOP("Text to speech (classic)\u2026"), speech,
                    [speech] { speech->textToSpeech(true); })
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_C));
    menu->addSeparator();
    captionedAction(menu, QT_TR_NOOP("Voice-text services"), speech, &NxStudioSpeech::showServices)
        ->setShortcut(QKeySequence(Qt::CTRL + Qt::ALT + Qt::Key_W));
}

void NxStudioMainWindow::createViewMenu()
{
    m_viewMenu = captionedMenu(nullptr, QT_TR_NOOP("&View"));
    QMenu* skins = captionedMenu(m_viewMenu, QT_TR_NOOP("Skin"));
    m_skins = new QActionGroup(this);
    const std::pair<int, const char*> skinNames[] = {{NxSkinPalette::DarkSkin, QT_TR_NOOP("Dark")},
                                                     {NxSkinPalette::LightSkin, QT_TR_NOOP("Light")}};
    for (const auto& [kind, name] : skinNames) {
        QAction* action = captionedAction(skins, name, this, [kind = kind] { NxStudioAppearance::setSkin(kind); });
        action->setCheckable(true);
        action->setData(kind);
        m_skins->addAction(action);
    }
    applySkin(NxStudioAppearance::skin());

    // Each language by its own name, whichever the interface speaks.
    QMenu* languages = captionedMenu(m_viewMenu, QT_TR_NOOP("Interface language"));
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
    // Its text is the dock's title.
    m_viewMenu->addAction(m_binDock->toggleViewAction());
}

void NxStudioMainWindow::createStatusBar()
{
    m_reading = new QLabel(this);
    m_reading->hide();
    m_playhead = new QLabel(NxStudioTimeText::tenths(0), this);
    // As the factories choose when they make the services' task managers.
    m_engine = new QLabel(this);
    // The permanent fields stand apart from each other like columns.
    constexpr int FieldGap = 12;
    for (QLabel* field : {m_engine, m_reading, m_playhead}) {
        field->setContentsMargins(FieldGap, 0, 0, 0);
        statusBar()->addPermanentWidget(field);
    }
    connect(m_bin.get(), &NxStudioMediaBin::readingCountChanged, this, &NxStudioMainWindow::updateReading);
    connect(m_timeline.get(), &NxStudioTimeline::playheadChanged, this, [this](qint64 frame) {
        m_playhead->setText(NxStudioTimeText::tenths(NxStudioTimeline::FrameRate.framesToSecondsF(frame)));
    });
}

void NxStudioMainWindow::updateReading()
{
    const int count = m_bin->readingCount();
    m_reading->setText(tr("Reading %n file(s)\u2026", "", count));
    m_reading->setVisible(count > 0);
}

void NxStudioMainWindow::restoreLayout()
{
    const NxConfig& config = NxConfig::Instance();
    restoreGeometry(config.GetAppValue(Section, GeometryKey, false, QByteArray()).toByteArray());
    // Kept in the other writing direction, the docks were on the other sides.
    if (restoreState(config.GetAppValue(Section, StateKey, false, QByteArray()).toByteArray())
        && config.GetAppValue(Section, RightToLeftKey, false, false).toBool() != isRightToLeft())
        mirrorDocks();
    m_centre->restoreState(config.GetAppValue(Section, CentreKey, false, QByteArray()).toByteArray());
}

void NxStudioMainWindow::saveLayout() const
{
    NxConfig& config = NxConfig::Instance();
    config.SetAppValue(Section, GeometryKey, saveGeometry(), false);
    config.SetAppValue(Section, StateKey, saveState(), false);
    config.SetAppValue(Section, RightToLeftKey, isRightToLeft(), false);
    config.SetAppValue(Section, CentreKey, m_centre->saveState(), false);
}

void NxStudioMainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_speech->mayClose()) {
        event->ignore();
        return;
    }
    if (!maySave()) {
        event->ignore();
        return;
    }
    saveLayout();
    // A clean exit: nothing is left to restore.
    removeAutosave();
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

void NxStudioMainWindow::removeFromBin(const QList<int>& ids)
{
    if (ids.isEmpty())
        return;
    // Clips of a file leave the timeline with it, in the same step.
    QList<NxTimelineClip*> clips;
    for (NxTimelineClip* clip : m_timeline->clips())
        for (int id : ids)
            if (const NxStudioMediaBin::Item* item = m_bin->item(id); item && item->media && clip->media() == item->media.get())
                clips.append(clip);
    QUndoStack* stack = m_timeline->undoStack();
    stack->beginMacro(tr("Remove from bin"));
    m_timeline->removeClips(clips);
    m_bin->removeItems(ids, stack);
    stack->endMacro();
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

// ---- projects ---------------------------------------------------------------

QString NxStudioMainWindow::projectPath() const { return m_projectPath; }

bool NxStudioMainWindow::isModified() const
{
    return m_binEdited || !m_timeline->undoStack()->isClean();
}

void NxStudioMainWindow::updateTitle()
{
    const QString name = m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).fileName();
    setWindowTitle(QStringLiteral("%1%2 \u2014 nx-studio").arg(name, isModified() ? QStringLiteral("*") : QString()));
    if (!isModified()) {
        // Nothing is unsaved now: the autosave has nothing to keep.
        if (m_autosaveTimer.isActive())
            removeAutosave();
        m_autosaveTimer.stop();
    } else if (!m_autosaveTimer.isActive()) {
        m_autosaveTimer.start();
    }
}

void NxStudioMainWindow::markClean()
{
    m_timeline->undoStack()->setClean();
    m_binEdited = false;
    updateTitle();
}

void NxStudioMainWindow::warn(const QString& title, const QString& text)
{
    NX_LOG_ERROR("%s", qUtf8Printable(text));
    QMessageBox::warning(this, title, text);
}

bool NxStudioMainWindow::maySave()
{
    if (!isModified())
        return true;
    const QString name = m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).fileName();
    QMessageBox box(QMessageBox::Warning, tr("Unsaved changes"),
                    tr("%1 has changes that are not saved. Save them?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void NxStudioMainWindow::newProject()
{
    if (!maySave())
        return;
    m_bin->reset();
    m_timeline->reset({NxSequence::VideoTrack, NxSequence::AudioTrack, NxSequence::TitleTrack,
                       NxSequence::SubtitleTrack});
    m_projectPath.clear();
    markClean();
}

void NxStudioMainWindow::chooseProject()
{
    if (!maySave())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open project"), QString(), ProjectFilter);
    if (!path.isEmpty())
        openProject(path);
}

bool NxStudioMainWindow::openProject(const QString& path)
{
    int skin = NxStudioAppearance::skin();
    QString error;
    if (!NxStudioProject::load(path, *m_bin, *m_timeline, &skin, &error)) {
        warn(tr("Open project"), error);
        return false;
    }
    m_projectPath = QFileInfo(path).absoluteFilePath();
    applySkin(skin);
    rememberRecent(m_projectPath);
    markClean();
    const QList<NxTimelineClip*> clips = m_timeline->clips();
    const int offline = int(std::count_if(clips.cbegin(), clips.cend(),
                                          [](const NxTimelineClip* clip) { return NxStudioClips::isOffline(clip); }));
    showMessage(offline ? tr("%n clip(s) are offline: File \u25B8 Relink media\u2026 finds their files.", "", offline)
                        : tr("%1 opened.").arg(QFileInfo(path).fileName()));
    return true;
}

bool NxStudioMainWindow::save()
{
    return m_projectPath.isEmpty() ? saveAs() : saveProject(m_projectPath);
}

bool NxStudioMainWindow::saveAs()
{
    const QString suggested = m_projectPath.isEmpty() ? tr("Untitled") + QStringLiteral(".nxproj") : m_projectPath;
    const QString path = chooseSaveName(tr("Save project"), suggested, ProjectFilter,
                                        QLatin1String(NxStudioProject::Suffix));
    return !path.isEmpty() && saveProject(path);
}

QString NxStudioMainWindow::chooseSaveName(const QString& title, const QString& suggested, const QString& filter,
                                           const QString& suffix)
{
    // The dialog adds the suffix before it asks about replacing a file.
    QFileDialog dialog(this, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool NxStudioMainWindow::saveProject(const QString& path)
{
    QString error;
    if (!NxStudioProject::save(path, *m_bin, *m_timeline, NxStudioAppearance::skin(), &error)) {
        warn(tr("Save project"), tr("The project could not be saved: %1").arg(error));
        return false;
    }
    m_projectPath = QFileInfo(path).absoluteFilePath();
    rememberRecent(m_projectPath);
    markClean();
    showMessage(tr("Saved %1.").arg(QFileInfo(path).fileName()));
    return true;
}

void NxStudioMainWindow::applySkin(int kind)
{
    if (kind != NxStudioAppearance::skin())
        NxStudioAppearance::setSkin(kind);
    for (QAction* action : m_skins->actions())
        action->setChecked(action->data().toInt() == kind);
}

void NxStudioMainWindow::rememberRecent(const QString& path)
{
    NxConfig& config = NxConfig::Instance();
    QStringList recent = config.GetAppValue(Section, RecentKey, false, QStringList()).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    config.SetAppValue(Section, RecentKey, QVariant(recent.mid(0, MostRecent)), false);
}

void NxStudioMainWindow::fillRecentMenu()
{
    NxConfig& config = NxConfig::Instance();
    const QStringList remembered = config.GetAppValue(Section, RecentKey, false, QStringList()).toStringList();
    QStringList recent;
    for (const QString& path : remembered)
        if (QFileInfo(path).isFile())
            recent.append(path);
    if (recent != remembered)
        config.SetAppValue(Section, RecentKey, QVariant(recent), false);
    m_recentMenu->clear();
    for (const QString& path : qAsConst(recent)) {
        QAction* action = m_recentMenu->addAction(QFileInfo(path).fileName(), this, [this, path] {
            if (maySave())
                openProject(path);
        });
        action->setToolTip(path);
    }
    if (recent.isEmpty())
        m_recentMenu->addAction(tr("No recent projects"))->setEnabled(false);
}

void NxStudioMainWindow::relinkMedia()
{
    QList<int> offline;
    for (int id : m_binView->selectedIds())
        if (m_bin->item(id)->offline)
            offline.append(id);
    for (int row = 0; row < m_bin->rowCount(); ++row)
        if (m_bin->itemAt(row)->offline && !offline.contains(m_bin->itemAt(row)->id))
            offline.append(m_bin->itemAt(row)->id);
    if (offline.isEmpty()) {
        showMessage(tr("No media is offline."));
        return;
    }
    for (int id : qAsConst(offline)) {
        const NxStudioMediaBin::Item* item = m_bin->item(id);
        const QString path = QFileDialog::getOpenFileName(this, tr("Relink %1").arg(item->name),
                                                          QFileInfo(item->path).absolutePath(), MediaFilter);
        if (path.isEmpty())
            return;
        QString error;
        const NxStudioTimeline::MediaUse use = m_timeline->useOf(item->media.get());
        if (!m_bin->relink(id, path, use.frames, use.sound, &error)) {
            warn(tr("Relink media"), tr("%1 cannot stand in for %2: %3").arg(QFileInfo(path).fileName(), item->name, error));
            return;
        }
        m_timelineView->update();
    }
}

void NxStudioMainWindow::exportSubtitles()
{
    QList<NxTimelineClip*> clips;
    for (NxTimelineClip* clip : m_timeline->clips())
        if (clip->type() == INxClip::Subtitle)
            clips.append(clip);
    if (clips.isEmpty()) {
        showMessage(tr("There are no subtitle clips to export."));
        return;
    }
    std::stable_sort(clips.begin(), clips.end(), [](const NxTimelineClip* a, const NxTimelineClip* b) {
        return std::make_pair(a->position(), a->track()) < std::make_pair(b->position(), b->track());
    });
    QVector<NxStudioCue> cues;
    const auto milliseconds = [](qint64 frames) {
        return frames * 1000 * NxStudioTimeline::FrameRate.den / NxStudioTimeline::FrameRate.num;
    };
    for (const NxTimelineClip* clip : qAsConst(clips))
        cues.append(NxStudioCue{milliseconds(clip->position()), milliseconds(clip->position() + clip->length()),
                                NxStudioClips::textOf(clip)});
    const QString base = m_projectPath.isEmpty() ? tr("Untitled") : QFileInfo(m_projectPath).completeBaseName();
    const QString path = chooseSaveName(tr("Export subtitles"), base + QStringLiteral(".srt"), SubtitleFilter,
                                        QStringLiteral("srt"));
    if (path.isEmpty())
        return;
    // The dialog asked before a file would be replaced; one that appeared since is not.
    const auto how = QFileInfo::exists(path) ? NxCheckedFile::Commit::Replace : NxCheckedFile::Commit::NewName;
    QString error;
    if (!NxCheckedFile::writeFile(path, NxStudioSubtitleFile::format(cues), how, &error)) {
        warn(tr("Export subtitles"), tr("The subtitles could not be exported: %1").arg(error));
        return;
    }
    showMessage(tr("%n subtitle(s) exported to %1.", "", cues.size()).arg(QFileInfo(path).fileName()));
}

// ---- autosave ---------------------------------------------------------------

QString NxStudioMainWindow::autosavePath() const
{
    return autosaveOf(::getpid());
}

void NxStudioMainWindow::autosave()
{
    if (!isModified())
        return;
    QString error;
    m_autosaveOwned = true;
    if (!NxStudioProject::save(autosavePath(), *m_bin, *m_timeline, NxStudioAppearance::skin(), &error))
        NX_LOG_ERROR("autosave failed: %s", qUtf8Printable(error));
}

void NxStudioMainWindow::removeAutosave()
{
    QFile::remove(autosavePath());
}

void NxStudioMainWindow::offerAutosaves()
{
    const QString mine = autosavePath();
    const QStringList names = QDir(autosaveFolder()).entryList(
        {AutosavePrefix + QStringLiteral("*.") + QLatin1String(NxStudioProject::Suffix)}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        bool ok = false;
        const qint64 pid = name.mid(AutosavePrefix.size()).section(QLatin1Char('.'), 0, 0).toLongLong(&ok);
        const QString path = autosaveOf(pid);
        const bool running = path == mine ? m_autosaveOwned : isRunning(pid);
        if (!ok || path != autosaveFolder() + QLatin1Char('/') + name || running)
            continue;
        // Taken as this editor's own, so that no other editor starting now offers it too:
        // of two links, only one unlink of the old name succeeds.
        if (path != mine) {
            if (::link(QFile::encodeName(path).constData(), QFile::encodeName(mine).constData()) != 0)
                continue;
            if (::unlink(QFile::encodeName(path).constData()) != 0) {
                ::unlink(QFile::encodeName(mine).constData());
                continue;
            }
        }
        m_autosaveOwned = true;
        QMessageBox box(QMessageBox::Question, tr("Restore unsaved work"),
                        tr("nx-studio ended without saving some work. Restore it?"), QMessageBox::NoButton, this);
        QPushButton* restore = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
        box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(restore);
        box.exec();
        if (box.clickedButton() != static_cast<QAbstractButton*>(restore)) {
            removeAutosave();
            continue;
        }
        int skin = NxStudioAppearance::skin();
        QString error;
        if (!NxStudioProject::load(mine, *m_bin, *m_timeline, &skin, &error)) {
            warn(tr("Restore unsaved work"), error);
            removeAutosave();
            continue;
        }
        applySkin(skin);
        m_projectPath.clear();
        // Restored work is not saved anywhere yet.
        m_binEdited = true;
        updateTitle();
        return;
    }
}
