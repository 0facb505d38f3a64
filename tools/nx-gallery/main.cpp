// Renders both task tabs with a row in every state, their hover, pressed and
// busy buttons, the empty tabs, the delete question, and the whole service
// window on each tab with its purchase tip and close question, in both skins,
// in English (US) or in the interface languages asked for:
//   QT_QPA_PLATFORM=offscreen build/tools/nx-gallery/nx-gallery [--language de,ja] <output folder>

#include "NxGalleryOutput.h"
#include "NxShowcaseManager.h"
#include "NxGalleryKitControls.h"
#include "NxGallerySpeechToTextParam.h"
#include "NxGalleryVoiceTiles.h"
#include "NxGalleryTextToSpeechParam.h"
#include "NxGalleryTextToSpeechClassic.h"
#include "NxRemainingWidget.h"
#include "NxSpeechServiceDialog.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"
#include "NxSpeechToTextWidget.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTable.h"
#include "NxTextToSpeechWidget.h"
#include "NxTimelineClip.h"
#include "NxTitleClip.h"
#include "NxTranslations.h"
#include "NxWidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <memory>
#include <vector>

namespace
{
constexpr QSize PageSize(890, 640);

struct Row
{
    const char* name;
    int clipType;
    int seconds;
    int state; // 0: no report yet
    int code;
    int progress;
};

// One row per state a user can meet.
const Row SpeechToTextRows[] = {
    {"Interview_Take_03", INxClip::Audio, 754, 0, 0, 0},
    {"Opening scene", INxClip::Video, 95, 2, 0, 0},
    {"Drone_shot_beach", INxClip::Video, 41, 4, 0, 62},
    {"Podcast episode 12", INxClip::Audio, 3120, 6, 0, 45},
    {"Keynote_main_stage", INxClip::Video, 1805, 8, 0, 30},
    {"Product demo", INxClip::Video, 212, 10, 0, 100},
    {"Street_interview", INxClip::Video, 180, 7, 8, 0},
    {"Conference_day_two_full_recording", INxClip::Video, 28800, 9, 1, 0},
    {"Ambient_noise", INxClip::Audio, 12, 3, 4, 0},
    {"Corrupted_export", INxClip::Video, 66, 5, 2, 0},
    {"Voice memo", INxClip::Audio, 37, 9, 42, 0},
};
enum SpeechToTextRow { SttRunning = 4, SttNetwork = 6, SttNoTime = 7 };

const Row TextToSpeechRows[] = {
    {"Intro title", INxClip::Title, 5, 0, 0, 0},
    {"Chapter one", INxClip::Title, 5, 2, 0, 0},
    {"Lower third", INxClip::Title, 5, 4, 0, 0},
    {"Narration", INxClip::Subtitle, 60, 6, 0, 45},
    {"Closing words", INxClip::Title, 5, 8, 0, 0},
    {"Welcome", INxClip::Title, 5, 10, 0, 100},
    {"Credits", INxClip::Title, 5, 6, 5, 0},
    {"Long documentary narration", INxClip::Subtitle, 600, 5, 1, 0},
    {"Symbols only", INxClip::Title, 5, 6, 2, 0},
    {"Dialog", INxClip::Subtitle, 90, 10, 0, 100}, // one sentence failed
};
enum TextToSpeechRow { TtsRunning = 3, TtsNetwork = 6, TtsNoBalance = 7, TtsPartlyFailed = 9 };

template <typename Helper, typename PageWidget>
struct Page
{
    std::unique_ptr<NxSpeechServicePresenter> presenter = std::make_unique<NxSpeechServicePresenter>();
    std::unique_ptr<Helper> helper = std::make_unique<Helper>(presenter.get());
    std::unique_ptr<NxWidget> frame = std::make_unique<NxWidget>();
    PageWidget* page = nullptr;

    Page()
    {
        frame->SetBGColorType(NxSkinColor::Varnelo_Background_Surface1);
        auto* layout = new QVBoxLayout(frame.get());
        layout->setContentsMargins(0, 0, 0, 0);
        page = new PageWidget(helper.get(), frame.get());
        layout->addWidget(page);
        frame->resize(PageSize);
        frame->show();
    }
};

class Gallery
{
public:
    explicit Gallery(const QString& folder) : m_folder(folder) {}

    void render(int skin, const QString& skinName);

private:
    template <typename Helper, typename PageWidget>
    void renderTab(const QString& tab, Page<Helper, PageWidget>& page, int hoverRow, int purchaseRow, int retryRow,
                   int runningRow);
    void renderDialog();
    // Saves the next modal box to open as `name`, then presses its button `code`.
    void answerNextBox(QTimer& watch, const QString& name, int code);
    void fill(NxSpeechToTextHelper* helper);
    void fill(NxTextToSpeechHelper* helper);
    void save(QWidget* widget, const QString& name);

