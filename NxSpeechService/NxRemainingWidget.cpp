#include "NxRemainingWidget.h"

#include "NxLabel.h"
#include "NxRemainingRefreshButton.h"

#include <QHBoxLayout>

namespace
{
constexpr int RefreshButtonSize = 24;
const char* const LinkTemplate =
    "<a style=\"color:#50e3c2;text-decoration:none\" href=\"href\" text-decoration:none>%1</a>";
}

NxRemainingWidget::NxRemainingWidget(int kind, QWidget* parent)
    : NxWidget(parent)
    , m_kind(kind)
{
    m_refreshButton = new NxRemainingRefreshButton(this);
    m_refreshButton->setFixedSize(RefreshButtonSize, RefreshButtonSize);
    m_label = NxLabel::CreateLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    TranslateText();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(m_refreshButton);
    layout->addWidget(m_label);

    connect(m_label, &QLabel::linkActivated, this, &NxRemainingWidget::sigLinkClicked);
    connect(m_refreshButton, &NxRemainingRefreshButton::clicked, this, &NxRemainingWidget::sigRefresh);
}

void NxRemainingWidget::setRemaining(int value)
{
    m_refreshButton->stopRefreshing();
    m_value = value;
    TranslateText();
}

void NxRemainingWidget::TranslateText()
{
    QString information;
    QString linkText;
    if (m_kind == Seconds) {
        information = QStringLiteral("%1 %2 %3 ").arg(tr("Time Remaining:"), QString::number(m_value), tr("Seconds"));
        linkText = tr("Purchase more");
    } else {
        information = tr("Remaining available characters: %1 ").arg(m_value);
        linkText = tr("Purchase more characters");
    }
    m_label->setText(information + QString::fromLatin1(LinkTemplate).arg(linkText));
}
