#include "NxFramelessDialog.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace
{
constexpr int CornerRadius = 8;
constexpr int BottomBarHeight = 56;
}

NxFramelessDialog::NxFramelessDialog(QWidget* parent, bool modal, bool)
    : NxDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(modal);
    setAttribute(Qt::WA_TranslucentBackground);

    m_titleBar = new NxTopLevelWindowTitleBar(this);
    connect(m_titleBar, &NxTopLevelWindowTitleBar::sigClose, this, &QWidget::close);
    connect(m_titleBar, &NxTopLevelWindowTitleBar::sigMinimize, this, &QWidget::showMinimized);
    connect(m_titleBar, &NxTopLevelWindowTitleBar::sigMaximize, this,
            [this] { isMaximized() ? showNormal() : showMaximized(); });

    m_bottomBar = new QWidget(this);
    m_bottomBar->setFixedHeight(BottomBarHeight);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_titleBar);
    m_layout->addStretch(1);
    m_layout->addWidget(m_bottomBar);
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            qOverload<>(&QWidget::update));
}

NxFramelessDialog::~NxFramelessDialog() = default;

NxTopLevelWindowTitleBar* NxFramelessDialog::GetTitleBar() const
{
    return m_titleBar;
}

void NxFramelessDialog::SetTitleName(const QString& title, bool centred)
{
    m_titleBar->SetTitle(title, centred);
    setWindowTitle(title);
}

void NxFramelessDialog::SetContentWidget(QWidget* content)
{
    if (m_content) {
        m_layout->removeWidget(m_content);
        m_content->deleteLater();
    } else {
        delete m_layout->takeAt(1); // the stretch that held the place
    }
    m_content = content;
    if (content) {
        content->setParent(this);
        m_layout->insertWidget(1, content, 1);
    }
}

void NxFramelessDialog::SetBottomBarVisible(bool visible)
{
    m_bottomBar->setVisible(visible);
}

QWidget* NxFramelessDialog::GetBottomBar() const
{
    return m_bottomBar;
}

void NxFramelessDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    NxDialog::changeEvent(event);
}

void NxFramelessDialog::paintEvent(QPaintEvent*)
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF surface = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(skin->GetColor(NxSkinColor::Component_Control_Stroke), 1));
    painter.setBrush(skin->GetColor(NxSkinColor::Varnelo_Background_Surface1));
    painter.drawRoundedRect(surface, CornerRadius, CornerRadius);
}
