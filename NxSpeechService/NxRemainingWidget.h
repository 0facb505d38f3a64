#pragma once

#include "NxWidget.h"

class NxLabel;
class QLabel;
class NxRemainingRefreshButton;

// A page's balance line: "[refresh] Time Remaining: 120 Seconds Purchase more"
// for speech-to-text (kind 0), remaining characters for text-to-speech.
class NxRemainingWidget : public NxWidget
{
    Q_OBJECT

public:
    enum Kind { Seconds = 0, Characters = 1 };

    NxRemainingWidget(int kind, QWidget* parent);

    void setRemaining(int value);
    int remaining() const { return m_value; }

    void TranslateText() override;

    // The purchase link's words and the balance before them, as shown.
    QString linkText() const { return m_linkText; }
    QString balanceText() const { return m_balanceText; }
    // Follows the purchase link as a click on it does.
    void followLink();
    QLabel* linkLabel() const;

protected:
    // The purchase link is the line's focus place: Tab reaches it; Space,
    // Return and Enter follow it as a click does.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

signals:
    void sigLinkClicked(QString link);
    void sigRefresh();

private:
    // Where the label shows the link, in the label's coordinates.
    QRect linkRect() const;

    NxRemainingRefreshButton* m_refreshButton = nullptr;
    NxLabel* m_label = nullptr;
    int m_kind = Seconds;
    int m_value = 0;
    QString m_linkText;
    QString m_balanceText;
};
