#pragma once

#include <QWidget>

class NxLoadingHelper;

// A busy spinner as a widget: it spins while visible and enabled.
class NxLoadingWidget2 : public QWidget
{
    Q_OBJECT

public:
    explicit NxLoadingWidget2(QWidget* parent = nullptr);

    // Shows and starts the spinner, or hides and stops it.
    void SetVisibleAndEnable(bool on);
    bool isSpinning() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    NxLoadingHelper* m_spinner;
};
