#include "NxTopLevelWindowTitleBar.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace
{
constexpr int Height = 40;
constexpr int TitlePixelSize = 14;
constexpr int ButtonSize = 28;

QToolButton* windowButton(QWidget* parent, const QString& glyph, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(glyph);
    button->setFixedSize(ButtonSize, ButtonSize);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
}

NxTopLevelWindowTitleBar::NxTopLevelWindowTitleBar(QWidget* window)
    : QWidget(window)
    , m_window(window)
{
    setFixedHeight(Height);
    m_title = new QLabel(this);
    QFont titleFont = m_title->font();
    titleFont.setPixelSize(TitlePixelSize);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_minimize = windowButton(this, QStringLiteral("\u2014"), QStringLiteral("NxTitleBarMinimize"));
    m_maximize = windowButton(this, QStringLiteral("\u25A1"), QStringLiteral("NxTitleBarMaximize"));
    m_close = windowButton(this, QStringLiteral("\u2715"), QStringLiteral("NxTitleBarClose"));
    connect(m_minimize, &QToolButton::clicked, this, &NxTopLevelWindowTitleBar::sigMinimize);
    connect(m_maximize, &QToolButton::clicked, this, &NxTopLevelWindowTitleBar::sigMaximize);
    connect(m_close, &QToolButton::clicked, this, &NxTopLevelWindowTitleBar::sigClose);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 8, 0);
    layout->setSpacing(4);
    layout->addWidget(m_title, 1);
    layout->addWidget(m_minimize);
    layout->addWidget(m_maximize);
    layout->addWidget(m_close);
    SetButtons(CloseButton);
    nameButtons();
    applySkin();
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            &NxTopLevelWindowTitleBar::applySkin);
}

void NxTopLevelWindowTitleBar::SetButtons(int buttons)
{
    m_minimize->setVisible(buttons & MinimizeButton);
    m_maximize->setVisible((buttons & MaximizeButton) && m_resizable);
    m_close->setVisible(buttons & CloseButton);
}

void NxTopLevelWindowTitleBar::SetResizeble(bool resizable)
{
    m_resizable = resizable;
    if (!resizable)
        m_maximize->hide();
}

void NxTopLevelWindowTitleBar::SetTitle(const QString& title, bool centred)
{
    m_title->setText(title);
    m_title->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
}

QString NxTopLevelWindowTitleBar::title() const
{
    return m_title->text();
}

QToolButton* NxTopLevelWindowTitleBar::button(Button which) const
{
    switch (which) {
    case MinimizeButton: return m_minimize;
    case MaximizeButton: return m_maximize;
    default: return m_close;
    }
}

void NxTopLevelWindowTitleBar::nameButtons()
{
    m_minimize->setAccessibleName(tr("Minimize"));
    m_maximize->setAccessibleName(tr("Maximize"));
    m_close->setAccessibleName(tr("Close"));
}

void NxTopLevelWindowTitleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        nameButtons();
    QWidget::changeEvent(event);
}

void NxTopLevelWindowTitleBar::applySkin()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    const auto css = [](const QColor& colour) { return colour.name(QColor::HexArgb); };
    m_title->setStyleSheet(QStringLiteral("color:%1;").arg(css(skin->GetColor(NxSkinColor::Text_Icon_Primary))));
    const QString buttons =
        QStringLiteral("QToolButton{color:%1;border:none;border-radius:4px;font-size:13px;}"
                       "QToolButton:hover{background:%2;color:%3;}QToolButton:pressed{background:%4;}")
            .arg(css(skin->GetColor(NxSkinColor::Text_Icon_Secondary)), css(skin->GetColor(NxSkinColor::State_Hover)),
                 css(skin->GetColor(NxSkinColor::Text_Icon_Primary)), css(skin->GetColor(NxSkinColor::State_Pressed)));
    for (QToolButton* button : {m_minimize, m_maximize})
        button->setStyleSheet(buttons);
    m_close->setStyleSheet(buttons + QStringLiteral("QToolButton#NxTitleBarClose:hover{background:%1;color:%2;}")
                                         .arg(css(skin->GetColor(NxSkinColor::Alert_Danger)),
                                              css(skin->GetColor(NxSkinColor::Text_Icon_OnAccent))));
    update();
}

void NxTopLevelWindowTitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(NxSingleton<NxSkinStyle>::instance()->GetColor(NxSkinColor::Component_Divider_Secondary));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void NxTopLevelWindowTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_window) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - m_window->frameGeometry().topLeft();
    }
    QWidget::mousePressEvent(event);
}

void NxTopLevelWindowTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton) && m_window)
        m_window->move(event->globalPos() - m_dragOffset);
    QWidget::mouseMoveEvent(event);
}

void NxTopLevelWindowTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_resizable && m_maximize->isVisible())
        emit sigMaximize();
    QWidget::mouseDoubleClickEvent(event);
}
