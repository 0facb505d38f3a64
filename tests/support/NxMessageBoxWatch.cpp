#include "NxMessageBoxWatch.h"

#include "NMessageDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

void whenMessageBoxOpens(QObject* context, const std::function<void(NMessageDialog*)>& act)
{
    QTimer::singleShot(5, context, [context, act] {
        if (auto* box = qobject_cast<NMessageDialog*>(QApplication::activeModalWidget()))
            act(box);
        else
            whenMessageBoxOpens(context, act);
    });
}

void answerBox(NMessageDialog* box, const QString& caption)
{
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
        if (button->text() == caption)
            return QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Escape);
}
