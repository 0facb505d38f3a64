#include "INxTaskbarList3.h"
#include "NMessageDialog.h"
#include "NxComboBox.h"
#include "NxCheckBox.h"
#include "NxCustomRadioButton.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxScriptedVoiceServices.h"
#include "NxSpeechServiceDialog.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTabButton.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxTitleClip.h"
#include "NxTopLevelWindowTitleBar.h"
#include "NxTranslations.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMutex>
#include <QPaintEngine>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTextDocument>
#include <QtMath>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace
{
// How the kit lays out the text of its controls (host/NxWidgetKit).
constexpr int PushButtonInset = 6; // NxPushButton: left and right of a text too long for its padding
constexpr int ToggleTextLeft = 1 + 14 + 8; // NxCheckBox, NxRadioButton, NxCustomRadioButton: mark and gap
constexpr int TabPadding = 4;             // NxTabButton, whose checked text is bold
constexpr int ComboTextLeft = 8;          // NxComboBox: the field's text, then the chevron
constexpr int ComboChevron = 28;
// An advance ends in the last glyph's blank side bearing: a text one pixel
// wider than its room loses no ink.
constexpr int Slack = 1;

// What a text needs against what its place gives it, in pixels.
struct Fit
{
    QString text;
    int need, room;
    const char* measure = "wide";
};

int widthOf(const QFont& font, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, QFontMetrics(font).horizontalAdvance(line));
    return widest;
}

QString nameOf(const QObject* object)
{
    const QString className = QString::fromLatin1(object->metaObject()->className());
    return object->objectName().isEmpty() ? className : QStringLiteral("%1 \"%2\"").arg(className, object->objectName());
}

// A one-line text beside the kit's check or radio mark, or several lines ("\n") stacked.
QVector<Fit> toggleFits(const QWidget* toggle, const QString& text)
{
    const int tall = (text.count(QLatin1Char('\n')) + 1) * QFontMetrics(toggle->font()).height();
    return {{text, widthOf(toggle->font(), text), toggle->width() - ToggleTextLeft},
            {text, tall, toggle->height(), "tall"}};
}

// Painted text: a text run, and where it lands.
struct Run
{
    QString text;
    QRectF box;
};

