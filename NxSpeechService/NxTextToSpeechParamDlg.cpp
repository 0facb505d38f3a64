#include "NxTextToSpeechParamDlg.h"

#include "NxTextToSpeechParamPanel.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QKeyEvent>

namespace
{
constexpr int TitleBarButtons = NxTopLevelWindowTitleBar::MinimizeButton | NxTopLevelWindowTitleBar::CloseButton;
constexpr int DialogWidth = 800;
constexpr int DialogHeight = 488;
}

struct NxTextToSpeechParamDlg::Private
{
    NxTextToSpeechParamPanel* panel = nullptr;
};

NxTextToSpeechParamDlg::NxTextToSpeechParamDlg(QWidget* parent)
    : NxFramelessDialog(parent, true, true)
    , d(std::make_unique<Private>())
{
    GetTitleBar()->SetButtons(TitleBarButtons);
    GetTitleBar()->SetResizeble(false);
    SetBottomBarVisible(false);
    SetTitleName(tr("ParamSettings"), false);
    setFixedSize(DialogWidth, DialogHeight);

    d->panel = new NxTextToSpeechParamPanel(this);
    SetContentWidget(d->panel);

    connect(d->panel, &NxTextToSpeechParamPanel::sigOk, this, [this] { done(QDialog::Accepted); });
}

NxTextToSpeechParamDlg::~NxTextToSpeechParamDlg() = default;

TextToSpeechTaskParam NxTextToSpeechParamDlg::GetParam() const
{
    return d->panel->GetParam();
}

void NxTextToSpeechParamDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels like any dialog; the kit swallows it otherwise.
    if (event->key() == Qt::Key_Escape)
        QDialog::keyPressEvent(event);
    else
        NxDialog::keyPressEvent(event);
}
