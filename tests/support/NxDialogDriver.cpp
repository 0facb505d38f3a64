#include "NxDialogDriver.h"
#include "NxMessageBoxWatch.h"

#include "NMessageDialog.h"
#include "NxFramelessDialog.h"
#include "NxPushButton.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <QTimer>

namespace
{
// Offers the active modal window (or null) to `take` until it takes it; the watch ends with `context`.
void poll(QObject* context, const std::function<bool(QWidget*)>& take)
{
    QTimer::singleShot(5, context, [context, take] {
        if (!take(QApplication::activeModalWidget()))
            poll(context, take);
    });
}
}

void whenModal(QObject* context, const std::function<void(QWidget*)>& act)
{
    poll(context, [act](QWidget* modal) { return modal && (act(modal), true); });
}

void whenMessageBoxOpens(QObject* context, const std::function<void(NMessageDialog*)>& act)
{
    poll(context, [act](QWidget* modal) {
        auto* box = qobject_cast<NMessageDialog*>(modal);
        return box && (act(box), true);
    });
}

void answerBox(NMessageDialog* box, const QString& caption)
{
    if (QAbstractButton* button = childCaptioned<QAbstractButton>(box, caption))
        return QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Escape);
}

void dismissDialog(NxFramelessDialog* dialog, const QString& how)
{
    if (how == QLatin1String("close")) {
        QTest::mouseClick(dialog->GetTitleBar()->button(NxTopLevelWindowTitleBar::CloseButton), Qt::LeftButton);
    } else if (how == QLatin1String("Escape") || how == QLatin1String("Return")) {
        if (how == QLatin1String("Return")) {
            QTest::keyClick(dialog, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        NxPushButton* button = childCaptioned<NxPushButton>(dialog, how);
        QVERIFY2(button, qPrintable(how));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}