// What a widget paints, text runs and images, where they land: an image whose engine only keeps those.
class PaintedTexts final : public QImage
{
public:
    explicit PaintedTexts(QWidget* widget)
        : QImage(4000, 4000, Format_Alpha8)
    {
        setDotsPerMeterX(qRound(widget->logicalDpiX() / 0.0254));
        setDotsPerMeterY(dotsPerMeterX());
        widget->render(this, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    const QVector<Run>& runs() const { return m_engine.runs; }
    const QVector<QRectF>& images() const { return m_engine.images; }
    QPaintEngine* paintEngine() const override { return &m_engine; }

private:
    class Engine final : public QPaintEngine
    {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        QVector<Run> runs;
        QVector<QRectF> images;
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        Type type() const override { return User; }
        // Shapes are of no interest; the defaults would turn them into each other for ever.
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { images << state->transform().mapRect(r); }
        void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
        {
            images << state->transform().mapRect(r);
        }
        void drawTextItem(const QPointF& at, const QTextItem& item) override
        {
            if (item.text().trimmed().isEmpty())
                return;
            const QRectF box(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
            runs.append({item.text(), state->transform().mapRect(box)});
        }
    };
    mutable Engine m_engine;
};

// The texts Qt asks for while a language is on, as the language's own catalogue answers them: a
// text it leaves untranslated shows its source, which is no translator's text yet and is not
// measured. Installed last, so asked first; it answers nothing itself.
class CatalogueWitness : public QTranslator
{
public:
    void follow(const QString& code)
    {
        QVERIFY(m_catalogue.load(QStringLiteral("nx_") + code, QStringLiteral(":/translations")));
        const QMutexLocker lock(&m_mutex);
        m_untranslated.clear();
        m_answers.clear();
    }
    // Whether the catalogue left `text` (with `start`, a text beginning so) untranslated.
    bool untranslated(const QString& text, bool start = false) const
    {
        const QMutexLocker lock(&m_mutex);
        return std::any_of(m_untranslated.begin(), m_untranslated.end(),
                           [&](const QString& source) { return start ? source.startsWith(text) : source == text; });
    }
    bool answered(const QString& text) const
    {
        const QMutexLocker lock(&m_mutex);
        return m_answers.contains(text);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const QString answer = m_catalogue.translate(context, source, disambiguation, n);
        const QMutexLocker lock(&m_mutex);
        if (answer.isEmpty())
            m_untranslated.insert(QString::fromUtf8(source));
        else
            m_answers.insert(answer);
        return QString();
    }

private:
    QTranslator m_catalogue;
    mutable QMutex m_mutex;
    mutable QSet<QString> m_untranslated;
    mutable QSet<QString> m_answers;
};

// Each place a painted widget puts texts in, and what it calls it.
struct Place
{
    QRect rect;
    QString name;
};

QVector<Place> placesOf(QWidget* widget)
{
    QVector<Place> places;
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    if (auto* header = qobject_cast<QHeaderView*>(widget)) {
        for (int section = 0; section < header->count(); ++section)
            places.append({QRect(header->sectionViewportPosition(section), 0, header->sectionSize(section), header->height()),
                           QStringLiteral("section %1").arg(section)});
    } else if (view) {
        for (int row = 0; row < view->model()->rowCount(); ++row)
            for (int column = 0; column < view->model()->columnCount(); ++column)
                places.append({view->visualRect(view->model()->index(row, column)),
                               QStringLiteral("row %1 column %2").arg(row).arg(column)});
    } else {
        places.append({widget->rect(), QString()});
    }
    return places;
}

// A painted text must lie inside its place (cell, section, slider), clear of the other texts and
// the images there, and whole: not shortened to an ellipsis by its painter.
QStringList paintedCuts(QWidget* widget, const CatalogueWitness& witness)
{
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    const PaintedTexts painted(view ? view->viewport() : widget);
    const QVector<Place> places = placesOf(widget);
    QStringList cuts;
    const auto cut = [&](const Place& place, const QString& what) {
        cuts << QStringLiteral("%1%2: %3").arg(nameOf(widget), place.name.isEmpty() ? QString() : QLatin1Char(' ') + place.name, what);
    };
    for (const Place& place : places) {
        QVector<Run> inside;
        for (const Run& run : painted.runs())
            if (place.rect.contains(QPointF(run.box.left() + 1, run.box.center().y()).toPoint()))
                inside << run;
        for (int index = 0; index < inside.size(); ++index) {
            const Run& run = inside[index];
            const int need = qCeil(run.box.width());
            const int room = place.rect.x() + place.rect.width() - qFloor(run.box.left());
            if (need > room + Slack)
                cut(place, QStringLiteral("«%1» is %2 px wide, its place %3 px").arg(run.text).arg(need).arg(room));
            if (run.text.endsWith(QChar(0x2026)) && !witness.answered(run.text) && !witness.untranslated(run.text.chopped(1), true))
                cut(place, QStringLiteral("«%1» is shortened to %2 px, the whole text does not fit").arg(run.text).arg(need));
            for (int other = index + 1; other < inside.size(); ++other)
                if (run.box.intersects(inside[other].box))
                    cut(place, QStringLiteral("«%1» runs into «%2»").arg(run.text, inside[other].text));
            for (const QRectF& image : painted.images())
                if (place.rect.contains(image.center().toPoint()) && run.box.intersects(image))
                    cut(place, QStringLiteral("«%1» runs under an image at x %2").arg(run.text).arg(image.x()));
        }
    }
    return cuts;
}

QVector<Fit> fitsOf(const QWidget* widget)
{
    if (auto* button = qobject_cast<const NxPushButton*>(widget))
        return {{button->text(), widthOf(button->font(), button->text()), button->width() - 2 * PushButtonInset}};
    if (auto* tab = qobject_cast<const NxTabButton*>(widget)) {
        QFont bold = tab->font();
        bold.setBold(true);
        return {{tab->text(), widthOf(bold, tab->text()), tab->width() - 2 * TabPadding}};
    }
    if (qobject_cast<const NxCheckBox*>(widget) || qobject_cast<const NxRadioButton*>(widget))
        return toggleFits(widget, static_cast<const QAbstractButton*>(widget)->text());
    if (auto* radio = qobject_cast<const NxCustomRadioButton*>(widget))
        return toggleFits(radio, radio->displayText());
    if (auto* combo = qobject_cast<const NxComboBox*>(widget)) {
        QVector<Fit> fits;
        for (int item = 0; item < combo->count(); ++item)
            fits.append({combo->itemText(item), widthOf(combo->font(), combo->itemText(item)),
                         combo->width() - ComboTextLeft - ComboChevron});
        return fits;
    }
    if (auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty()) {
        const QString text = label->text();
        const int room = label->contentsRect().width() - 2 * label->margin();
        if (label->wordWrap())
            return {{text, label->heightForWidth(label->width()), label->height(), "tall"}};
        if (label->textFormat() != Qt::RichText && (label->textFormat() != Qt::AutoText || !Qt::mightBeRichText(text)))
            return {{text, widthOf(label->font(), text), room}};
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        return {{document.toPlainText(), qCeil(document.idealWidth()), room}};
    }
    // A plain Qt button (the message box's) gives its text what its style leaves inside padding and mark.
    if (auto* button = qobject_cast<const QAbstractButton*>(widget); button && !qobject_cast<const QToolButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents = qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        return {{button->text(), widthOf(button->font(), button->text()),
                 button->style()->subElementRect(contents, &option, button).width()}};
    }
    return {};
}

// Item views (tables and their headers) paint their texts on their viewport, the slider on itself.
bool isPainted(QWidget* widget)
{
    return qobject_cast<QAbstractItemView*>(widget) || qobject_cast<NxPropertyNonLineSliderEx*>(widget);
}

// Every text of the shown `window` that does not fit its place, one line each.
QStringList cutsIn(QWidget* window, const CatalogueWitness& witness)
{
    QStringList cuts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : qAsConst(widgets)) {
        if (!widget->isVisible())
            continue;
        if (isPainted(widget)) {
            auto* view = qobject_cast<QAbstractItemView*>(widget);
            QScrollBar* scroll = view && !qobject_cast<QHeaderView*>(view) ? view->verticalScrollBar() : nullptr;
            // A list longer than its view is measured a viewful at a time.
            for (int top = 0;; top += view ? view->viewport()->height() : 0) {
                if (scroll)
                    scroll->setValue(top);
                cuts << paintedCuts(widget, witness);
                if (!scroll || scroll->value() >= scroll->maximum())
                    break;
            }
            if (scroll)
                scroll->setValue(0);
            continue;
        }
        for (const Fit& fit : fitsOf(widget))
            if (fit.need > fit.room + Slack && !witness.untranslated(fit.text))
                cuts << QStringLiteral("%1 «%2» is %3 px %4, its place %5 px")
                            .arg(nameOf(widget), fit.text, QString::number(fit.need), QLatin1String(fit.measure),
                                 QString::number(fit.room));
    }
    // Which window, by its class and its title as shown.
    for (QString& cut : cuts)
        cut.prepend(QStringLiteral("%1 (%2): ").arg(nameOf(window), window->windowTitle()));
    cuts.removeDuplicates();
    return cuts;
}

// One task row per status the manager reports, failures with each of their reasons; the
// lack of balance comes last, as it opens the purchase tip.
struct Report
{
    int state, code, progress;
};
const QVector<Report> SpeechToTextRows = {{1, 0, 0}, {2, 0, 0}, {3, 4, 0}, {4, 0, 40}, {5, 2, 0}, {6, 0, 40},
                                          {7, 5, 0}, {7, 8, 0}, {8, 0, 40}, {9, 3, 0}, {9, 7, 0}, {9, 6, 0},
                                          {9, 42, 0}, {10, 0, 100}, {9, 1, 0}};
const QVector<Report> TextToSpeechRows = {{1, 0, 0}, {2, 0, 0}, {3, 2, 0}, {3, 3, 0}, {4, 0, 0}, {5, 4, 0},
                                          {6, 0, 40}, {7, 6, 0}, {7, 5, 0}, {8, 0, 0}, {9, 7, 0}, {9, 42, 0},
                                          {10, 0, 100}, {6, 1, 0}};

QList<NxTextToSpeechVoiceInfo> catalogue()
{
    QList<NxTextToSpeechVoiceInfo> voices;
    for (const char* language : {"en-US", "zh-CN"})
        for (int id = 0; id < 5; ++id)
            voices.append({id, QStringLiteral("Voice%1").arg(id), QStringLiteral("%1-%2").arg(language).arg(id),
                           QLatin1String(language), id % 2 == 0});
    return voices;
}
}

// Every window of the module with fixed pixel geometry, in every interface language:
// each text must fit the place its widget gives it.
class TranslationFitTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    CatalogueWitness m_witness;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;

