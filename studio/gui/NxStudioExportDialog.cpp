#include "NxStudioExportDialog.h"

#include "NxStudioTimeText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

NxStudioExportDialog::NxStudioExportDialog(NxStudioTimeline* timeline, QWidget* parent)
    : QDialog(parent), m_timeline(timeline)
{
    m_destination = new QLineEdit(QDir::home().filePath(tr("Video.mp4")), this);
    m_destinationLabel = new QLabel(this);
    m_browse = new QPushButton(this);
    connect(m_browse, &QPushButton::clicked, this, &NxStudioExportDialog::browse);
    auto* where = new QHBoxLayout;
    where->addWidget(m_destination);
    where->addWidget(m_browse);
    m_burn = new QCheckBox(this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_remaining = new QLabel(this);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_start = m_buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &NxStudioExportDialog::startExport);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &NxStudioExportDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(m_destinationLabel, where);
    form->addRow(QString(), m_burn);
    form->addRow(m_progress);
    form->addRow(m_remaining);
    form->addRow(m_buttons);
    retranslateUi();

    connect(&m_export, &NxStudioExport::progressed, this, &NxStudioExportDialog::showProgress);
    connect(&m_export, &NxStudioExport::finished, this, &NxStudioExportDialog::exportFinished);
    setRunning(false);
}

QLineEdit* NxStudioExportDialog::destinationEdit() const
{
    return m_destination;
}

QCheckBox* NxStudioExportDialog::burnBox() const
{
    return m_burn;
}

NxStudioExport* NxStudioExportDialog::exporter()
{
    return &m_export;
}

void NxStudioExportDialog::browse()
{
    // The file dialog asks before it hands back an existing file.
    const QString path = QFileDialog::getSaveFileName(this, tr("Export video"), m_destination->text(),
                                                      tr("MP4 video (*.mp4)"));
    if (path.isEmpty())
        return;
    m_destination->setText(path);
    m_confirmedReplacement = QFileInfo::exists(path) ? QFileInfo(path).absoluteFilePath() : QString();
}

void NxStudioExportDialog::startExport()
{
    NxStudioExport::Options options;
    options.burnSubtitles = m_burn->isChecked();
    const QString destination = QFileInfo(m_destination->text()).absoluteFilePath();
    options.replace = !m_confirmedReplacement.isEmpty() && destination == m_confirmedReplacement;
    if (!m_export.start(*m_timeline, destination, options)) {
        QMessageBox::warning(this, tr("Export video"), m_export.errorString());
        return;
    }
    setRunning(true);
}

void NxStudioExportDialog::showProgress(double fraction, qint64 remaining)
{
    m_progress->setValue(int(fraction * 1000));
    m_remainingTime = remaining;
    showRemaining();
}

void NxStudioExportDialog::showRemaining()
{
    m_remaining->setText(m_remainingTime < 0
                             ? tr("Estimating the time left\u2026")
                             : tr("About %1 left").arg(NxStudioTimeText::seconds((m_remainingTime + 999) / 1000)));
}

void NxStudioExportDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void NxStudioExportDialog::retranslateUi()
{
    // The file name stays as the user may have typed it.
    setWindowTitle(tr("Export video"));
    m_destinationLabel->setText(tr("File:"));
    m_browse->setText(tr("Browse\u2026"));
    m_burn->setText(tr("Burn subtitles into the picture"));
    m_start->setText(tr("Export"));
    showRemaining();
}

void NxStudioExportDialog::exportFinished(NxStudioExport::Outcome outcome)
{
    setRunning(false);
    if (outcome == NxStudioExport::Done)
        return accept();
    if (outcome == NxStudioExport::Failed)
        QMessageBox::warning(this, tr("Export video"), m_export.errorString());
}

void NxStudioExportDialog::reject()
{
    // Cancel stops a running export and keeps the dialog for another try.
    if (m_export.isRunning())
        return m_export.cancel();
    QDialog::reject();
}

void NxStudioExportDialog::setRunning(bool running)
{
    m_destination->setEnabled(!running);
    m_burn->setEnabled(!running);
    m_buttons->button(QDialogButtonBox::Cancel)->setDefault(running);
    m_start->setEnabled(!running);
    m_progress->setVisible(running);
    m_remaining->setVisible(running);
    if (running) {
        m_progress->setValue(0);
        m_remainingTime = -1;
        showRemaining();
    }
}
