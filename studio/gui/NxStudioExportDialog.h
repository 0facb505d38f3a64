#pragma once

#include "NxStudioExport.h"

#include <QDialog>

class NxStudioTimeline;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;

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

private:
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
    QCheckBox* m_burn = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_remaining = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