    // Makes `code` the interface language with the witness following it.
    void speak(const QString& code)
    {
        QVERIFY(NxTranslations::use(code));
        QCoreApplication::removeTranslator(&m_witness);
        m_witness.follow(code);
        QCoreApplication::installTranslator(&m_witness);
    }

    QStringList shownCuts(QWidget* window)
    {
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return {QStringLiteral("%1 was never shown").arg(nameOf(window))};
        return cutsIn(window, m_witness);
    }

    // The module's message boxes measured as they open, then dismissed.
    void measureBoxes(QObject* watch, QStringList& cuts, int& boxes)
    {
        whenMessageBoxOpens(watch, [this, watch, &cuts, &boxes](NMessageDialog* box) {
            ++boxes;
            cuts << cutsIn(box, m_witness);
            answerBox(box, QString());
            measureBoxes(watch, cuts, boxes);
        });
    }

    // Has `tell` report a task's state and waits until `helper` has taken it in.
    static void report(QObject* helper, const std::function<void()>& tell)
    {
        QSignalSpy handled(helper, SIGNAL(sigTaskStateChanged(int)));
        tell();
        QVERIFY(handled.count() > 0 || handled.wait(5000));
    }

    NxTimelineClip* keep(std::unique_ptr<NxTimelineClip> clip)
    {
        m_clips.push_back(std::move(clip));
        return m_clips.back().get();
    }
    NxTimelineClip* footage(const char* name, int type)
    {
        return keep(std::make_unique<NxTimelineClip>(QLatin1String(name), type, NxRational{25, 1}, nullptr,
                                                     NxTimelineClip::Placement{0, 250, 0}));
    }

