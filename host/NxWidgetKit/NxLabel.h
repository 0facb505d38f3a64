#pragma once

#include <QLabel>

// A label in the kit's text style: 13 px, the skin's secondary text colour,
// links in the accent colour unless the text styles them itself.
class NxLabel : public QLabel
{
    Q_OBJECT

public:
    static NxLabel* CreateLabel(QWidget* parent, const QString& text = QString());

    explicit NxLabel(QWidget* parent = nullptr);

private:
    void applySkin();
};
