#include "NxTranslations.h"

#include <QApplication>
#include <QtTest>

// The interface languages as the studio switches between them.
class NxTranslationsTest : public QObject
{
    Q_OBJECT

    static QString qtCancel() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }
    static QString unknownError() { return QCoreApplication::translate("QObject", "Unkown error"); }

private slots:
    void aLanguageBringsItsTextsQtsOwnAndItsDirection()
    {
        QCOMPARE(NxTranslations::codes().size(), 17);
        QVERIFY(NxTranslations::codes().contains(QStringLiteral("pt_BR")));

        QVERIFY(NxTranslations::use(QStringLiteral("ar")));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY2(qtCancel() != QLatin1String("Cancel"), "Qt's own Arabic for the standard dialogs");

        QVERIFY(NxTranslations::use(QStringLiteral("en_US")));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(qtCancel(), QStringLiteral("Cancel")); // Arabic is gone, not stacked under English
        QCOMPARE(unknownError(), QStringLiteral("Unknown error"));

        QVERIFY(!NxTranslations::use(QStringLiteral("xx")));
        QCOMPARE(NxTranslations::current(), QStringLiteral("en_US"));
        QCOMPARE(unknownError(), QStringLiteral("Unknown error"));
    }
};

QTEST_MAIN(NxTranslationsTest)
#include "tst_translations.moc"