    QStringList servicesWindowCuts()
    {
        QStringList cuts;
        QObject watch;
        int boxes = 0;
        measureBoxes(&watch, cuts, boxes);
        NxSpeechServiceDialog window(nullptr);
        auto* presenter = dynamic_cast<NxSpeechServicePresenter*>(window.presenter());
        const auto bothPages = [&] {
            for (auto tab : {NxSpeechServiceDialog::SpeechToText, NxSpeechServiceDialog::TextToSpeech}) {
                window.showTab(tab);
                cuts << shownCuts(&window);
            }
        };
        bothPages(); // no tasks yet
        for (const Report& row : SpeechToTextRows) {
            presenter->addClipTasks({footage("Interview", INxClip::Video)}, QStringLiteral("en-US"), false);
            auto* manager = NxScriptedSpeechToTextManager::latest();
            report(presenter->speechToTextHelper(),
                   [&] { manager->reportState(manager->addedIds.last(), row.state, row.code, row.progress); });
        }
        // A finished voice-over is copied from the manager's file.
        QTemporaryFile speech(QDir::temp().filePath(QStringLiteral("fit-XXXXXX.wav")));
        if (!speech.open())
            return {QStringLiteral("no speech file: %1").arg(speech.errorString())};
        const auto voiceOver = [&](INxClip* clip, const Report& row) {
            presenter->addTextToSpeechTasks({clip}, TextToSpeechTaskParam());
            auto* manager = NxScriptedTextToSpeechManager::latest();
            report(presenter->textToSpeechHelper(), [&] {
                manager->reportState(manager->addedIds.last(), row.state, row.code, row.progress, speech.fileName());
            });
        };
        for (const Report& row : TextToSpeechRows)
            voiceOver(keep(std::make_unique<NxTitleClip>(QStringLiteral("Title"), NxRational{25, 1}, 100, 250)), row);
        // A subtitle's voice-over with a sentence that could not be spoken ends failed.
        NxScriptedTextToSpeechManager::latest()->sentencesPerTask = 3;
        NxScriptedTextToSpeechManager::latest()->failedSentences = 1;
        voiceOver(footage("Dialog", INxClip::Subtitle), {10, 0, 100});
        bothPages();
        bool ret = false, noTip = false;
        emit presenter->speechToTextHelper()->sigAskDelete(ret, noTip);
        window.checkCanClose(); // tasks run: asks whether to close
        // Both purchase tips, the delete question and the close question.
        if (boxes != 4)
            cuts << QStringLiteral("%1 of the 4 message boxes opened").arg(boxes);
        return cuts;
    }

