#include "INxAppInfo.h"
#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxLabel.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxReaderListening.h"
#include "NxRemainingWidget.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxScriptedVoiceServices.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechServiceDialog.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTaskTableView.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxTimelineClip.h"
#include "NxTitleClip.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

using NxReaderListening::wasTold;

namespace
{
QAccessibleInterface* reader(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// A focus stop as a user reads it: a button's caption, else the widget's kind.
QString stopName(QWidget* widget)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    return button && !button->text().isEmpty() ? button->text() : QString::fromLatin1(widget->metaObject()->className());
}

// What a screen reader says of the focus at `stop`: the focused item's role
// and name, or "!" and what is missing.
QString readAloud(QWidget* stop)
{
    QAccessibleInterface* focus = reader(stop)->focusChild() ? reader(stop)->focusChild() : reader(stop);
    const QAccessible::Role role = focus->role();
    const QString name = focus->text(QAccessible::Name);
    // A list says which of its items has the focus.
    if (role == QAccessible::Client || role == QAccessible::NoRole || role == QAccessible::List || name.isEmpty()
        || !focus->state().focused)
        return QStringLiteral("! %1 role %2 named \"%3\" focused %4").arg(stopName(stop)).arg(role).arg(name).arg(focus->state().focused);
    return QStringLiteral("%1 %2").arg(role).arg(name);
}

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QWidget* pressTab(QWidget* window)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
    return QApplication::focusWidget();
}

QWidget* tabTo(QWidget* window, QWidget* target)
{
    for (int step = 0; step < 20 && QApplication::focusWidget() != target; ++step)
        pressTab(window);
    return QApplication::focusWidget();
}

