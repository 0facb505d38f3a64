// Renders the speech-to-text page with a row in every state, its hover,
// pressed and busy buttons, the empty page and the delete question, in both
// skins:
//   build/tools/nx-gallery/nx-gallery <output folder>
// Works offscreen (QT_QPA_PLATFORM=offscreen).

#include "NMessageDialog.h"
#include "NxMediaFile.h"
#include "NxSequence.h"
#include "NxShowcaseManager.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"
#include "NxSpeechToTextTableDelegate.h"
#include "NxSpeechToTextTableModel.h"
#include "NxSpeechToTextWidget.h"
#include "NxTimelineClip.h"
#include "NxWidget.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
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
    QString name;
    int clipType;
    int seconds;
    int state; // 0: no report yet
    int code;
    int progress;
};

// One row per state the user can meet.
const Row Rows[] = {
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

class Gallery
{
public:
    explicit Gallery(const QString& folder) : m_folder(folder) {}

    void renderSkin(int skin, const QString& skinName);

private:
    struct Page
    {
        std::unique_ptr<NxSpeechServicePresenter> presenter;
        std::unique_ptr<NxSpeechToTextHelper> helper;
        std::unique_ptr<NxWidget> frame;
        NxSpeechToTextWidget* page = nullptr;
    };

    Page makePage();
    void fill(Page& page);
    void save(QWidget* widget, const QString& name);
    QPoint buttonCentre(NxSpeechToTextTable* table, int row, bool deleteButton) const;
    void mouse(NxSpeechToTextTable* table, QEvent::Type type, const QPoint& at);

    QString m_folder;
    QString m_skin;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};

Gallery::Page Gallery::makePage()
{
    Page page;
    page.presenter = std::make_unique<NxSpeechServicePresenter>();
    page.helper = std::make_unique<NxSpeechToTextHelper>(page.presenter.get());
    page.frame = std::make_unique<NxWidget>();
    page.frame->SetBGColorType(NxSkinColor::Varnelo_Background_Surface1);
    auto* layout = new QVBoxLayout(page.frame.get());
    layout->setContentsMargins(0, 0, 0, 0);
    page.page = new NxSpeechToTextWidget(page.helper.get(), page.frame.get());
    layout->addWidget(page.page);
    page.frame->resize(PageSize);
    page.frame->show();
    return page;
}

void Gallery::fill(Page& page)
{
    NxShowcaseManager* manager = NxShowcaseManager::latest();
    int id = 1;
    for (const Row& row : Rows) {
        m_clips.push_back(std::make_unique<NxTimelineClip>(row.name, row.clipType, NxRational{25, 1}, nullptr,
                                                           NxTimelineClip::Placement{0, qint64(row.seconds) * 25, 0}));
        page.helper->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), true);
        if (row.state)
            manager->report(id, row.state, row.code, row.progress);
        ++id;
    }
    page.helper->refresh();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void Gallery::save(QWidget* widget, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = QStringLiteral("%1/%2-%3.png").arg(m_folder, name, m_skin);
    widget->grab().save(path);
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

QPoint Gallery::buttonCentre(NxSpeechToTextTable* table, int row, bool deleteButton) const
{
    const QModelIndex index = table->model()->index(row, deleteButton ? 3 : 2);
    const QRect cell = table->visualRect(index);
    return deleteButton ? QPoint(cell.x() + 20, cell.center().y()) : QPoint(cell.right() - 16, cell.y() + 16);
}

void Gallery::mouse(NxSpeechToTextTable* table, QEvent::Type type, const QPoint& at)
{
    QMouseEvent event(type, at, table->viewport()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &event);
}

void Gallery::renderSkin(int skin, const QString& skinName)
{
    NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
    m_skin = skinName;

    {
        Page empty = makePage();
        save(empty.frame.get(), QStringLiteral("stt-empty"));
    }

    Page page = makePage();
    fill(page);
    NxSpeechToTextTable* table = page.page->table();
    save(page.frame.get(), QStringLiteral("stt-page"));

    // Hover over the retry button of the network failure (row 6).
    mouse(table, QEvent::MouseMove, buttonCentre(table, 6, false));
    save(page.frame.get(), QStringLiteral("stt-hover-retry"));
    mouse(table, QEvent::MouseMove, buttonCentre(table, 3, true));
    save(page.frame.get(), QStringLiteral("stt-hover-delete"));

    // The cart of the lack-of-time row (7) while pressed: taken while the
    // purchase request is out, before the hover is cleared.
    auto connection = QObject::connect(page.helper.get(), &NxSpeechToTextHelper::sigPurchaseRefresh,
                                       [&](int, bool&, bool) { save(page.frame.get(), QStringLiteral("stt-pressed-cart")); });
    mouse(table, QEvent::MouseButtonPress, buttonCentre(table, 7, false));
    QObject::disconnect(connection);

    // A retry press: the spinner takes the button's place.
    mouse(table, QEvent::MouseButtonPress, buttonCentre(table, 6, false));
    mouse(table, QEvent::MouseMove, QPoint(5, 5));
    save(page.frame.get(), QStringLiteral("stt-retry-spinner"));

    // The question asked before deleting a running task (row 4).
    // The press shows the pressed button first, so wait for the box itself.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            watch.stop();
            save(box, QStringLiteral("stt-delete-box"));
            box->close();
        }
    });
    watch.start(10);
    mouse(table, QEvent::MouseButtonPress, buttonCentre(table, 4, true));
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // Keep the user's own data folder out of it.
    QTemporaryDir home;
    qputenv("NXSPEECH_HOME", home.path().toLocal8Bit());
    NxShowcaseManager::install();

    Gallery gallery(folder);
    gallery.renderSkin(0, QStringLiteral("dark"));
    gallery.renderSkin(1, QStringLiteral("light"));
    return 0;
}
