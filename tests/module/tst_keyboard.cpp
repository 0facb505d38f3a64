#include "INxAppInfo.h"
#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxComboBox.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxLabel.h"
#include "NxMessageBoxWatch.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxRemainingWidget.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxScriptedVoiceServices.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechServiceDialog.h"
#include "NxSpeechServicePanel.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTaskTableView.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxTextToSpeechHelper.h"
#include "NxTimelineClip.h"
#include "NxTitleClip.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace
{
// What a user reads on a focus stop: a button's caption, else the widget's kind.
QString stopName(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
        return button->text();
    return QString::fromLatin1(widget ? widget->metaObject()->className() : "nothing");
}

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Tab from wherever focus is until it comes back; the stops in order.
QList<QWidget*> tabStops(QWidget* window)
{
    QList<QWidget*> stops;
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        if (stops.contains(QApplication::focusWidget()))
            break;
        stops.append(QApplication::focusWidget());
    }
    return stops;
}

QWidget* tabTo(QWidget* window, QWidget* target)
{
    for (int step = 0; step < 20 && QApplication::focusWidget() != target; ++step)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
    return QApplication::focusWidget();
}

// Each stop below the one before, or on its row further along in reading direction.
bool readsInOrder(const QList<QWidget*>& stops, QWidget* window)
{
    for (int index = 1; index < stops.size(); ++index) {
        const QRect a(stops[index - 1]->mapTo(window, QPoint()), stops[index - 1]->size());
        const QRect b(stops[index]->mapTo(window, QPoint()), stops[index]->size());
        const bool sameRow = b.top() <= a.bottom() && a.top() <= b.bottom();
        const bool along = window->isRightToLeft() ? b.right() < a.left() : b.left() > a.right();
        if (sameRow ? !along : b.top() < a.top())
            return false;
    }
    return true;
}

NxTextToSpeechVoiceInfo voice(int id, const char* name)
{
    return {id, QString::fromLatin1(name), QStringLiteral("code%1").arg(id), QStringLiteral("en-US"), id % 2 == 0};
}

// The pixels the focus mark changes, within `window`.
QRect markedArea(QWidget* window, QWidget* target)
{
    target->clearFocus();
    const QImage before = window->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::TabFocusReason);
    const QImage after = window->grab().toImage();
    QRect changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}
}