void press(int key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

// Each stop below the one before, or on its row further along in reading direction.
bool readsInOrder(const QList<QWidget*>& stops, QWidget* window)
{
    for (int index = 1; index < stops.size(); ++index) {
        const QRect a(stops[index - 1]->mapTo(window, QPoint()), stops[index - 1]->size());
        const QRect b(stops[index]->mapTo(window, QPoint()), stops[index]->size());
        const bool sameRow = b.top() <= a.bottom() && a.top() <= b.bottom();
        if (sameRow ? (window->isRightToLeft() ? b.right() >= a.left() : b.left() <= a.right()) : b.top() < a.top())
            return false;
    }
    return true;
}

// The pixels keyboard focus on `target` changes in its window.
QRect markedArea(QWidget* window, QWidget* target)
{
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

// The service's manager reports on the newest task.
void report(bool speechToText, int state, int code, int progress)
{
    if (speechToText)
        NxScriptedSpeechToTextManager::latest()->reportState(NxScriptedSpeechToTextManager::latest()->addedIds.last(), state, code, progress);
    else
        NxScriptedTextToSpeechManager::latest()->reportState(NxScriptedTextToSpeechManager::latest()->addedIds.last(), state, code, progress);
}
}

// The module's windows walked with the keyboard only, and read and worked
// through Qt's accessibility as a screen reader does.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;

    // A service window on the service's tab: a waiting task above one reported in `state`.
    std::unique_ptr<NxSpeechServiceDialog> serviceWindow(bool speechToText, int state, int code, int progress = 30)
    {
        // Every window names its subtitle files alike.
        QDir(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder)).removeRecursively();
        auto dialog = std::make_unique<NxSpeechServiceDialog>(nullptr);
        dialog->showTab(NxSpeechServiceDialog::TabType(speechToText ? 0 : 1));
        for (const QString& name : {QStringLiteral("Waiting"), QStringLiteral("Target")}) {
            if (speechToText) {
                m_clips.push_back(std::make_unique<NxTimelineClip>(name, INxClip::Video, NxRational{25, 1}, nullptr,
                                                                   NxTimelineClip::Placement{0, 250, 0}));
                dialog->presenter()->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), true);
            } else {
                auto title = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 0, 100);
                title->addText(QStringLiteral("words"));
                m_clips.push_back(std::move(title));
                dialog->presenter()->addTextToSpeechTasks({m_clips.back().get()}, TextToSpeechTaskParam());
            }
        }
        auto* presenter = dynamic_cast<NxSpeechServicePresenter*>(dialog->presenter());
        QSignalSpy reported(speechToText ? static_cast<QObject*>(presenter->speechToTextHelper()) : presenter->textToSpeechHelper(),
                            SIGNAL(sigTaskStateChanged(int)));
        // A balance too small asks to purchase at once: not now.
        QObject setUp;
        whenMessageBoxOpens(&setUp, [](NMessageDialog* box) { answerBox(box, QStringLiteral("Cancel")); });
        report(speechToText, state, code, progress);
        // The row takes the report in, and its height, through the event loop.
        QTableView* list = table(dialog.get());
        const bool shown = QTest::qWaitFor([&] {
            return !reported.isEmpty()
                   && list->rowHeight(1) == list->itemDelegate()->sizeHint({}, list->model()->index(1, 2)).height();
        });
        return shown ? std::move(dialog) : nullptr;
    }
    static NxTaskTableView* table(NxSpeechServiceDialog* dialog)
    {
        for (NxTaskTableView* view : dialog->findChildren<NxTaskTableView*>())
            if (view->isVisibleTo(dialog))
                return view;
        return nullptr;
    }

    enum By { Mouse, Keys, Reader };
    // Everything an action on the second row leads to: the window's signals,
    // the manager's calls, analytics, the questions asked and the rows left.
    QStringList rowAction(bool speechToText, int state, int code, int key, By by)
    {
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
        connect(dialog.get(), &NxSpeechServiceDialog::sigFindMatterLocation, list, [&](const QString& path) { seen << path; });
        const auto purchase = [&](int amount, bool&, bool more) { seen << QStringLiteral("purchase %1 %2").arg(amount).arg(more); };
        connect(dialog.get(), &NxSpeechServiceDialog::sigSTTPurchaseRefresh, list, purchase);
        connect(dialog.get(), &NxSpeechServiceDialog::sigTTSPurchaseRefresh, list, purchase);
        whenMessageBoxOpens(list, [&](NMessageDialog* box) {
            seen << box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>())
                seen << label->text();
            answerBox(box, QStringLiteral("Confirm"));
        });

        const QRect status = list->visualRect(list->model()->index(1, 2));
        const QRect name = list->visualRect(list->model()->index(1, 0));
        if (by == Reader) {
            // Heard first: the actions the row offers; Delete is the bin's, the first the status button's.
            QAccessibleActionInterface* actions = reader(list)->child(1)->actionInterface();
            seen << actions->actionNames().join(',');
            actions->doAction(key == Qt::Key_Delete ? QStringLiteral("Delete") : actions->actionNames().first());
        } else if (by == Keys) {
            if (tabTo(dialog.get(), list) != list || list->currentIndex().row() != 0)
                return {QStringLiteral("the list was not reached at its first row")};
            QList<int> rows;
            for (int move : {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down}) {
                press(move);
                rows << list->currentIndex().row();
            }
            if (rows != QList<int>{1, 0, 1, 0, 1})
                return {QStringLiteral("the keys did not move along the rows")};
            press(key);
        } else if (key == Qt::Key_Delete) {
            const QRect operation = list->visualRect(list->model()->index(1, 3));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(operation.x() + 20, operation.center().y()));
        } else if (state == 10) { // a finished task reveals its file on a double-click on its name
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, name.topLeft() + QPoint(12, 12));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, name.topLeft() + QPoint(12, 12));
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(status.right() - 16, status.y() + 16));
        }
        seen << calls.mid(callsBefore) << events.summaries() << QString::number(list->model()->rowCount());
        return seen;
    }

