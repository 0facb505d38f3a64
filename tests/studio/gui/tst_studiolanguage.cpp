#include "NxDialogDriver.h"
#include "NxModalOf.h"
#include "NxPaintProbe.h"
#include "NxStudioAppearance.h"
#include "NxStudioExportDialog.h"
#include "NxStudioMainWindow.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinView.h"
#include "NxStudioMonitor.h"
#include "NxStudioTimelineView.h"
#include "NxTestFiles.h"
#include "NxTestHome.h"
#include "NxTranslations.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// Every caption, label, title, tooltip and status message the window and its dialogs show.
QStringList shownTexts(const NxStudioMainWindow& window)
{
    QStringList texts{window.statusBar()->currentMessage()};
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text();
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QWidget* widget : window.findChildren<QWidget*>())
        texts << widget->windowTitle() << widget->toolTip();
    return texts;
}

// The icon the media bin draws at the start (left) or the end (right) of its first row.
QImage binIconAt(NxStudioMainWindow& window, bool right)
{
    NxStudioMediaBinView* view = window.binView();
    const QRect row = view->visualRect(window.bin()->index(0));
    constexpr int Margin = 8, Icon = 24;
    const int x = right ? row.right() - Margin - Icon + 1 : row.left() + Margin;
    return view->viewport()->grab().toImage().copy(x, row.top() + (row.height() - Icon) / 2, Icon, Icon);
}
}

// The studio in another interface language while it runs: every open window
// says its texts anew, and a right-to-left language mirrors the window but not time.
class StudioLanguageTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;

private slots:
    void initTestCase()
    {
        // The skin's palette, on which its icons show.
        NxStudioAppearance::restore();
    }

    void openWindowsSpeakTheNewLanguage()
    {
        NxStudioMainWindow window;
        window.show();
        NxMapTranslator german;
        // (context, source) → translation: menu titles, an action, the dock, a
        // permanent field of the status bar, its idle text, a monitor tooltip, a dialog's title.
        german.texts = {{{"NxStudioMainWindow", "&File"}, "&Datei"},
                        {{"NxStudioMainWindow", "&Playback"}, "&Wiedergabe"},
                        {{"NxStudioMainWindow", "Export video\u2026"}, "Video exportieren\u2026"},
                        {{"NxStudioMainWindow", "Media bin"}, "Medienablage"},
                        {{"NxStudioMainWindow", "Ready"}, "Bereit"},
                        {{"NxStudioEngine", "Speech engine: this computer"}, "Sprach-Engine: dieser Computer"},
                        {{"NxStudioMonitor", "Play/pause"}, "Abspielen/Anhalten"},
                        {{"NxStudioExportDialog", "Export video"}, "Video exportieren"}};
        bool checked = false;
        whenModalOf<NxStudioExportDialog>(this, [&](NxStudioExportDialog* dialog) {
            const auto closing = qScopeGuard([dialog] { dialog->reject(); });
            QCoreApplication::installTranslator(&german);
            for (const QString& translation : german.texts)
                QTRY_VERIFY2(shownTexts(window).contains(translation), qPrintable(translation));
            QCoreApplication::removeTranslator(&german);
            for (auto text = german.texts.cbegin(); text != german.texts.cend(); ++text) {
                QTRY_VERIFY2(!shownTexts(window).contains(text.value()), qPrintable(text.value()));
                QVERIFY2(shownTexts(window).contains(QString::fromUtf8(text.key().second)), text.key().second.constData());
            }
            checked = true;
        });
        QAction* exportVideo = childCaptioned<QAction>(&window, QStringLiteral("Export video\u2026"));
        QVERIFY(exportVideo);
        exportVideo->trigger();
        QVERIFY(checked);
    }

    void arabicMirrorsTheWindowButNotTime()
    {
        QTemporaryDir media;
        const QString subtitles = media.filePath(QStringLiteral("notes.srt"));
        QVERIFY(writeBytes(subtitles, "1\n00:00:00,000 --> 00:00:01,000\nhello\n"));
        NxStudioMainWindow window;
        window.show();
        window.importFiles({subtitles});
        QTRY_COMPARE(window.bin()->readingCount(), 0);
        const QImage icon = binIconAt(window, false);
        QVERIFY(!NxPaintProbe::same(binIconAt(window, true), icon));

        QVERIFY(NxTranslations::use(QStringLiteral("ar")));
        const auto english = qScopeGuard([] { NxTranslations::use(QStringLiteral("en_US")); });
        QTRY_VERIFY(window.isRightToLeft());
        QVERIFY(window.binView()->isRightToLeft());
        // The bin goes to the side lines start from.
        const auto binOnTheRight = [&window] { return window.binView()->mapTo(&window, QPoint()).x() > window.width() / 2; };
        QTRY_VERIFY(binOnTheRight());
        // The bin's rows start from the right: the icon first, as a reader of Arabic meets it.
        QTRY_VERIFY(NxPaintProbe::same(binIconAt(window, true), icon));
        // Time runs left to right in every language: the timeline and the monitor's transport.
        QVERIFY(window.timelineView()->isLeftToRight());
        QVERIFY(window.monitor()->isLeftToRight());

        QVERIFY(NxTranslations::use(QStringLiteral("en_US")));
        QTRY_VERIFY(window.isLeftToRight());
        QTRY_VERIFY(!binOnTheRight());
        QTRY_VERIFY(NxPaintProbe::same(binIconAt(window, false), icon));
    }
};

QTEST_MAIN(StudioLanguageTest)
#include "tst_studiolanguage.moc"