    QString m_folder;
    QString m_skin;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};

QPoint buttonCentre(QTableView* table, int row, bool deleteButton)
{
    const QRect cell = table->visualRect(table->model()->index(row, deleteButton ? 3 : 2));
    return deleteButton ? QPoint(cell.x() + 20, cell.center().y()) : QPoint(cell.right() - 16, cell.y() + 16);
}

void mouse(QTableView* table, QEvent::Type type, const QPoint& at)
{
    QMouseEvent event(type, at, table->viewport()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &event);
}

void Gallery::save(QWidget* widget, const QString& name)
{
    settleEvents();
    writePage(widget->grab().toImage(), m_folder, name, m_skin);
}

void Gallery::fill(NxSpeechToTextHelper* helper)
{
    int id = 1;
    for (const Row& row : SpeechToTextRows) {
        m_clips.push_back(std::make_unique<NxTimelineClip>(QString::fromUtf8(row.name), row.clipType,
                                                           NxRational{25, 1}, nullptr,
                                                           NxTimelineClip::Placement{0, qint64(row.seconds) * 25, 0}));
        helper->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), true);
        if (row.state)
            NxShowcaseSpeechToTextManager::latest()->report(id, row.state, row.code, row.progress);
        ++id;
    }
    helper->refresh();
}

void Gallery::fill(NxTextToSpeechHelper* helper)
{
    NxShowcaseTextToSpeechManager* manager = NxShowcaseTextToSpeechManager::latest();
    TextToSpeechTaskParam param;
    param.voiceCode = QStringLiteral("Andy");
    int id = 1;
    for (const Row& row : TextToSpeechRows) {
        const QString name = QString::fromUtf8(row.name);
        if (row.clipType == INxClip::Title) {
            auto title = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 0, 125);
            title->addText(QStringLiteral("Spoken words"));
            m_clips.push_back(std::move(title));
        } else {
            m_clips.push_back(std::make_unique<NxTimelineClip>(name, row.clipType, NxRational{25, 1}, nullptr,
                                                               NxTimelineClip::Placement{0, qint64(row.seconds) * 25, 0}));
        }
        helper->addTasks({m_clips.back().get()}, param);
        const bool partlyFailed = id == TtsPartlyFailed + 1;
        manager->setSubtitleProgress(id == TtsRunning + 1 ? 168 : partlyFailed ? 200 : 0, partlyFailed ? 1 : 0);
        if (row.state)
            manager->report(id, row.state, row.code, row.progress);
        settleEvents(); // the report is re-posted; answer its progress query now
        ++id;
    }
    helper->refresh();
}

template <typename Helper, typename PageWidget>
void Gallery::renderTab(const QString& tab, Page<Helper, PageWidget>& page, int hoverRow, int purchaseRow,
                        int retryRow, int runningRow)
{
    fill(page.helper.get());
    QTableView* table = page.page->table();
    save(page.frame.get(), tab + QStringLiteral("-page"));

    mouse(table, QEvent::MouseMove, buttonCentre(table, hoverRow, false));
    save(page.frame.get(), tab + QStringLiteral("-hover-retry"));
    mouse(table, QEvent::MouseMove, buttonCentre(table, 1, true));
    save(page.frame.get(), tab + QStringLiteral("-hover-delete"));

    // The cart while pressed: taken while the purchase request is out,
    // before the delegate lets go of the button.
    auto pressed = QObject::connect(page.helper.get(), &Helper::sigPurchaseRefresh, [&](int, bool&, bool) {
        save(page.frame.get(), tab + QStringLiteral("-pressed-cart"));
    });
    mouse(table, QEvent::MouseButtonPress, buttonCentre(table, purchaseRow, false));
    QObject::disconnect(pressed);

    mouse(table, QEvent::MouseButtonPress, buttonCentre(table, retryRow, false));
    mouse(table, QEvent::MouseMove, QPoint(5, 5));
    save(page.frame.get(), tab + QStringLiteral("-retry-spinner"));

    // The question asked before deleting a running task.
    QTimer watch;
    answerNextBox(watch, tab + QStringLiteral("-delete-box"), 3);
    mouse(table, QEvent::MouseButtonPress, buttonCentre(table, runningRow, true));
}

