#include "NxDialogDriver.h"

#include "NxFramelessDialog.h"
#include "NxPushButton.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <QTimer>

void whenModal(QObject* context, const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(5, context, [context, act] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else
            whenModal(context, act);
    });
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
