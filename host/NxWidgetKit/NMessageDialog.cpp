#include "NMessageDialog.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
constexpr int Margin = 24;
constexpr int CornerRadius = 8;
constexpr int ButtonHeight = 32;
constexpr int ButtonMinWidth = 96;
constexpr int TitlePixelSize = 15;
constexpr int TextPixelSize = 13;

QString css(const QColor& colour)
{
    return colour.name(QColor::HexArgb);
}

NMessageDialog::Answerer& installedAnswerer()
{
    static NMessageDialog::Answerer instance;
    return instance;
}

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}

QString primaryButtonStyle()
{
    return QStringLiteral("QPushButton{background:%1;color:%2;border:none;border-radius:4px;padding:0 16px;}"
                          "QPushButton:hover{background:%3;}QPushButton:pressed{background:%4;}")
        .arg(css(skin()->GetColor(NxSkinColor::VarneloX_Primary)), css(skin()->GetColor(NxSkinColor::Text_Icon_OnAccent)),
             css(skin()->GetColor(NxSkinColor::VarneloX_Primary_Hover)),
             css(skin()->GetColor(NxSkinColor::VarneloX_Primary_Pressed)));
}

QString secondaryButtonStyle()
{
    return QStringLiteral("QPushButton{background:transparent;color:%1;border:1px solid %2;border-radius:4px;"
                          "padding:0 16px;}QPushButton:hover{background:%3;}QPushButton:pressed{background:%4;}")
        .arg(css(skin()->GetColor(NxSkinColor::Text_Icon_Primary)),
             css(skin()->GetColor(NxSkinColor::Component_Control_Stroke)),
             css(skin()->GetColor(NxSkinColor::State_Hover)), css(skin()->GetColor(NxSkinColor::State_Pressed)));
}
}

NMessageDialog::NMessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
}

void NMessageDialog::setAnswerer(Answerer answerer)
{
    installedAnswerer() = std::move(answerer);
}

void NMessageDialog::Init(const NMessageBoxParams& params)
{
    m_params = params;
    if (params.parent)
        setParent(params.parent, windowFlags());
    setWindowTitle(params.title);

    const QColor primaryText = skin()->GetColor(NxSkinColor::Text_Icon_Primary);
    const QColor secondaryText = skin()->GetColor(NxSkinColor::Text_Icon_Secondary);

    m_title = new QLabel(params.title, this);
    QFont titleFont = m_title->font();
    titleFont.setPixelSize(TitlePixelSize);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color:%1;").arg(css(primaryText)));

    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("\u2715"));
    close->setAutoRaise(true);
    close->setCursor(Qt::PointingHandCursor);
    close->setStyleSheet(QStringLiteral("QToolButton{color:%1;border:none;}QToolButton:hover{color:%2;}")
                             .arg(css(secondaryText), css(primaryText)));
    connect(close, &QToolButton::clicked, this, [this] { finish(NoButton); });

    m_text = new QLabel(params.text, this);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::AutoText);
    QFont textFont = m_text->font();
    textFont.setPixelSize(TextPixelSize);
    m_text->setFont(textFont);
    m_text->setStyleSheet(QStringLiteral("color:%1;").arg(css(secondaryText)));
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin - 4, Margin, Margin);
    layout->setSpacing(16);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(close);
    layout->addLayout(titleRow);
    layout->addWidget(m_text, 1);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->setSpacing(12);
    if (!params.checkBoxText.isEmpty()) {
        m_checkBox = new QCheckBox(params.checkBoxText, this);
        m_checkBox->setChecked(params.checkBoxChecked);
        m_checkBox->setFont(textFont);
        m_checkBox->setStyleSheet(QStringLiteral("color:%1;").arg(css(secondaryText)));
        bottomRow->addWidget(m_checkBox);
    }
    bottomRow->addStretch();
    for (int code : params.buttons) {
        auto* button = new QPushButton(captionOf(code, params), this);
        button->setObjectName(QStringLiteral("NMessageDialogButton_%1").arg(code));
        button->setFixedHeight(ButtonHeight);
        button->setMinimumWidth(ButtonMinWidth);
        button->setCursor(Qt::PointingHandCursor);
        button->setFont(textFont);
        const bool primary = code == params.acceptButton || code == Ok;
        button->setStyleSheet(primary ? primaryButtonStyle() : secondaryButtonStyle());
        button->setDefault(primary);
        connect(button, &QPushButton::clicked, this, [this, code] { finish(code); });
        bottomRow->addWidget(button);
    }
    layout->addLayout(bottomRow);

    setFixedWidth(params.width);
    if (params.height > 0)
        setFixedHeight(params.height);
    else
        adjustSize();
}

QString NMessageDialog::captionOf(int code, const NMessageBoxParams& params) const
{
    const QList<int> roles{params.acceptButton, params.rejectButton};
    const int named = roles.indexOf(code);
    if (named >= 0 && named < params.buttonTexts.size())
        return params.buttonTexts.at(named);
    switch (code) {
    case Ok: return tr("OK");
    case Confirm: return tr("Confirm");
    case Cancel: return tr("Cancel");
    case No: return tr("No");
    default: return QString::number(code);
    }
}

void NMessageDialog::finish(int code)
{
    m_result = code;
    if (code == Confirm || code == Ok)
        accept();
    else
        reject();
}

NStandardButton NMessageDialog::ShowModel()
{
    m_result = NoButton;
    if (installedAnswerer()) {
        m_result = installedAnswerer()(m_params);
        return NStandardButton(m_result);
    }
    exec();
    return NStandardButton(m_result);
}

bool NMessageDialog::CheckBoxChecked() const
{
    return m_checkBox && m_checkBox->isChecked();
}

bool NMessageDialog::Infomation(const QString& text, QWidget* parent, int buttons, const QString& title,
                                const QString& confirmText, const QString& cancelText, bool withCancel)
{
    NMessageBoxParams params;
    params.parent = parent;
    params.title = title.isEmpty() ? tr("Information") : title;
    params.text = text;
    params.acceptButton = Ok;
    params.buttons = (buttons == Ok && !withCancel) ? QList<int>{Ok} : QList<int>{Cancel, Ok};
    params.buttonTexts = QStringList{confirmText.isEmpty() ? tr("OK") : confirmText,
                                     cancelText.isEmpty() ? tr("Cancel") : cancelText};
    NMessageDialog box(parent);
    box.Init(params);
    return box.ShowModel() == Ok;
}

bool NMessageDialog::Question_YesNo(const QString& text, QWidget* parent, int defaultButton, const QString& title,
                                    const QString& yesText, int messageType)
{
    NMessageBoxParams params;
    params.parent = parent;
    params.title = title.isEmpty() ? tr("Question") : title;
    params.text = text;
    params.messageType = messageType;
    params.buttons = {No, Confirm};
    params.acceptButton = Confirm;
    params.rejectButton = No;
    params.buttonTexts = QStringList{yesText.isEmpty() ? tr("Yes") : yesText, tr("No")};
    NMessageDialog box(parent);
    box.Init(params);
    const QString enterButton = QStringLiteral("NMessageDialogButton_%1").arg(defaultButton == No ? No : Confirm);
    const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        button->setDefault(button->objectName() == enterButton);
    return box.ShowModel() == Confirm;
}

void NMessageDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(skin()->GetColor(NxSkinColor::Component_Control_Stroke), 1));
    painter.setBrush(skin()->GetColor(NxSkinColor::Varnelo_Background_Surface2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius, CornerRadius);
}

// The box has no system title bar: drag it by any free spot.
void NMessageDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void NMessageDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPos() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}