// The module's windows walked with the keyboard only.
class KeyboardTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;

    // A service window with a waiting task on top of one in `state`, on the service's tab.
    std::unique_ptr<NxSpeechServiceDialog> serviceWindow(bool speechToText, int state, int code)
    {
        auto dialog = std::make_unique<NxSpeechServiceDialog>(nullptr);
        dialog->showTab(speechToText ? NxSpeechServiceDialog::SpeechToText : NxSpeechServiceDialog::TextToSpeech);
        for (const char* name : {"Waiting", "Target"}) {
            if (speechToText) {
                m_clips.push_back(std::make_unique<NxTimelineClip>(QString::fromLatin1(name), INxClip::Video,
                                                                   NxRational{25, 1}, nullptr,
                                                                   NxTimelineClip::Placement{0, 250, 0}));
                dialog->presenter()->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), true);
            } else {
                auto title = std::make_unique<NxTitleClip>(QString::fromLatin1(name), NxRational{25, 1}, 0, 100);
                title->addText(QStringLiteral("words"));
                m_clips.push_back(std::move(title));
                dialog->presenter()->addTextToSpeechTasks({m_clips.back().get()}, TextToSpeechTaskParam());
            }
        }
        const int id = speechToText ? NxScriptedSpeechToTextManager::latest()->addedIds.last()
                                    : NxScriptedTextToSpeechManager::latest()->addedIds.last();
        auto* presenter = dynamic_cast<NxSpeechServicePresenter*>(dialog->presenter());
        QSignalSpy reported(speechToText ? static_cast<QObject*>(presenter->speechToTextHelper())
                                         : presenter->textToSpeechHelper(),
                            SIGNAL(sigTaskStateChanged(int)));
        // A balance too small asks to purchase at once: not now.
        QObject setUp;
        whenMessageBoxOpens(&setUp, [](NMessageDialog* box) { answerBox(box, QStringLiteral("Cancel")); });
        speechToText ? NxScriptedSpeechToTextManager::latest()->reportState(id, state, code)
                     : NxScriptedTextToSpeechManager::latest()->reportState(id, state, code, 30, QString());
        // The report reaches the row, and its height, through the event loop.
        QTableView* list = table(dialog.get());
        const bool shown = QTest::qWaitFor([&] {
            return !reported.isEmpty()
                   && list->rowHeight(1) == list->itemDelegate()->sizeHint({}, list->model()->index(1, 2)).height();
        });
        if (!shown)
            return nullptr;
        return dialog;
    }
    static NxTaskTableView* table(NxSpeechServiceDialog* dialog)
    {
        auto* panel = dialog->findChild<NxSpeechServicePanel*>();
        for (NxTaskTableView* view : panel->findChildren<NxTaskTableView*>())
            if (view->isVisibleTo(panel))
                return view;
        return nullptr;
    }

    // Everything a row's action leads to: the window's signals, the manager's
    // calls, analytics events, the questions asked and the rows left.
    QStringList rowAction(bool speechToText, int state, int code, const QString& how, bool byKeys)
    {
        // Both runs name their subtitle file alike.
        QDir(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder)).removeRecursively();
        std::unique_ptr<NxSpeechServiceDialog> dialog = serviceWindow(speechToText, state, code);
        if (!dialog)
            return {QStringLiteral("the report never reached the row")};
        showActive(dialog.get());
        NxTaskTableView* list = table(dialog.get());
        QStringList& calls = speechToText ? NxScriptedSpeechToTextManager::latest()->calls
                                          : NxScriptedTextToSpeechManager::latest()->calls;
        const int callsBefore = calls.size();
        QStringList seen;
        NxEventRecorder events;
        connect(dialog.get(), &NxSpeechServiceDialog::sigFindMatterLocation, list,
                [&](const QString& path) { seen << QStringLiteral("reveal ") + path; });
        const auto purchase = [&](int amount, bool&, bool more) { seen << QStringLiteral("purchase %1 %2").arg(amount).arg(more); };
        connect(dialog.get(), &NxSpeechServiceDialog::sigSTTPurchaseRefresh, list, purchase);
        connect(dialog.get(), &NxSpeechServiceDialog::sigTTSPurchaseRefresh, list, purchase);
        whenMessageBoxOpens(list, [&](NMessageDialog* box) {
            seen << box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>())
                seen << label->text();
            answerBox(box, QStringLiteral("Confirm"));
        });

        if (byKeys) {
            if (tabTo(dialog.get(), list) != list || list->currentIndex().row() != 0)
                return {QStringLiteral("the list was not reached at its first row")};
            QTest::keyClick(list, Qt::Key_End);
            QTest::keyClick(list, Qt::Key_Home);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, how == QLatin1String("delete") ? Qt::Key_Delete : Qt::Key_Return);
        } else {
            const QRect status = list->visualRect(list->model()->index(1, 2));
            const QRect operation = list->visualRect(list->model()->index(1, 3));
            const QRect name = list->visualRect(list->model()->index(1, 0));
            if (how == QLatin1String("delete"))
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(operation.x() + 20, operation.center().y()));
            else if (how == QLatin1String("reveal"))
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(name.x() + 12, name.center().y())),
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(name.x() + 12, name.center().y()));
            else
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(status.right() - 16, status.y() + 16));
        }
        QCoreApplication::processEvents();
        seen << calls.mid(callsBefore) << events.summaries()
             << QStringLiteral("rows %1").arg(list->model()->rowCount());
        return seen;
    }