void Gallery::answerNextBox(QTimer& watch, const QString& name, int code)
{
    // Presses show their pressed look first, so wait for the box itself.
    QObject::connect(&watch, &QTimer::timeout, [this, &watch, name, code] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        watch.stop();
        save(box, name);
        if (auto* button = box->findChild<QPushButton*>(QStringLiteral("NMessageDialogButton_%1").arg(code)))
            button->click();
        else
            box->close();
    });
    watch.start(10);
}

void Gallery::renderDialog()
{
    NxSpeechServiceDialog dialog(nullptr);
    dialog.show();
    auto* presenter = dynamic_cast<NxSpeechServicePresenter*>(dialog.presenter());
    // Each tab has a row whose balance ran out: its purchase tip opens.
    QTimer sttTip;
    answerNextBox(sttTip, QStringLiteral("dialog-stt-purchase-tip"), 3);
    fill(presenter->speechToTextHelper());
    settleEvents();
    QTimer ttsTip;
    answerNextBox(ttsTip, QStringLiteral("dialog-tts-purchase-tip"), 3);
    fill(presenter->textToSpeechHelper());
    settleEvents();

    dialog.showTab(NxSpeechServiceDialog::SpeechToText);
    save(&dialog, QStringLiteral("dialog-stt"));
    // The list reached with Tab and moved down with the arrows; then the purchase link.
    auto* table = dialog.findChild<NxSpeechToTextTable*>();
    focusByKeyboard(table, {Qt::Key_Down, Qt::Key_Down});
    save(&dialog, QStringLiteral("dialog-stt-keyboard"));
    focusByKeyboard(table->parentWidget()->findChild<NxRemainingWidget*>()->findChild<QLabel*>());
    save(&dialog, QStringLiteral("dialog-stt-keyboard-link"));
    dialog.focusWidget()->clearFocus();
    dialog.showTab(NxSpeechServiceDialog::TextToSpeech);
    save(&dialog, QStringLiteral("dialog-tts"));

    QTimer closeWatch;
    answerNextBox(closeWatch, QStringLiteral("dialog-close-question"), 4);
    dialog.close();
}

void Gallery::render(int skin, const QString& skinName)
{
    NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
    m_skin = skinName;
    {
        Page<NxSpeechToTextHelper, NxSpeechToTextWidget> empty;
        save(empty.frame.get(), QStringLiteral("stt-empty"));
    }
    {
        Page<NxTextToSpeechHelper, NxTextToSpeechWidget> empty;
        save(empty.frame.get(), QStringLiteral("tts-empty"));
    }
    Page<NxSpeechToTextHelper, NxSpeechToTextWidget> speechToText;
    renderTab(QStringLiteral("stt"), speechToText, SttNetwork, SttNoTime, SttNetwork, SttRunning);
    Page<NxTextToSpeechHelper, NxTextToSpeechWidget> textToSpeech;
    renderTab(QStringLiteral("tts"), textToSpeech, TtsNetwork, TtsNoBalance, TtsNetwork, TtsRunning);
    renderDialog();
    renderKitControls(m_folder, skinName);
    renderSpeechToTextParam(m_folder, skinName);
    renderVoiceTiles(m_folder, skinName);
    renderTextToSpeechParam(m_folder, skinName);
    renderTextToSpeechClassic(m_folder, skinName);
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the module's pages into PNG files."));
    parser.addHelpOption();
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Renders every page in interface language <CODE> too (repeatable, or a comma list): %1.")
            .arg(NxTranslations::codes().join(QStringLiteral(", "))),
        QStringLiteral("CODE"));
    parser.addOption(languageOption);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the pages are written."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    QStringList languages;
    for (const QString& value : parser.values(languageOption))
        languages << value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& code : qAsConst(languages)) {
        if (!NxTranslations::codes().contains(code)) {
            std::fprintf(stderr, "no interface language %s\n", qPrintable(code));
            return 2;
        }
    }
    const QString folder = outputFolder(parser.positionalArguments().first());
    if (folder.isEmpty())
        return 2;
    // Keep the user's own data folder out of it.
    QTemporaryDir home;
    qputenv("NXSPEECH_HOME", home.path().toLocal8Bit());
    NxShowcaseSpeechToTextManager::install();
    NxShowcaseTextToSpeechManager::install();

    Gallery gallery(folder);
    const auto renderBothSkins = [&gallery] {
        gallery.render(0, QStringLiteral("dark"));
        gallery.render(1, QStringLiteral("light"));
    };
    if (languages.isEmpty()) {
        NxTranslations::use(QStringLiteral("en_US")); // the studio's first language
        renderBothSkins();
    }
    for (const QString& code : qAsConst(languages)) {
        NxTranslations::use(code);
        setPageLanguage(code);
        renderBothSkins();
    }
    return 0;
}
