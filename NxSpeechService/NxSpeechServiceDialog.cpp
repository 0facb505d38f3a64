#include "NxSpeechServiceDialog.h"

#include "NMessageDialog.h"
#include "NxSpeechServiceEvents.h"
#include "NxSpeechServicePanel.h"
#include "NxSpeechServicePresenter.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace
{
constexpr int TitleBarButtons = 36; // close and minimise
constexpr int DialogWidth = 796;
constexpr int DialogHeight = 544;
}

struct NxSpeechServiceDialog::Private
{
    NxSpeechServicePanel* panel = nullptr;
    NxSpeechServicePresenter* presenter = nullptr;
};

NxSpeechServiceDialog::NxSpeechServiceDialog(QWidget* parent)
    : NxFramelessDialog(parent, true, true)
    , d(std::make_unique<Private>())
{
    GetTitleBar()->SetButtons(TitleBarButtons);
    GetTitleBar()->SetResizeble(false);
    SetBottomBarVisible(false);
    SetTitleName(tr("List of voice-text services"), false);
    setFixedSize(DialogWidth, DialogHeight);

    d->presenter = new NxSpeechServicePresenter(this);
    d->panel = new NxSpeechServicePanel(d->presenter, this);
    SetContentWidget(d->panel);

    NxSpeechServicePresenter* presenter = d->presenter;
    connect(presenter, &NxSpeechServicePresenter::sigSrtFileGenerate, this, &NxSpeechServiceDialog::sigSrtFileGenerate);
    connect(presenter, &NxSpeechServicePresenter::sigAudioFileGenerate, this,
            &NxSpeechServiceDialog::sigAudioFileGenerate);
    connect(presenter, &NxSpeechServicePresenter::sigSrtProductFileGenerate, this,
            &NxSpeechServiceDialog::sigSrtProductFileGenerate);
    connect(presenter, &NxSpeechServicePresenter::sigFindMatterLocation, this,
            &NxSpeechServiceDialog::sigFindMatterLocation);
    connect(presenter, &NxSpeechServicePresenter::sigTaskFinish, this, &NxSpeechServiceDialog::sigTaskFinish);
    connect(presenter, &NxSpeechServicePresenter::sigSTTPurchaseRefresh, this,
            &NxSpeechServiceDialog::sigSTTPurchaseRefresh);
    connect(presenter, &NxSpeechServicePresenter::sigTTSPurchaseRefresh, this,
            &NxSpeechServiceDialog::sigTTSPurchaseRefresh);
}

NxSpeechServiceDialog::~NxSpeechServiceDialog()
{
    // The controllers release their task managers before the pages go.
    delete d->presenter;
}

INxSpeechServicePresenter* NxSpeechServiceDialog::presenter()
{
    return d->presenter;
}

void NxSpeechServiceDialog::showTab(TabType type)
{
    const bool textToSpeech = type == TextToSpeech;
    d->panel->showTab(textToSpeech ? 1 : 0);
    NxSpeechServiceEvents::sendWindowPopup(textToSpeech ? QStringLiteral("TTS_List_view")
                                                        : QStringLiteral("STT_List_view"));
}

bool NxSpeechServiceDialog::checkCanClose()
{
    if (!d->presenter->hasUnfinishedTasks()) {
        d->presenter->clearAllTasks();
        return true;
    }
    const QString text = QStringLiteral("%1 %2").arg(
        tr("There are tasks in progress for voice or text services, closing the window will clear all tasks."),
        tr("Are you sure you want to close the window?"));
    const bool confirmed = NMessageDialog::Question_YesNo(text, this, Confirm, QString(), QString(), Information);
    if (confirmed)
        d->presenter->clearAllTasks();
    return confirmed;
}

void NxSpeechServiceDialog::RetranslateUi()
{
    SetTitleName(tr("List of voice-text services"), false);
}

void NxSpeechServiceDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape hides the window and leaves the tasks running; no close guard.
    if (event->key() == Qt::Key_Escape)
        QDialog::keyPressEvent(event);
    else
        NxDialog::keyPressEvent(event);
}

void NxSpeechServiceDialog::closeEvent(QCloseEvent* event)
{
    if (!checkCanClose()) {
        event->ignore();
        return;
    }
    d->panel->closePages();
    QDialog::closeEvent(event);
}
