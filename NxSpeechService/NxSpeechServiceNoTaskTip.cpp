#include "NxSpeechServiceNoTaskTip.h"

#include "NxLabel.h"
#include "NxSingleton.h"
#include "NxSkinChangeEvent.h"
#include "NxSkinStyle.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace
{
constexpr int IconSize = 72;
}

NxSpeechServiceNoTaskTip::NxSpeechServiceNoTaskTip(QWidget* parent)
    : NxWidget(parent)
{
    m_topLabel = NxLabel::CreateLabel(this);
    m_iconLabel = NxLabel::CreateLabel(this);
    m_textLabel = NxLabel::CreateLabel(this);
    m_iconLabel->setAlignment(Qt::AlignCenter);
    m_iconLabel->setFixedSize(IconSize, IconSize);
    m_textLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    RetranslateUi();
    SetBGColorType(NxSkinColor::Varnelo_Background_Surface1);

    auto* layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignHCenter);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_topLabel);
    auto* iconRow = new QHBoxLayout;
    iconRow->setContentsMargins(0, 0, 0, 0);
    iconRow->addStretch();
    iconRow->addWidget(m_iconLabel);
    iconRow->addStretch();
    layout->addLayout(iconRow);
    layout->addWidget(m_textLabel);
    loadIcon();
    // Follow skin switches, so the picture matches the background.
    NxSingleton<NxSkinStyle>::instance()->Attach(this);
}

NxSpeechServiceNoTaskTip::~NxSpeechServiceNoTaskTip()
{
    NxSingleton<NxSkinStyle>::instance()->Detach(this);
}

void NxSpeechServiceNoTaskTip::RetranslateUi()
{
    m_textLabel->setText(tr("No assignment yet, go try the voice text service!"));
}

void NxSpeechServiceNoTaskTip::OnSkinChanged(NxSkinChangeEvent* event)
{
    if (event && event->IsSkinChanged())
        loadIcon();
}

void NxSpeechServiceNoTaskTip::loadIcon()
{
    const QString path = NxSingleton<NxSkinStyle>::instance()->FormatResourceFile(
        QStringLiteral(":/Resource/icon72_empty-tts.png"));
    m_iconLabel->setPixmap(QPixmap(path));
    m_iconLabel->setScaledContents(true);
}
