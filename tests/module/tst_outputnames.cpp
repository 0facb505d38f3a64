#include "INxAppInfo.h"
#include "NxDataColumns.h"
#include "NxMediaFile.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSequence.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTitleClip.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>
#include <vector>

namespace
{

constexpr int MaxNameBytes = 255;
constexpr int CompletedState = 10;

// Why Linux would refuse `name` as one entry of a folder; empty when it takes it.
QString whyNotAFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("names the folder or its parent");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("holds a slash");
    if (!name.isValidUtf16())
        return QStringLiteral("holds a lone surrogate");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("holds control character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (name.toUtf8().size() > MaxNameBytes)
        return QStringLiteral("takes %1 bytes").arg(name.toUtf8().size());
    return QString();
}

// Text Linux keeps in a file name as it is.
bool isAllowedText(const QString& text)
{
    return text.isValidUtf16() && !text.contains(QLatin1Char('/')) && !text.contains(QChar(0))
           && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// The part of `path` below `folder`; null when `path` is not directly in it.
QString entryIn(const QString& folder, const QString& path)
{
    const QString prefix = QDir::cleanPath(folder) + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return QString();
    return path.mid(prefix.size());
}

bool writeTo(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString repeated(uint codePoint, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::fromUcs4(&codePoint, 1);
    return text;
}

} // namespace

class OutputNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
    }

    void init()
    {
        QDir(subtitleFolder()).removeRecursively();
        QDir(voiceOverFolder()).removeRecursively();
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
        m_stt = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
        m_sttModel = std::make_unique<NxSpeechToTextTableModel>(nullptr);
        m_stt->setModel(m_sttModel.get());
        m_tts = std::make_unique<NxTextToSpeechHelper>(m_presenter.get());
        m_ttsModel = std::make_unique<NxTextToSpeechTableModel>(nullptr);
        m_tts->setModel(m_ttsModel.get());
    }

