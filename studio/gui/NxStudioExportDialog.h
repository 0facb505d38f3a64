#pragma once

#include "NxStudioExport.h"

#include <QDialog>

class NxStudioTimeline;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// File ▸ Export video…: where the MP4 file goes and whether the subtitles
// are drawn into the picture, then the export's progress with the time
// remaining and Cancel. An existing file is replaced only when the user
// confirmed it in the file dialog; otherwise the export refuses it.
class NxStudioExportDialog : public QDialog
{
    Q_OBJECT

public:
    NxStudioExportDialog(NxStudioTimeline* timeline, QWidget* parent = nullptr);

    QLineEdit* destinationEdit() const;
    QCheckBox* burnBox() const;
    NxStudioExport* exporter();

    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Sets every text in the interface language: at construction and when it changes.
    void retranslateUi();
    void showRemaining();
    void browse();
    void startExport();
    void showProgress(double fraction, qint64 remaining);
    void exportFinished(NxStudioExport::Outcome outcome);
    void setRunning(bool running);

    NxStudioTimeline* m_timeline;
    NxStudioExport m_export;
    // The file the user agreed to replace in the file dialog.
    QString m_confirmedReplacement;
    QLineEdit* m_destination = nullptr;
    QLabel* m_destinationLabel = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_start = nullptr;
    QCheckBox* m_burn = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_remaining = nullptr;
    // Milliseconds the export has still to go; negative while unknown.
    qint64 m_remainingTime = -1;
    QDialogButtonBox* m_buttons = nullptr;
};