    QStringList everyWindowCuts()
    {
        QStringList cuts = servicesWindowCuts();
        cuts << shownCuts(std::make_unique<NxSpeechToTextParamDialog>(nullptr).get());
        cuts << shownCuts(std::make_unique<NxTextToSpeechParamDialog>(nullptr).get());
        cuts << shownCuts(std::make_unique<NxTextToSpeechParamDlg>(nullptr).get());
        m_clips.clear();
        cuts.removeDuplicates(); // the pages are measured with and without tasks
        return cuts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!INxTaskbarList3::create(), "a session bus answers; these tests need a desktop without one");
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
        NxScriptedVoiceQuery::install({true, catalogue()});
        NxScriptedVoiceAudition::install();
        QVERIFY(NxTranslations::codes().contains(QStringLiteral("en_US")));
    }

    void everyTextFitsItsPlace_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : NxTranslations::codes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyTextFitsItsPlace()
    {
        QFETCH(QString, code);
        speak(code);
        // One line per text, whole: a test's failure message is cut at 1000 characters.
        const QStringList cuts = everyWindowCuts();
        for (const QString& cut : cuts)
            qWarning().noquote() << code + QStringLiteral(": ") + cut;
        QVERIFY2(cuts.isEmpty(), qPrintable(QStringLiteral("%1 text(s) do not fit in %2, listed above").arg(cuts.size()).arg(code)));
    }

    // The measure itself: words made too long for every kind of place are all reported.
    void overlongWordsAreReported()
    {
        speak(QStringLiteral("en_US"));
        struct Overlong
        {
            QByteArray context, source;
            int repeats; // a word that a layout would give room enough is said several times
        };
        const QVector<Overlong> sources = {
            {"NxSpeechServiceDialog", "List of voice-text services", 3}, // title bar label
            {"NxSpeechServicePanel", "Speech-to-Text", 12},               // tab
            {"NxSpeechToTextTableDelegate", "Duration", 1},               // painted header section
            {"NxTextToSpeechTableDelegate", "Completed", 2},              // painted status word
            {"NxTextToSpeechParamPanel", "lowTone", 1},                   // 56 px radio button
            {"NxTextToSpeechParamPanel", "Aida", 1},                      // 74 px vocalist button
            {"NxTextToSpeechParamPanel", "paramSettings", 1},             // 64 px heading
            {"NxTextToSpeechParamVarneloPanel", "normal", 3},             // slider step word
            {"NxSpeechToTextParamPanel", "Clip selection", 3},            // kit radio button
            {"QObject", "Chinese (Cantonese)", 3},                        // combo item
            {"QObject", "Stop asking for now.", 2},                       // message box check box
            {"QObject", "Are you sure you want to delete the task?", 20}, // wrapped message box text
            {"QObject", "Confirm", 3},                                    // message box button
        };
        NxMapTranslator translator;
        QStringList words;
        for (int index = 0; index < sources.size(); ++index) {
            words << QStringLiteral("W%1 Ausserordentlich langes Wort").arg(index, 2, 10, QLatin1Char('0'));
            QStringList said;
            for (int time = 0; time < sources[index].repeats; ++time)
                said << words.last();
            translator.texts.insert({sources[index].context, sources[index].source}, said.join(' '));
        }
        QCoreApplication::installTranslator(&translator);
        const QStringList cuts = everyWindowCuts();
        QCoreApplication::removeTranslator(&translator);
        for (const QString& word : qAsConst(words)) // a painted word may show only its start
            QVERIFY2(!cuts.filter(word.left(6)).isEmpty(), qPrintable(word + QStringLiteral(" not reported")));
    }

    // The services window stays open while the studio switches language: its title and
    // tabs follow every switch.
    void openServicesWindowFollowsALanguageSwitch()
    {
        NxSpeechServiceDialog window(nullptr);
        window.show();
        const auto tabs = window.findChildren<NxTabButton*>(QStringLiteral("NSpeechServicePanel_Tab"));
        QCOMPARE(tabs.size(), 2);
        // The title bar, the window's title, both tabs.
        const auto shown = [&] {
            return QStringList{window.GetTitleBar()->title(), window.windowTitle(), tabs[0]->text(), tabs[1]->text()};
        };
        const auto title = [] { return QCoreApplication::translate("NxSpeechServiceDialog", "List of voice-text services"); };
        const auto tab = [](const char* source) { return QCoreApplication::translate("NxSpeechServicePanel", source); };
        for (const QString& code : NxTranslations::codes()) {
            speak(code);
            QTRY_COMPARE(shown(), (QStringList{title(), title(), tab("Speech-to-Text"), tab("Text-to-Speech")}));
        }
        // A language that surely differs from the sources.
        NxMapTranslator probe;
        probe.texts = {{{"NxSpeechServiceDialog", "List of voice-text services"}, "Dienste"},
                       {{"NxSpeechServicePanel", "Speech-to-Text"}, "Sprache zu Text"},
                       {{"NxSpeechServicePanel", "Text-to-Speech"}, "Text zu Sprache"}};
        QCoreApplication::installTranslator(&probe);
        QTRY_COMPARE(shown(), (QStringList{"Dienste", "Dienste", "Sprache zu Text", "Text zu Sprache"}));
        QCoreApplication::removeTranslator(&probe);
    }
};

int main(int argc, char** argv)
{
    // No desktop session: the window must do without taskbar progress.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent-nxspeech-bus");
    QApplication app(argc, argv);
    TranslationFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translationfit.moc"
