#include "NxGalleryKitControls.h"

#include "NxGalleryOutput.h"

#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxCustomRadioButton.h"
#include "NxLabel.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>

#include <functional>
#include <memory>

namespace
{
enum State { Normal, Hovered, Pressed, Checked, Focused, Disabled, DisabledChecked, StateCount };
const char* const StateNames[StateCount] = {"normal", "hovered", "pressed", "checked", "focused", "disabled",
                                            "disabled, checked"};

struct ControlRow
{
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
    bool pressable;
    bool checkable;
};

const QStringList SpeedLabels{QStringLiteral("0.5x"), QStringLiteral("0.75x"), QStringLiteral("1.0x"),
                              QStringLiteral("1.5x"), QStringLiteral("2.0x")};

QWidget* button(QWidget* parent, bool primary, int size, const char* text, bool checkable)
{
    NxPushButton* made = primary ? NxPushButton::CreatePrimaryButton(parent, size)
                                 : NxPushButton::CreateSecondaryButton(parent, size);
    made->setText(QString::fromUtf8(text));
    made->setCheckable(checkable);
    return made;
}

QWidget* checkBox(QWidget* parent, const char* text, int height)
{
    NxCheckBox* box = NxCheckBox::CreateCheckBox(parent);
    box->setText(QString::fromUtf8(text));
    box->setFixedHeight(height);
    return box;
}

QWidget* combo(QWidget* parent)
{
    NxComboBox* box = NxComboBox::CreateComboBox(parent);
    box->addItems({QStringLiteral("English (US)"), QStringLiteral("English (UK)"), QStringLiteral("German (Germany)"),
                   QStringLiteral("Chinese (Mandarin, TW)"), QStringLiteral("Arabic (United Arab Emirates)")});
    box->setFixedSize(200, 24);
    return box;
}

// The module's speed slider: 486 x 24, an 8 px band, 10 px labels.
NxPropertyNonLineSliderEx* slider(QWidget* parent, int index)
{
    auto* made = NxPropertyNonLineSliderEx::CreatePropertyNonLineSliderEx(SpeedLabels, parent);
    made->setFixedSize(486, 24);
    made->setSliderHeight(8);
    made->setVSpace(4);
    made->setLabelHeight(16);
    made->setLabelFontSize(10);
    made->setCurIndex(index);
    return made;
}

const std::vector<ControlRow>& controlRows()
{
    static const std::vector<ControlRow> rows{
        {"Primary 32", [](QWidget* p) { return button(p, true, NButtonSize32, "OK", false); }, true, false},
        {"Primary 24", [](QWidget* p) { return button(p, true, NButtonSize24, "Confirm", false); }, true, false},
        {"Secondary 32", [](QWidget* p) { return button(p, false, NButtonSize32, "Cancel", false); }, true, false},
        {"Secondary 24", [](QWidget* p) { return button(p, false, NButtonSize24, "Shanshan", true); }, true, true},
        {"Check box", [](QWidget* p) { return checkBox(p, "Matched to the timeline", 16); }, true, true},
        {"Two lines", [](QWidget* p) { return checkBox(p, "Transcriptions are automatically\nmatched to the timeline", 32); },
         true, true},
        {"Radio", [](QWidget* p) {
             NxRadioButton* radio = NxRadioButton::creatRadioButton(p);
             radio->setText(QStringLiteral("normalTone"));
             radio->setAutoExclusive(false);
             radio->setFixedHeight(24);
             return static_cast<QWidget*>(radio);
         }, true, true},
        {"Custom radio", [](QWidget* p) {
             NxCustomRadioButton* radio = NxCustomRadioButton::createCustomRadioButton(p);
             radio->setDisplayText(QStringLiteral("Clip selection"));
             radio->setFixedHeight(18);
             return static_cast<QWidget*>(radio);
         }, true, true},
        {"Combo box", combo, false, false},
        {"Slider", [](QWidget* p) {
             NxPropertyNonLineSliderEx* made = slider(p, 2);
             made->setFixedWidth(200);
             return static_cast<QWidget*>(made);
         }, false, false},
    };
    return rows;
}

QImage shot(QWidget* widget)
{
    settleEvents();
    return widget->grab().toImage();
}

std::unique_ptr<NxWidget> surface(QWidget* content, int margin)
{
    auto frame = std::make_unique<NxWidget>();
    frame->SetBGColorType(NxSkinColor::Varnelo_Background_Surface1);
    auto* layout = new QVBoxLayout(frame.get());
    layout->setContentsMargins(margin, margin, margin, margin);
    content->setParent(frame.get());
    layout->addWidget(content);
    return frame;
}

// Keyboard focus can only be in one window at a time: a focused control is
// shown in a window of its own, reached with Tab as a user would.
QImage focusedShot(const ControlRow& row)
{
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* control = row.make(holder);
    layout->addWidget(control);
    std::unique_ptr<NxWidget> frame = surface(holder, 0);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    control->setFocus(Qt::TabFocusReason);
    frame->setAttribute(Qt::WA_KeyboardFocusChange);
    return shot(frame.get());
}

void applyState(QWidget* control, State state)
{
    const bool checked = state == Checked || state == DisabledChecked;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setChecked(checked);
        button->setDown(state == Pressed);
    } else if (auto* radio = qobject_cast<NxCustomRadioButton*>(control)) {
        radio->setChecked(checked);
        if (state == Pressed) {
            QMouseEvent press(QEvent::MouseButtonPress, control->rect().center(), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(control, &press);
        }
    }
    // The pointer cannot be moved offscreen; the widget is told it is under it.
    control->setAttribute(Qt::WA_UnderMouse, state == Hovered || state == Pressed);
    control->setEnabled(state != Disabled && state != DisabledChecked);
}

bool applies(const ControlRow& row, State state)
{
    if (state == Checked || state == DisabledChecked)
        return row.checkable;
    return state != Pressed || row.pressable;
}

void renderStates(const QString& folder, const QString& skinName)
{
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setHorizontalSpacing(24);
    layout->setVerticalSpacing(16);
    for (int state = 0; state < StateCount; ++state)
        layout->addWidget(NxLabel::CreateLabel(grid, QString::fromUtf8(StateNames[state])), 0, state + 1);
    int line = 1;
    for (const ControlRow& row : controlRows()) {
        layout->addWidget(NxLabel::CreateLabel(grid, QString::fromUtf8(row.name)), line, 0);
        for (int state = 0; state < StateCount; ++state) {
            if (!applies(row, State(state)))
                continue;
            if (state == Focused) {
                auto* picture = new QLabel(grid);
                picture->setPixmap(QPixmap::fromImage(focusedShot(row)));
                layout->addWidget(picture, line, state + 1, Qt::AlignLeft | Qt::AlignVCenter);
                continue;
            }
            QWidget* control = row.make(grid);
            applyState(control, State(state));
            layout->addWidget(control, line, state + 1, Qt::AlignLeft | Qt::AlignVCenter);
        }
        ++line;
    }
    std::unique_ptr<NxWidget> frame = surface(grid, 24);
    frame->show();
    writePage(shot(frame.get()), folder, QStringLiteral("kit-controls"), skinName);
}

void renderSliders(const QString& folder, const QString& skinName)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setSpacing(20);
    for (int index = 0; index < SpeedLabels.size(); index += 2)
        layout->addWidget(slider(column, index));
    NxPropertyNonLineSliderEx* disabled = slider(column, 3);
    disabled->setEnabled(false);
    layout->addWidget(disabled);
    // The kit's own proportions, without the module's settings.
    auto* roomy = NxPropertyNonLineSliderEx::CreatePropertyNonLineSliderEx(
        {QStringLiteral("Low"), QStringLiteral("Normal"), QStringLiteral("High")}, column);
    roomy->setCurIndex(1);
    layout->addWidget(roomy);
    std::unique_ptr<NxWidget> frame = surface(column, 24);
    frame->show();
    writePage(shot(frame.get()), folder, QStringLiteral("kit-sliders"), skinName);
}

// The open list is a window of its own: laid over the page where it shows.
void renderOpenCombo(const QString& folder, const QString& skinName)
{
    auto* holder = new QWidget;
    holder->setFixedSize(320, 240);
    auto* box = static_cast<NxComboBox*>(combo(holder));
    box->move(24, 24);
    box->setCurrentIndex(1);
    std::unique_ptr<NxWidget> frame = surface(holder, 0);
    frame->show();
    box->showPopup();
    settleEvents();
    QWidget* popup = box->view()->window();
    QImage page = shot(frame.get());
    QPainter painter(&page);
    box->view()->setCurrentIndex(box->model()->index(3, 0));
    painter.drawImage(popup->mapToGlobal(QPoint()) - frame->mapToGlobal(QPoint()), shot(popup));
    painter.end();
    box->hidePopup();
    writePage(page, folder, QStringLiteral("kit-combo-open"), skinName);
}
}

void renderKitControls(const QString& folder, const QString& skinName)
{
    renderStates(folder, skinName);
    renderSliders(folder, skinName);
    renderOpenCombo(folder, skinName);
}
