#pragma once

#include <QPointer>
#include <QTableView>

class NxSpeechServiceNoTaskTip;
class NxSpeechToTextHelper;
class NxSpeechToTextTableDelegate;
class NxSpeechToTextTableModel;

// The speech-to-text task list: owns its model, delegate and header, passes
// the rows' button presses to the controller, and covers itself with the
// empty-list tip while there are no tasks.
class NxSpeechToTextTable : public QTableView
{
    Q_OBJECT

public:
    NxSpeechToTextTable(NxSpeechToTextHelper* controller, QWidget* parent);
    ~NxSpeechToTextTable() override;

    NxSpeechToTextTableModel* taskModel() const { return m_model; }
    NxSpeechToTextTableDelegate* taskDelegate() const { return m_delegate; }
    NxSpeechServiceNoTaskTip* noTaskTip() const { return m_noTaskTip; }

protected:
    bool viewportEvent(QEvent* event) override;

private slots:
    void slotDataChanged(QModelIndex modelIndex);
    void slotTaskCountChanged();

private:
    void applySkin();

    NxSpeechServiceNoTaskTip* m_noTaskTip = nullptr;
    QPointer<NxSpeechToTextHelper> m_controller;
    NxSpeechToTextTableModel* m_model = nullptr;
    NxSpeechToTextTableDelegate* m_delegate = nullptr;
};