private slots:
    void initTestCase()
    {
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
        NxScriptedVoiceAudition::install();
        NxScriptedVoiceQuery::install({true, {voice(70, "Ava"), voice(71, "Ben"), voice(72, "Cleo"), voice(73, "Dan"),
                                              voice(74, "Eve"), voice(75, "Finn")}});
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetLanguage(1); // English (US)
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetSTTDeleteTaskNoTip(false);
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetTTSDeleteTaskNoTip(false);
    }
    void cleanup()
    {
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(0);
        m_clips.clear();
    }

    // Tab reaches every control once, top to bottom and along each row, and
    // comes round again; a group of choices is one stop, at its checked choice.
    void tabFollowsReadingOrder_data()
    {
        columns<QString, QStringList>({"window", "stops"});
        QTest::newRow("services window") << "services" << QStringList{"Speech-to-Text", "NxSpeechToTextTable",
                                                                      "NxToolButton", "NxLabel"};
        QTest::newRow("speech-to-text parameters")
            << "stt" << QStringList{"NxComboBox", "NxCustomRadioButton", "NxCustomRadioButton",
                                    "Transcriptions are automatically matched to the timeline", "OK", "Cancel"};
        QTest::newRow("text-to-speech parameters")
            << "tts" << QStringList{"NxComboBox", "NxVoicePanel", "NxPropertyNonLineSliderEx",
                                    "NxPropertyNonLineSliderEx",
                                    "Transcriptions are automatically matched to the timeline", "OK", "Cancel"};
        QTest::newRow("classic parameters")
            << "classic" << QStringList{"Aida", "normalTone", "normalSpeak", "Try Listen", "Confirm"};
    }
    void tabFollowsReadingOrder()
    {
        QFETCH(QString, window); QFETCH(QStringList, stops);
        std::unique_ptr<QDialog> dialog;
        if (window == QLatin1String("services"))
            QVERIFY(dialog = serviceWindow(true, 10, 0));
        else if (window == QLatin1String("stt"))
            dialog = std::make_unique<NxSpeechToTextParamDialog>(nullptr);
        else if (window == QLatin1String("tts"))
            dialog = std::make_unique<NxTextToSpeechParamDialog>(nullptr);
        else
            dialog = std::make_unique<NxTextToSpeechParamDlg>(nullptr);
        showActive(dialog.get());
        QList<QWidget*> cycle = tabStops(dialog.get());
        // Where Tab starts is the window's; the cycle is what counts.
        for (int turn = 0; turn < cycle.size() && stopName(cycle.first()) != stops.first(); ++turn)
            cycle.append(cycle.takeFirst());
        QStringList names;
        for (QWidget* stop : cycle)
            names << stopName(stop);
        QCOMPARE(names, stops);
        QVERIFY(readsInOrder(cycle, dialog.get()));
    }

    // Return and Delete on a row do exactly what its buttons do under the
    // mouse: the same requests, analytics, questions and rows left.
    void rowKeysDoWhatTheRowButtonsDo_data()
    {
        columns<bool, int, int, QString>({"speechToText", "state", "code", "how"});
        QTest::newRow("network failure: Return retries") << true << 7 << 8 << "retry";
        QTest::newRow("out of time: Return asks to purchase") << true << 9 << 1 << "retry";
        QTest::newRow("finished: Return reveals the subtitles") << true << 10 << 0 << "reveal";
        QTest::newRow("transcribing: Delete asks first") << true << 8 << 0 << "delete";
        QTest::newRow("text-to-speech, network failure: Return retries") << false << 6 << 5 << "retry";
        QTest::newRow("text-to-speech, converting: Delete asks first") << false << 6 << 0 << "delete";
    }
    void rowKeysDoWhatTheRowButtonsDo()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(int, code); QFETCH(QString, how);
        const QStringList clicked = rowAction(speechToText, state, code, how, false);
        QVERIFY2(clicked.size() > 1, qPrintable(clicked.join('\n'))); // the click did something
        QCOMPARE(rowAction(speechToText, state, code, how, true), clicked);
    }

    // The balance line's purchase link: Space and Return follow it as a click does.
    void purchaseLinkIsPressedBySpaceAndReturn()
    {
        std::unique_ptr<NxSpeechServiceDialog> dialog = serviceWindow(true, 10, 0);
        QVERIFY(dialog);
        showActive(dialog.get());
        QStringList requests;
        connect(dialog.get(), &NxSpeechServiceDialog::sigSTTPurchaseRefresh, dialog.get(),
                [&](int amount, bool&, bool more) { requests << QStringLiteral("%1 %2").arg(amount).arg(more); });
        auto* link = table(dialog.get())->parentWidget()->findChild<NxRemainingWidget*>()->findChild<NxLabel*>();
        emit link->linkActivated(QStringLiteral("href")); // what a click on the link gives
        QCOMPARE(tabTo(dialog.get(), link), link);
        QTest::keyClick(link, Qt::Key_Space);
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(requests, QStringList({"0 1", "0 1", "0 1"}));
    }

    // Arrows move the grid's focus in reading order, also from the right in
    // Arabic; Space chooses as a press does, Return previews as a double-click
    // does and never closes the dialog.
    void voiceTilesByKeyboard_data()
    {
        columns<Qt::LayoutDirection>({"direction"});
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
    void voiceTilesByKeyboard()
    {
        QFETCH(Qt::LayoutDirection, direction);
        NxTextToSpeechParamDialog dialog(nullptr);
        dialog.setLayoutDirection(direction);
        showActive(&dialog);
        auto* grid = dialog.findChild<NxVoicePanel*>();
        const QList<NxVoiceItem*> tiles = grid->items();
        QCOMPARE(tiles.size(), 6);
        QCOMPARE(tabTo(&dialog, grid), grid);
        const auto forward = direction == Qt::LeftToRight ? Qt::Key_Right : Qt::Key_Left;
        QSignalSpy chosen(tiles[1], &NxVoiceItem::sigClicked);
        QSignalSpy previewed(tiles[1], &NxVoiceItem::sigDoubleClicked);
        QTest::keyClick(grid, forward);
        QVERIFY(tiles[0]->isSelected()); // moving chooses nothing
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(tiles[1]->isSelected() && !tiles[0]->isSelected());
        QCOMPARE(chosen.count(), 1);
        const auto previews = [] { return NxScriptedVoiceAudition::latest()->calls(); };
        int before = previews().size();
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(previewed.count(), 1);
        QCOMPARE(chosen.count(), 2); // a double-click presses first
        QVERIFY(dialog.isVisible());
        const QStringList byKey = previews().mid(before);
        before = previews().size();
        QTest::mouseDClick(tiles[1], Qt::LeftButton);
        QCOMPARE(previewed.count(), 2);
        QVERIFY(!byKey.isEmpty());
        QCOMPARE(previews().mid(before), byKey);

        // Down a row of four, End, Home; the mark moves, the choice stays.
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(tiles[5]->isSelected());
        QTest::keyClick(grid, Qt::Key_Home);
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(tiles[0]->isSelected());
    }

    // The classic dialog's groups: Tab lands on the checked choice, arrows
    // move focus, Space checks as a click does.
    void classicGroupsByKeyboard()
    {
        NxTextToSpeechParamDlg dialog(nullptr);
        showActive(&dialog);
        auto* aida = childCaptioned<QAbstractButton>(&dialog, QStringLiteral("Aida"));
        QCOMPARE(tabTo(&dialog, aida), aida);
        QTest::keyClick(aida, Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(stopName(QApplication::focusWidget()), QStringLiteral("Aijing"));
        QCOMPARE(dialog.GetParam().voiceCode, QStringLiteral("Aida"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(dialog.GetParam().voiceCode, QStringLiteral("Aijing"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(stopName(QApplication::focusWidget()), QStringLiteral("normalTone"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(dialog.GetParam().intonation, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(dialog.GetParam().intonation, -1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(stopName(QApplication::focusWidget()), QStringLiteral("normalSpeak"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(dialog.GetParam().speed, 2);
    }

    // Keyboard focus shows a mark on the focused place, in both skins.
    void focusShowsAMark_data()
    {
        columns<int, QString>({"skin", "place"});
        for (int skin : {0, 1}) {
            const char* skinName = skin == 0 ? "dark" : "light";
            for (const char* place : {"tab", "row", "refresh", "link", "tile", "vocalist", "radio", "slider"})
                QTest::addRow("%s, %s", skinName, place) << skin << QString::fromLatin1(place);
        }
    }
    void focusShowsAMark()
    {
        QFETCH(int, skin); QFETCH(QString, place);
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        std::unique_ptr<QDialog> dialog;
        QWidget* target = nullptr;
        if (place == QLatin1String("tab") || place == QLatin1String("row") || place == QLatin1String("refresh")
            || place == QLatin1String("link")) {
            auto services = serviceWindow(true, 10, 0);
            QVERIFY(services);
            QWidget* page = table(services.get())->parentWidget();
            target = place == QLatin1String("tab")       ? services->findChild<QWidget*>(QStringLiteral("NSpeechServicePanel_Tab"))
                     : place == QLatin1String("row")     ? table(services.get())
                     : place == QLatin1String("refresh") ? page->findChild<QWidget*>(QStringLiteral("NxRemainingRefreshButton_btn"))
                                                         : page->findChild<NxRemainingWidget*>()->findChild<NxLabel*>();
            dialog = std::move(services);
        } else if (place == QLatin1String("tile") || place == QLatin1String("slider")) {
            dialog = std::make_unique<NxTextToSpeechParamDialog>(nullptr);
            target = place == QLatin1String("tile") ? static_cast<QWidget*>(dialog->findChild<NxVoicePanel*>())
                                                     : dialog->findChild<NxPropertyNonLineSliderEx*>();
        } else {
            dialog = std::make_unique<NxTextToSpeechParamDlg>(nullptr);
            target = childCaptioned<QAbstractButton>(dialog.get(), place == QLatin1String("vocalist") ? "Aida" : "normalTone");
        }
        QVERIFY(target);
        showActive(dialog.get());
        const QRect changed = markedArea(dialog.get(), target);
        QVERIFY2(!changed.isEmpty(), "focus changed no pixel");
        // The mark is on the focused place (a row's mark, on the list; a link's, around the link).
        QWidget* owner = place == QLatin1String("link") ? target->parentWidget() : target;
        QVERIFY(QRect(owner->mapTo(dialog.get(), QPoint()), owner->size()).contains(changed));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
