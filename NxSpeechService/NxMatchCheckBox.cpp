#include "NxMatchCheckBox.h"

#include "NxCheckBox.h"

namespace
{
constexpr int MaxLineLength = 60;
constexpr int OneLineHeight = 16;
constexpr int TwoLinesHeight = 32;
constexpr int FontPixelSize = 12;
}

NxCheckBox* createMatchCheckBox(QWidget* parent)
{
    NxCheckBox* box = NxCheckBox::CreateCheckBox(parent);
    box->setChecked(true);
    QFont font = box->font();
    font.setPixelSize(FontPixelSize);
    box->setFont(font);
    return box;
}

void wrapCheckBoxText(QCheckBox* box)
{
    const QString text = box->text();
    const int space = text.length() > MaxLineLength ? text.lastIndexOf(QLatin1Char(' '), MaxLineLength - 1) : -1;
    if (space <= 0) {
        box->setFixedHeight(OneLineHeight);
        return;
    }
    box->setText(text.left(space) + QLatin1Char('\n') + text.mid(space + 1).trimmed());
    box->setFixedHeight(TwoLinesHeight);
}
