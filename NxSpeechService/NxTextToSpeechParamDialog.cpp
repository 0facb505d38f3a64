#include "NxTextToSpeechParamDialog.h"

#include "NxHostWindowWatch.h"
#include "NxTextToSpeechParamVarneloPanel.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QKeyEvent>
#include <QPointer>

namespace
{
constexpr int TitleBarButtons = NxTopLevelWindowTitleBar::CloseButton;
constexpr int DialogWidth = 640;
constexpr int DialogHeight = 556;
}

struct NxTextToSpeechParamDialog::Private
{
    NxTextToSpeechParamVarneloPanel* panel = nullptr;
    QPointer<QWidget> widget; // the host's, not owned
};

NxTextToSpeechParamDialog::NxTextToSpeechParamDialog(QWidget* parent)
    : NxFramelessDialog(parent, true, true)
    , d(std::make_unique<Private>())
{
    GetTitleBar()->SetButtons(TitleBarButtons);
    GetTitleBar()->SetResizeble(false);
    SetBottomBarVisible(false);
    SetTitleName(tr("Text-to-Speech parameter selection tip"), false);
    setFixedSize(DialogWidth, DialogHeight);

    d->panel = new NxTextToSpeechParamVarneloPanel(this);
    SetContentWidget(d->panel);

    connect(d->panel, &NxTextToSpeechParamVarneloPanel::sigOk, this, &QDialog::accept);
    connect(d->panel, &NxTextToSpeechParamVarneloPanel::sigCancel, this, &QDialog::reject);
}

NxTextToSpeechParamDialog::~NxTextToSpeechParamDialog() = default;

TextToSpeechTaskParam NxTextToSpeechParamDialog::GetParam() const
{
    return d->panel->GetParam();
}

void NxTextToSpeechParamDialog::setWidget(QWidget* widget)
{
    if (!widget)
        return;
    d->widget = widget;
    NxHostWindowWatch::start(this, [this] { return d->widget.data(); });
}

void NxTextToSpeechParamDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels like any dialog; the kit swallows it otherwise.
    if (event->key() == Qt::Key_Escape)
        QDialog::keyPressEvent(event);
    else
        NxDialog::keyPressEvent(event);
}