    void cleanup()
    {
        m_stt.reset();
        m_tts.reset();
        m_sttModel.reset();
        m_ttsModel.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    // Steps: "clip:<name>", "material:<name>", "timeline:" add a speech-to-text task,
    // "title:<name>|<text>|..." a text-to-speech one; "file:<name>" puts a file into
    // the subtitle folder (".srt") or the voice-over folder. Expected: the
    // speech-to-text names, then the text-to-speech ones.
    void outputNamesStayValidInsideAndFree_data()
    {
        columns<QStringList, QStringList>({"steps", "expected"});

        QTest::newRow("a percent sign before a number stays in every name")
            << QStringList{"clip:50%1 off", "clip:50%1 off", "clip:50%1 off", "material:%2 and %1",
                           "material:%2 and %1", "title:50%1 off|now", "title:50%1 off|now"}
            << QStringList{"Clip_50%1 off", "Clip_50%1 off_01", "Clip_50%1 off_02", "Material_%2 and %1",
                           "Material_%2 and %1_01", "50%1 off - now", "50%1 off - now_01"};
        QTest::newRow("a climb out of the folder loses its slashes, titles lose the nine illegal characters")
            << QStringList{"clip:x/../../escaped", "title:A:B|x/y", "title:A:B|x/y"}
            << QStringList{"Clip_x....escaped", "AB - xy", "AB - xy_01"};
        QTest::newRow("characters this system allows stay in subtitles")
            << QStringList{"clip:a:b*c?d\"e<f>g|h\\i"} << QStringList{"Clip_a:b*c?d\"e<f>g|h\\i"};
        QTest::newRow("control characters and NUL go")
            << QStringList{QStringLiteral("clip:a\x01") + QChar(0) + QStringLiteral("b\x7f") + QChar(0x85) + "c",
                           QStringLiteral("title:a\x07") + QChar(0) + QStringLiteral("b|c\x1b") + "d",
                           QStringLiteral("title:a\x07") + QChar(0) + QStringLiteral("b|c\x1b") + "d"}
            << QStringList{"Clip_abc", "ab - cd", "ab - cd_01"};
        QTest::newRow("a lone surrogate goes and shields no slash")
            << QStringList{QStringLiteral("clip:a") + QChar(0xD800) + QStringLiteral("/../b") + QChar(0xDC00),
                           QStringLiteral("title:") + QChar(0xDC00) + QStringLiteral("../a:b|c/d"),
                           QStringLiteral("title:") + QChar(0xDC00) + QStringLiteral("../a:b|c/d")}
            << QStringList{"Clip_a..b", "..ab - cd", "..ab - cd_01"};
        QTest::newRow("the largest 32-bit number in the folder is passed")
            << QStringList{"file:Sequence_2147483647.srt", "timeline:", "timeline:"}
            << QStringList{"Sequence_2147483648", "Sequence_2147483649"};
        QTest::newRow("the largest 64-bit number in the folder is passed")
            << QStringList{"file:Sequence_9223372036854775807.srt", "timeline:"}
            << QStringList{"Sequence_9223372036854775808"};
        QTest::newRow("a number too long to read counts as none, timelines count from 01")
            << QStringList{"file:Sequence_99999999999999999999.srt", "timeline:", "timeline:"}
            << QStringList{"Sequence_01", "Sequence_02"};
        QTest::newRow("numbered files continue after the highest")
            << QStringList{"file:Clip_Intro_07.srt", "file:Clip_Intro_03.srt", "clip:Intro", "clip:Intro",
                           "file:AB - xy_07.mp3", "title:A:B|x/y", "title:A:B|x/y"}
            << QStringList{"Clip_Intro_08", "Clip_Intro_09", "AB - xy_08", "AB - xy_09"};
        QTest::newRow("the same name in other case is taken")
            << QStringList{"file:clip_intro.srt", "clip:Intro", "clip:Intro", "file:ab - XY.mp3", "title:A:B|x/y",
                           "title:A:B|x/y"}
            << QStringList{"Clip_Intro_01", "Clip_Intro_02", "AB - xy_01", "AB - xy_02"};
        QTest::newRow("numbers count only in the exact case")
            << QStringList{"file:clip_intro_05.srt", "clip:Intro", "clip:Intro"} << QStringList{"Clip_Intro", "Clip_Intro_01"};
        QTest::newRow("words after the number count as none")
            << QStringList{"file:Clip_Intro_final.srt", "clip:Intro", "clip:Intro"} << QStringList{"Clip_Intro", "Clip_Intro_01"};
        QTest::newRow("a task's next number held by a file written since moves on")
            << QStringList{"clip:Intro", "clip:Intro", "file:Clip_Intro_02.srt", "clip:Intro"}
            << QStringList{"Clip_Intro", "Clip_Intro_01", "Clip_Intro_03"};
        QTest::newRow("title text of several boxes, simplified, cut to 25")
            << QStringList{"title:Title|  Hello   big | wide world out there "}
            << QStringList{"Title - Hello big wide wo"};
        QTest::newRow("a title without text") << QStringList{"title:Empty?", "title:Empty?"}
                                              << QStringList{"Empty - ", "Empty - _01"};
        const QString smiles = repeated(0x1F600, 20);
        QTest::newRow("a character outside the basic plane counts as one")
            << QStringList{"title:" + smiles + "|xyz"} << QStringList{smiles + " - xy"};
        // The name and " - x" fill 24 places: the cut falls on the emoji.
        const QString name(20, QLatin1Char('A'));
        QTest::newRow("titles cut before different emoji are told apart")
            << QStringList{"title:" + name + "|x" + repeated(0x1F600, 1) + " smiles",
                           "title:" + name + "|x" + repeated(0x1F601, 1) + " grins"}
            << QStringList{name + " - x" + repeated(0x1F600, 1), name + " - x" + repeated(0x1F601, 1)};
    }

    void outputNamesStayValidInsideAndFree()
    {
        QFETCH(QStringList, steps); QFETCH(QStringList, expected);

        QVERIFY(QDir().mkpath(subtitleFolder()) && QDir().mkpath(voiceOverFolder()));
        NxSequence sequence(QStringLiteral("Main"), {25, 1});
        std::vector<std::unique_ptr<NxMediaFile>> materials;
        for (const QString& step : qAsConst(steps)) {
            const QString kind = step.section(QLatin1Char(':'), 0, 0);
            const QString name = step.mid(kind.size() + 1);
            if (kind == QLatin1String("file")) {
                const QString folder = name.endsWith(QLatin1String(".srt")) ? subtitleFolder() : voiceOverFolder();
                QVERIFY(writeTo(folder + QLatin1Char('/') + name, QByteArray()));
            } else if (kind == QLatin1String("timeline")) {
                QVERIFY(m_stt->addTimelineTask(&sequence, QStringLiteral("en-US"), false));
            } else if (kind == QLatin1String("material")) {
                materials.push_back(std::make_unique<NxMediaFile>(QStringLiteral("/media/a.wav"), INxAbstractMedia::Audio,
                                                                  NxRational{25, 1}, 25, name));
                QVERIFY(m_stt->addMaterialTasks({materials.back().get()}, QStringLiteral("en-US"), false));
            } else if (kind == QLatin1String("title")) {
                const QStringList parts = name.split(QLatin1Char('|'));
                QVERIFY(addVoiceOver({title(parts.first(), parts.mid(1))}));
            } else {
                QVERIFY(m_stt->addClipTasks({clip(name)}, QStringLiteral("en-US"), false));
            }
        }
        QStringList names;
        for (const NxSpeechToText::Task* task : sttTasks()) {
            names.append(task->fileName);
            QCOMPARE(entryIn(subtitleFolder(), task->destPath), task->fileName + QStringLiteral(".srt"));
            QCOMPARE(whyNotAFileName(task->fileName + QStringLiteral(".srt")), QString());
        }
        for (const NxTextToSpeech::Task* task : ttsTasks()) {
            names.append(task->fileName);
            QCOMPARE(entryIn(voiceOverFolder(), task->destPath), task->fileName + QStringLiteral(".mp3"));
            QCOMPARE(whyNotAFileName(task->fileName + QStringLiteral(".kvtxt")), QString());
        }
        QCOMPARE(names, expected);
    }

    void longSubtitleFileNamesAreCutBetweenWholeCharacters()
    {
        const QStringList longNames = {repeated(0x4E2D, 100), repeated(0x1F600, 100),
                                       QStringLiteral("a") + repeated(0x1F600, 70), repeated(0xE9, 200)};
        for (const QString& name : longNames) {
            m_stt->addClipTasks({clip(name), clip(name)}, QStringLiteral("en-US"), false);
            const QList<NxSpeechToText::Task*> tasks = sttTasks();
            const NxSpeechToText::Task* first = tasks.at(tasks.size() - 2);
            const NxSpeechToText::Task* second = tasks.last();
            for (const NxSpeechToText::Task* task : {first, second})
                QCOMPARE(whyNotAFileName(entryIn(subtitleFolder(), task->destPath)), QString());
            QVERIFY2(QString(QStringLiteral("Clip_") + name).startsWith(first->fileName), qPrintable(first->fileName));
            QVERIFY2(first->fileName.toUtf8().size() > MaxNameBytes - 40, "cut far more than the limit needs");
            QCOMPARE(second->fileName, first->fileName + QStringLiteral("_01"));
        }
    }

    void subtitleFoldersAndSentencesStayValidAndInside_data()
    {
        // folders: how each folder's name starts
        // sentences: the first sentence of each task
        columns<QStringList, QStringList, QStringList>({"clipNames", "folders", "sentences"});

        QTest::newRow("a climb out of the folder stays inside")
            << QStringList{"x/../../escaped"} << QStringList{"x....escaped"} << QStringList{"x....escaped_1.mp3"};
        QTest::newRow("characters this system allows stay")
            << QStringList{"A:B*?<|>"} << QStringList{"A:B*?<|>"} << QStringList{"A:B*?<|>_1.mp3"};
        QTest::newRow("names the folder itself answers to are numbered")
            << QStringList{"", ".", ".."} << QStringList{" 1", ". 1", ".. 1"}
            << QStringList{"_1.mp3", "._1.mp3", ".._1.mp3"};
        QTest::newRow("a percent sign before a number stays")
            << QStringList{"50%1", "50%1"} << QStringList{"50%1", "50%1_1"} << QStringList{"50%1_1.mp3", "50%1_1.mp3"};
        const QString longName = repeated(0x4E2D, 84); // 252 bytes
        // Cut to leave room for numbering, but not much further.
        QTest::newRow("a name of 252 bytes still takes every sentence")
            << QStringList{longName} << QStringList{longName.left(60)} << QStringList{QString()};
    }

    void subtitleFoldersAndSentencesStayValidAndInside()
    {
        QFETCH(QStringList, clipNames); QFETCH(QStringList, folders); QFETCH(QStringList, sentences);

        QList<INxClip*> clips;
        for (const QString& name : qAsConst(clipNames))
            clips.append(clip(name, INxClip::Subtitle));
        QVERIFY(addVoiceOver(clips));
        const QList<NxTextToSpeech::Task*> tasks = ttsTasks();
        QCOMPARE(tasks.size(), clipNames.size());
        for (int i = 0; i < tasks.size(); ++i) {
            const QString folder = entryIn(voiceOverFolder(), tasks.at(i)->destPath);
            QCOMPARE(whyNotAFileName(folder), QString());
            QVERIFY(QFileInfo(tasks.at(i)->destPath).isDir());
            QVERIFY2(folder.startsWith(folders.at(i)), qPrintable(folder));
            for (int index : {0, 11, std::numeric_limits<int>::max()}) {
                QString target;
                QVERIFY(deliverSentence(ttsManager()->addedIds.at(i), index, &target));
                const QString sentence = entryIn(tasks.at(i)->destPath, target);
                QCOMPARE(whyNotAFileName(sentence), QString());
                QVERIFY(QFile::exists(target));
                if (index == 0 && !sentences.at(i).isEmpty())
                    QCOMPARE(sentence, sentences.at(i));
                QVERIFY(clipNames.at(i).startsWith(sentence.left(sentence.lastIndexOf(QLatin1Char('_'))))
                        || !isAllowedText(clipNames.at(i)));
            }
        }
    }

    void namesAreHeldOnDiskUntilWrittenOrDeleted()
    {
        // Names that tasks of another process hold.
        QVERIFY(QDir().mkpath(subtitleFolder()) && QDir().mkpath(voiceOverFolder()));
        QVERIFY(writeTo(subtitleFolder() + "/.Material_Interview.reserved", QByteArray()));
        QVERIFY(writeTo(voiceOverFolder() + "/.Intro - Welcome.reserved", QByteArray()));
        NxMediaFile media(QStringLiteral("/media/Interview.wav"), INxAbstractMedia::Audio, {25, 1}, 250);
        QVERIFY(m_stt->addMaterialTasks({&media}, QStringLiteral("en-US"), false));
        QVERIFY(addVoiceOver({title("Intro", {"Welcome"}), title("Intro", {"Welcome"})}));
        const NxSpeechToText::Task* subtitles = sttTasks().at(0);
        QCOMPARE(subtitles->fileName, QStringLiteral("Material_Interview_01"));
        QCOMPARE(ttsTasks().at(0)->fileName, QStringLiteral("Intro - Welcome_01"));
        QCOMPARE(ttsTasks().at(1)->fileName, QStringLiteral("Intro - Welcome_02"));

        // This process's tasks hold theirs until their files are written or they are deleted.
        const QString subtitlesHeld = subtitleFolder() + "/.Material_Interview_01.reserved";
        const QString writtenHeld = voiceOverFolder() + "/.Intro - Welcome_01.reserved";
        const QString deletedHeld = voiceOverFolder() + "/.Intro - Welcome_02.reserved";
        for (const QString& held : {subtitlesHeld, writtenHeld, deletedHeld})
            QVERIFY2(QFile::exists(held), qPrintable(held));
        sttManager()->reportState(sttManager()->addedIds.at(0), CompletedState, 0, 100);
        ttsManager()->reportState(ttsManager()->addedIds.at(0), CompletedState, 0, 100, source("audio"));
        ttsManager()->reportState(ttsManager()->addedIds.at(1), NxTextToSpeechTaskInfo::ConvertFailed);
        QTRY_VERIFY(!QFile::exists(subtitlesHeld));
        QTRY_VERIFY(!QFile::exists(writtenHeld));
        QVERIFY(QFile::exists(subtitles->destPath));
        QTRY_COMPARE(ttsTasks().at(1)->status, int(NxTextToSpeech::ConvertFailed));
        QVERIFY(QFile::exists(deletedHeld));
        m_tts->slotRemoveTask(1);
        QVERIFY(!QFile::exists(deletedHeld));
    }

    void aResultThatCannotBeWrittenFailsItsTaskUntilARetryWritesIt()
    {
        NxMediaFile media(QStringLiteral("/media/Interview.wav"), INxAbstractMedia::Audio, {25, 1}, 250);
        QVERIFY(m_stt->addMaterialTasks({&media}, QStringLiteral("en-US"), false));
        QVERIFY(addVoiceOver({title("Intro", {"Welcome"})}));
        const NxSpeechToText::Task* subtitles = sttTasks().at(0);
        const NxTextToSpeech::Task* voiceOver = ttsTasks().at(0);
        // Another program wrote where the tasks are to write.
        QVERIFY(writeTo(subtitles->destPath, "theirs") && writeTo(voiceOver->destPath, "theirs"));

        QSignalSpy subtitleFiles(m_presenter.get(), &NxSpeechServicePresenter::sigSrtFileGenerate);
        QSignalSpy audioFiles(m_presenter.get(), &NxSpeechServicePresenter::sigAudioFileGenerate);
        const int sttId = sttManager()->addedIds.at(0);
        sttManager()->reportState(sttId, CompletedState, 0, 100);
        ttsManager()->reportState(ttsManager()->addedIds.at(0), CompletedState, 0, 100, source("ours"));
        QTRY_COMPARE(subtitles->status, int(NxSpeechToText::TranscribeFailed));
        QTRY_COMPARE(voiceOver->status, int(NxTextToSpeech::DownloadFailed));
        QCOMPARE(subtitleFiles.count(), 0);
        QCOMPARE(audioFiles.count(), 0);
        QCOMPARE(contentOf(subtitles->destPath), QByteArray("theirs"));
        QCOMPARE(contentOf(voiceOver->destPath), QByteArray("theirs"));

        // Once the names are free, a retry writes what was made before; nothing is made again.
        QVERIFY(QFile::remove(subtitles->destPath) && QFile::remove(voiceOver->destPath));
        m_stt->slotRefreshTask(0);
        m_tts->slotRefreshTask(0);
        QTRY_COMPARE(subtitleFiles.count(), 1);
        QTRY_COMPARE(audioFiles.count(), 1);
        QCOMPARE(subtitles->status, int(NxSpeechToText::Completed));
        QCOMPARE(voiceOver->status, int(NxTextToSpeech::Completed));
        QCOMPARE(contentOf(voiceOver->destPath), QByteArray("ours"));
        QVERIFY(!sttManager()->calls.contains(QStringLiteral("retryTask:%1").arg(sttId)));
    }

private:
    NxScriptedSpeechToTextManager* sttManager() const { return NxScriptedSpeechToTextManager::latest(); }
    NxScriptedTextToSpeechManager* ttsManager() const { return NxScriptedTextToSpeechManager::latest(); }
    NxTimelineClip* clip(const QString& name, int type = INxClip::Video)
    {
        m_clips.push_back(std::make_unique<NxTimelineClip>(name, type, NxRational{25, 1}, nullptr,
                                                           NxTimelineClip::Placement{0, 250, 1000}));
        return m_clips.back().get();
    }
    NxTitleClip* title(const QString& name, const QStringList& texts)
    {
        auto made = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 100, 250);
        for (const QString& text : texts)
            made->addText(text);
        m_clips.push_back(std::move(made));
        return static_cast<NxTitleClip*>(m_clips.back().get());
    }
    template <typename Model>
    static auto tasksOf(const Model& model)
    {
        QList<decltype(Model::taskFromVariant(QVariant()))> tasks;
        for (int row = 0; row < model.rowCount(); ++row)
            tasks.append(Model::taskFromVariant(model.index(row, 0).data(Qt::UserRole)));
        return tasks;
    }
    QList<NxSpeechToText::Task*> sttTasks() const { return tasksOf(*m_sttModel); }
    QList<NxTextToSpeech::Task*> ttsTasks() const { return tasksOf(*m_ttsModel); }
    bool addVoiceOver(const QList<INxClip*>& clips)
    {
        TextToSpeechTaskParam param;
        param.attachResult = true;
        param.languageCode = QStringLiteral("en-US");
        param.voiceCode = QStringLiteral("Andy");
        return m_tts->addTasks(clips, param);
    }
    // Delivers one sentence of a subtitle task; `target` is where it was put.
    bool deliverSentence(int taskId, int index, QString* target)
    {
        QSignalSpy products(m_presenter.get(), &NxSpeechServicePresenter::sigSrtProductFileGenerate);
        ttsManager()->productFromWorker(taskId, index, 0, source("sentence"));
        if (!products.wait(5000))
            return false;
        *target = products.first().first().toString();
        return true;
    }
    static QString subtitleFolder()
    {
        return QDir::cleanPath(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder));
    }
    static QString voiceOverFolder()
    {
        return QDir::cleanPath(INxAppInfo::getInstance()->getPath(INxAppInfo::TextToSpeechOutputFolder));
    }
    // A product file of the manager's storage, each with content of its own.
    QString source(const QByteArray& content)
    {
        const QString path = m_storage.filePath(QStringLiteral("product%1.mp3").arg(m_sources++));
        return writeTo(path, content) ? path : QString();
    }

    NxTestHome m_home;
    QTemporaryDir m_storage; // the managers' own storage
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxSpeechToTextTableModel> m_sttModel;
    std::unique_ptr<NxSpeechToTextHelper> m_stt;
    std::unique_ptr<NxTextToSpeechTableModel> m_ttsModel;
    std::unique_ptr<NxTextToSpeechHelper> m_tts;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
    int m_sources = 0;
};

QTEST_MAIN(OutputNamesTest)
#include "tst_outputnames.moc"