private slots:
    void initTestCase()
    {
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
        NxScriptedVoiceAudition::install();
        QList<NxTextToSpeechVoiceInfo> voices;
        for (int id = 70; id < 76; ++id)
            voices.append({id, QStringLiteral("Voice %1").arg(id), QStringLiteral("code%1").arg(id), QStringLiteral("en-US"), id % 2 == 1});
        NxScriptedVoiceQuery::install({true, voices});
        NGeneralSettings* settings = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
        settings->SetLanguage(1); // English (US)
        settings->SetSTTDeleteTaskNoTip(false);
        settings->SetTTSDeleteTaskNoTip(false);
        QVERIFY(NxReaderListening::start());
    }
    void init() { NxReaderListening::heard().clear(); }
    void cleanup()
    {
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(0);
        m_clips.clear();
    }

    // Tab reaches every control once, top to bottom and along each row, and
    // comes round again; a group of choices is one stop, at its checked choice.
    // Keyboard focus on each stop shows a mark there, in both skins.
    void tabFollowsReadingOrder_data()
    {
        columns<int, QString, QStringList>({"skin", "window", "stops"});
        const QString match = QStringLiteral("Transcriptions are automatically matched to the timeline");
        for (int skin : {0, 1}) {
            const char* look = skin ? "light" : "dark";
            QTest::addRow("%s, services window", look)
                << skin << "services" << QStringList{"Speech-to-Text", "NxSpeechToTextTable", "NxToolButton", "NxLabel"};
            QTest::addRow("%s, speech-to-text parameters", look)
                << skin << "stt" << QStringList{"NxComboBox", "NxCustomRadioButton", "NxCustomRadioButton", match, "OK", "Cancel"};
            QTest::addRow("%s, text-to-speech parameters", look)
                << skin << "tts"
                << QStringList{"NxComboBox", "NxVoicePanel", "NxPropertyNonLineSliderEx", "NxPropertyNonLineSliderEx", match, "OK", "Cancel"};
            QTest::addRow("%s, classic parameters", look)
                << skin << "classic" << QStringList{"Aida", "normalTone", "normalSpeak", "Try Listen", "Confirm"};
        }
    }
    void tabFollowsReadingOrder()
    {
        QFETCH(int, skin); QFETCH(QString, window); QFETCH(QStringList, stops);
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        std::unique_ptr<QDialog> dialog = window == "services" ? serviceWindow(true, 10, 0)
                                          : window == "stt"    ? std::unique_ptr<QDialog>(new NxSpeechToTextParamDialog(nullptr))
                                          : window == "tts"    ? std::unique_ptr<QDialog>(new NxTextToSpeechParamDialog(nullptr))
                                                               : std::unique_ptr<QDialog>(new NxTextToSpeechParamDlg(nullptr));
        QVERIFY(dialog);
        showActive(dialog.get());
        // Where Tab starts is the window's; the cycle is what counts.
        for (int step = 0; step < 20 && (!QApplication::focusWidget() || stopName(QApplication::focusWidget()) != stops.first()); ++step)
            pressTab(dialog.get());
        QList<QWidget*> cycle;
        QStringList names, heard;
        do {
            cycle << QApplication::focusWidget();
            names << stopName(cycle.last());
            heard << readAloud(cycle.last());
        } while (pressTab(dialog.get()) != cycle.first() && cycle.size() <= stops.size());
        QCOMPARE(names, stops);
        QVERIFY(readsInOrder(cycle, dialog.get()));
        // A screen reader at each stop says what has the focus: its kind and name.
        for (const QString& said : qAsConst(heard))
            QVERIFY2(!said.startsWith('!'), qPrintable(heard.join(" | ")));
        for (QWidget* stop : qAsConst(cycle)) {
            dialog->setFocus(); // away from every control
            const QRect changed = markedArea(dialog.get(), stop);
            // On the stop; a link's mark is drawn by its line, around the link.
            QWidget* owner = qobject_cast<NxLabel*>(stop) ? stop->parentWidget() : stop;
            const QRect area(owner->mapTo(dialog.get(), QPoint()), owner->size());
            QVERIFY2(!changed.isEmpty() && area.contains(changed), qPrintable(stopName(stop)));
            // A checked vocalist's outline is the accent already: the mark keeps inside it.
            auto* vocalist = qobject_cast<NxPushButton*>(stop);
            QVERIFY(!vocalist || !vocalist->isChecked() || area.adjusted(1, 1, -1, -1).contains(changed));
        }
    }

    // A task row says its name, and in its description the words the row
    // paints; each change of them is told.
    void aTaskRowSaysWhatItShowsWhileItProgresses_data()
    {
        columns<bool, int, QString, QString>({"speechToText", "state", "name", "description"});
        QTest::newRow("speech-to-text, transcribing")
            << true << 8 << "Clip_Target" << "Duration: 00:00:10\nStatus: In transcription:  %1%";
        QTest::newRow("text-to-speech, converting")
            << false << 6 << "Target - words" << "Characters: 120\nStatus: In transcription:  %1%  0/120";
    }
    void aTaskRowSaysWhatItShowsWhileItProgresses()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(QString, name); QFETCH(QString, description);
        std::unique_ptr<NxSpeechServiceDialog> dialog = serviceWindow(speechToText, state, 0, 10);
        QVERIFY(dialog);
        QAccessibleInterface* list = reader(table(dialog.get()));
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 2);
        QCOMPARE(list->child(1)->role(), QAccessible::ListItem);
        QCOMPARE(list->child(1)->text(QAccessible::Name), name);
        QTRY_COMPARE(list->child(1)->text(QAccessible::Description), description.arg(10));

        NxReaderListening::heard().clear();
        report(speechToText, state, 0, 42);
        QTRY_VERIFY(wasTold(table(dialog.get()), QAccessible::DescriptionChanged, 1));
        QCOMPARE(list->child(1)->text(QAccessible::Description), description.arg(42));
    }

    // Return and Delete on a row, and a screen reader's row actions, do exactly
    // what its buttons do under the mouse: the same requests, analytics,
    // questions and rows left.
    void rowKeysAndActionsDoWhatTheRowButtonsDo_data()
    {
        columns<bool, int, int, int, QString>({"speechToText", "state", "code", "key", "actions"});
        QTest::newRow("network failure: Return and Retry retry") << true << 7 << 8 << int(Qt::Key_Return) << "Retry,Delete";
        QTest::newRow("out of time: Enter and Purchase ask to purchase") << true << 9 << 1 << int(Qt::Key_Enter) << "Purchase,Delete";
        QTest::newRow("finished: Return and Show in folder reveal the subtitles")
            << true << 10 << 0 << int(Qt::Key_Return) << "Show in folder,Delete";
        QTest::newRow("transcribing: Delete asks first") << true << 8 << 0 << int(Qt::Key_Delete) << "Delete";
        QTest::newRow("text-to-speech, network failure: Return and Retry retry")
            << false << 6 << 5 << int(Qt::Key_Return) << "Retry,Delete";
        QTest::newRow("text-to-speech, converting: Delete asks first") << false << 6 << 0 << int(Qt::Key_Delete) << "Delete";
    }
    void rowKeysAndActionsDoWhatTheRowButtonsDo()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(int, code); QFETCH(int, key); QFETCH(QString, actions);
        const QStringList clicked = rowAction(speechToText, state, code, key, Mouse);
        QVERIFY2(clicked.size() > 1, qPrintable(clicked.join('\n'))); // the click did something
        QCOMPARE(rowAction(speechToText, state, code, key, Keys), clicked);
        QCOMPARE(rowAction(speechToText, state, code, key, Reader), QStringList{actions} + clicked);
    }

    // The balance line's purchase link: Space, Return and Enter follow it as a click does.
    void purchaseLinkIsPressedByKeysAndReaders()
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
        for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
            press(key);
        // A screen reader hears a link named by its words and presses it alike.
        QCOMPARE(reader(link)->role(), QAccessible::Link);
        QCOMPARE(reader(link)->text(QAccessible::Name), QStringLiteral("Purchase more"));
        QCOMPARE(reader(link)->text(QAccessible::Description), QStringLiteral("Time Remaining: 0 Seconds"));
        reader(link)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(requests, QStringList({"0 1", "0 1", "0 1", "0 1", "0 1"}));
        // Escape still hides the window from the list.
        QCOMPARE(tabTo(dialog.get(), table(dialog.get())), table(dialog.get()));
        press(Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    // Arrows move the grid's focus in reading order, from the right in a
    // right-to-left interface; Space and a reader's press choose as a press
    // does; Return and a reader's Preview preview as a double-click does and
    // leave the dialog open. A tile reads as a radio button saying the
    // voice's gender, chosen and speaking.
    void voiceTilesByKeyboardAndReader_data()
    {
        columns<Qt::LayoutDirection>({"direction"});
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
    void voiceTilesByKeyboardAndReader()
    {
        QFETCH(Qt::LayoutDirection, direction);
        NxTextToSpeechParamDialog dialog(nullptr);
        dialog.setLayoutDirection(direction);
        showActive(&dialog);
        auto* grid = dialog.findChild<NxVoicePanel*>();
        const QList<NxVoiceItem*> tiles = grid->items();
        const auto chosen = [&] { return tiles.indexOf(*std::find_if(tiles.begin(), tiles.end(), [](NxVoiceItem* tile) { return tile->isSelected(); })); };
        QCOMPARE(tabTo(&dialog, grid), grid);
        QSignalSpy pressed(tiles[1], &NxVoiceItem::sigClicked);
        press(direction == Qt::LeftToRight ? Qt::Key_Right : Qt::Key_Left);
        QCOMPARE(chosen(), 0); // moving chooses nothing
        press(Qt::Key_Space);
        QCOMPARE(chosen(), 1);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(reader(tiles[1])->role(), QAccessible::RadioButton);
        QCOMPARE(reader(tiles[1])->text(QAccessible::Name), QStringLiteral("Voice 71"));
        QVERIFY(reader(tiles[1])->state().checkable && reader(tiles[1])->state().checked && !reader(tiles[0])->state().checked);
        QVERIFY(wasTold(tiles[1], QAccessible::StateChanged));
        QCOMPARE(reader(tiles[0])->text(QAccessible::Description), QStringLiteral("Female"));

        const auto preview = [](const std::function<void()>& how) {
            const int before = NxScriptedVoiceAudition::latest()->calls().size();
            how();
            return NxScriptedVoiceAudition::latest()->calls().mid(before);
        };
        const QStringList byClick = preview([&] { QTest::mouseDClick(tiles[1], Qt::LeftButton); });
        QVERIFY(!byClick.isEmpty());
        reader(tiles[0])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(chosen(), 0);
        QCOMPARE(preview([&] { reader(tiles[1])->actionInterface()->doAction(QStringLiteral("Preview")); }), byClick);
        QCOMPARE(chosen(), 1);
        QCOMPARE(preview([] { press(Qt::Key_Return); }), byClick);
        QVERIFY(dialog.isVisible());

        // The previewed tile speaks while frames come.
        NxReaderListening::heard().clear();
        QImage frame(24, 24, QImage::Format_ARGB32);
        frame.fill(Qt::white);
        emit NxVoiceAnimationHelper::instance()->sigUpdate(frame);
        QVERIFY(reader(tiles[1])->state().animated);
        QCOMPARE(reader(tiles[1])->text(QAccessible::Description), QStringLiteral("Male, Speaking"));
        QVERIFY(wasTold(tiles[1], QAccessible::DescriptionChanged));
        grid->stopAnimation();
        QCOMPARE(reader(tiles[1])->text(QAccessible::Description), QStringLiteral("Male"));

        // Down a row of four, then Home; the choice follows Space only.
        for (int key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Home})
            press(key);
        QCOMPARE(chosen(), 5);
        press(Qt::Key_Space);
        QCOMPARE(chosen(), 0);
        press(Qt::Key_Escape); // still rejects the dialog
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    // The classic dialog's groups: Tab lands on the checked choice, arrows
    // move focus, Space checks as a click does. A vocalist's button reads as
    // the vocalist's name, nothing more.
    void classicGroupsByKeyboardAndReader()
    {
        NxTextToSpeechParamDlg dialog(nullptr);
        showActive(&dialog);
        const QList<NxPushButton*> vocalists = dialog.findChildren<NxPushButton*>(QStringLiteral("NxTextToSpeech_tone_btn"));
        QCOMPARE(vocalists.size(), 16);
        for (NxPushButton* button : vocalists) {
            QCOMPARE(reader(button)->text(QAccessible::Name), button->property("id").toString());
            QVERIFY(reader(button)->text(QAccessible::Description).isEmpty());
        }
        auto* aida = childCaptioned<QAbstractButton>(&dialog, QStringLiteral("Aida"));
        QCOMPARE(tabTo(&dialog, aida), aida);
        press(Qt::Key_Down);
        press(Qt::Key_Right);
        QCOMPARE(stopName(QApplication::focusWidget()), QStringLiteral("Aijing"));
        QCOMPARE(dialog.GetParam().voiceCode, QStringLiteral("Aida"));
        press(Qt::Key_Space);
        QCOMPARE(dialog.GetParam().voiceCode, QStringLiteral("Aijing"));

        for (int key : {Qt::Key_Tab, Qt::Key_Left})
            press(key);
        QCOMPARE(stopName(QApplication::focusWidget()), QStringLiteral("lowTone"));
        QCOMPARE(dialog.GetParam().intonation, 0);
        for (int key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_End, Qt::Key_Space})
            press(key);
        QCOMPARE(dialog.GetParam().intonation, -1);
        QCOMPARE(dialog.GetParam().speed, 2);
    }

    // The language list is named by its label; a slider by its label, its
    // value the word of its step, both in the interface language.
    void listAndSlidersSayTheirLabelAndWordInTheInterfaceLanguage()
    {
        NxTextToSpeechParamDialog dialog(nullptr);
        auto* languages = dialog.findChild<QComboBox*>();
        // The label is the list's reader relation (Qt's own combo box names it by its text on Linux).
        const auto labels = reader(languages)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("What language is this title in?"));
        NxPropertyNonLineSliderEx* speed = dialog.findChildren<NxPropertyNonLineSliderEx*>().at(0);
        speed->setCurIndex(4);
        NxMapTranslator german;
        german.texts.insert({"NxTextToSpeechParamVarneloPanel", "Speed:"}, QStringLiteral("Tempo:"));
        german.texts.insert({"NxTextToSpeechParamVarneloPanel", "fast"}, QStringLiteral("schnell"));
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(reader(speed)->text(QAccessible::Value), QStringLiteral("schnell"));
        QCOMPARE(reader(speed)->text(QAccessible::Name), QStringLiteral("Tempo:"));
        QCOMPARE(speed->getCurIndex(), 4);
        QCoreApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
