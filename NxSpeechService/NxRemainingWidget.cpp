#include "NxRemainingWidget.h"

#include "NxControlPainter.h"
#include "NxLabel.h"
#include "NxRemainingRefreshButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace
{
constexpr int RefreshButtonSize = 24;
// What a click on the link reports: the target the template names.
const char* const LinkTarget = "href";
// Room between the link's text and its focus mark.
constexpr QMargins FocusPadding(3, 1, 3, 1);
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
    m_label->setFocusPolicy(Qt::TabFocus);
    m_label->installEventFilter(this);
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
    m_linkText = linkText;
    m_balanceText = information.trimmed();
}

void NxRemainingWidget::followLink()
{
    emit sigLinkClicked(QString::fromLatin1(LinkTarget));
}

QLabel* NxRemainingWidget::linkLabel() const
{
    return m_label;
}

bool NxRemainingWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    if (watched == m_label && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            followLink();
            return true;
        }
    }
    return NxWidget::eventFilter(watched, event);
}

void NxRemainingWidget::paintEvent(QPaintEvent* event)
{
    NxWidget::paintEvent(event);
    // Drawn under the label, whose background is clear, around the link's text.
    if (!NxControlPainter::ShowsFocusRing(m_label))
        return;
    QPainter painter(this);
    NxControlPainter::PaintFocusRing(painter, linkRect().translated(m_label->pos()).marginsAdded(FocusPadding) & rect());
}

QRect NxRemainingWidget::linkRect() const
{
    // The label's text laid out as the label lays it out: one line, centred.
    QTextDocument document;
    document.setDefaultFont(m_label->font());
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(m_label->layoutDirection());
    document.setDefaultTextOption(option);
    document.setHtml(m_label->text());
    document.setTextWidth(document.idealWidth());
    const QTextBlock block = document.begin();
    if (!block.layout() || block.layout()->lineCount() == 0)
        return {};
    const QTextLine line = block.layout()->lineAt(0);
    const QPointF origin((m_label->width() - document.size().width()) / 2,
                         (m_label->height() - document.size().height()) / 2);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.charFormat().isAnchor())
            continue;
        const int start = fragment.position() - block.position();
        const qreal from = line.cursorToX(start);
        const qreal to = line.cursorToX(start + fragment.length());
        return QRectF(origin + QPointF(qMin(from, to), line.y()), QSizeF(qAbs(to - from), line.height()))
            .toAlignedRect();
    }
    return {};
}
