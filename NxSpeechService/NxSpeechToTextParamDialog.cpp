#include "NxSpeechToTextParamDialog.h"

#include "NxHostWindowWatch.h"
#include "NxSpeechToTextParamPanel.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QKeyEvent>
#include <QPointer>

namespace
{
constexpr int TitleBarButtons = NxTopLevelWindowTitleBar::CloseButton;
constexpr int DialogWidth = 636;
constexpr int DialogHeight = 284;
}

struct NxSpeechToTextParamDialog::Private
{
    NxSpeechToTextParamPanel* panel = nullptr;
    QPointer<QWidget> widget; // the host's, not owned
};

NxSpeechToTextParamDialog::NxSpeechToTextParamDialog(QWidget* parent)
    : NxFramelessDialog(parent, true, true)
    , d(std::make_unique<Private>())
{
    GetTitleBar()->SetButtons(TitleBarButtons);
    GetTitleBar()->SetResizeble(false);
    SetBottomBarVisible(false);
    SetTitleName(tr("Speech-to-Text parameter selection tip"), false);
    setFixedSize(DialogWidth, DialogHeight);

    d->panel = new NxSpeechToTextParamPanel(this);
    SetContentWidget(d->panel);

    connect(d->panel, &NxSpeechToTextParamPanel::sigOk, this, &QDialog::accept);
    connect(d->panel, &NxSpeechToTextParamPanel::sigCancel, this, &QDialog::reject);
}

NxSpeechToTextParamDialog::~NxSpeechToTextParamDialog() = default;

NxSpeechToTextTaskParam NxSpeechToTextParamDialog::GetParam() const
{
    return d->panel->GetParam();
}

void NxSpeechToTextParamDialog::setCheckState(bool checked, bool enabled)
{
    d->panel->setCheckState(checked, enabled);
}

void NxSpeechToTextParamDialog::setClipRatioState(bool checked, bool enabled)
{
    d->panel->setClipRatioState(checked, enabled);
}

void NxSpeechToTextParamDialog::setTimelineRatioState(bool checked, bool enabled)
{
    d->panel->setTimelineRatioState(checked, enabled);
}

void NxSpeechToTextParamDialog::setWidget(QWidget* widget)
{
    if (!widget)
        return;
    d->widget = widget;
    NxHostWindowWatch::start(this, [this] { return d->widget.data(); });
}

void NxSpeechToTextParamDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels like any dialog; the kit swallows it otherwise.
    if (event->key() == Qt::Key_Escape)
        QDialog::keyPressEvent(event);
    else
        NxDialog::keyPressEvent(event);
}
