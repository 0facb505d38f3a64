#pragma once

#include <QObject>

// Nobody can answer the module's message boxes in a run without a window:
// each modal box is declined as soon as it shows (as its Cancel or No would),
// and its words go to stderr so the user learns what was asked. A purchase
// tip declined this way leaves its task failed for want of balance.
class NxStudioUnattended : public QObject
{
    Q_OBJECT

public:
    explicit NxStudioUnattended(QObject* parent = nullptr);
    ~NxStudioUnattended() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
