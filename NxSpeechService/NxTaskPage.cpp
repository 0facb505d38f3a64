#include "NxTaskPage.h"

#include "NMessageDialog.h"

#include <QHBoxLayout>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
constexpr int RemainingLineHeight = 45;
constexpr int RemainingLineWidth = 300;
constexpr int DeleteBoxHeight = 230;
}

NxTaskPage::NxTaskPage(QWidget* parent)
    : NxWidget(parent)
{
}

NxTaskPage::~NxTaskPage() = default;

void NxTaskPage::build(QTableView* table, int remainingKind)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table, 0);

    auto* balanceRow = new QHBoxLayout;
    balanceRow->setContentsMargins(25, 0, 20, 0);
    m_remaining = new NxRemainingWidget(remainingKind, this);
    m_remaining->setFixedHeight(RemainingLineHeight);
    // A minimum, so a longer translation is not cut.
    m_remaining->setMinimumWidth(RemainingLineWidth);
    balanceRow->addStretch();
    balanceRow->addWidget(m_remaining);
    layout->addLayout(balanceRow);
}

void NxTaskPage::slotAskDelete(bool& ret, bool& noTip)
{
    NMessageBoxParams params;
    params.height = DeleteBoxHeight;
    params.title = QObject::tr("Delete task tips");
    params.text = QObject::tr("The conversion is not yet complete.")
                  + QObject::tr("Are you sure you want to delete the task?")
                  + QObject::tr("If you delete the task now, the balance may still be deducted.");
    params.buttons = {Cancel, Confirm};
    params.buttonTexts = QStringList{QObject::tr("Confirm"), QObject::tr("Cancel")};
    params.acceptButton = Confirm;
    params.rejectButton = Cancel;
    params.checkBoxText = QObject::tr("Stop asking for now.");

    NMessageDialog box(nullptr);
    box.Init(params);
    ret = box.ShowModel() == Confirm;
    noTip = box.CheckBoxChecked();
}

void NxTaskPage::slotLastTimeChanged(int remaining)
{
    if (m_remaining)
        m_remaining->setRemaining(remaining);
}
