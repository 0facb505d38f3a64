#include "NxVoiceListCache.h"

#include "INxAppInfo.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QtDebug>

namespace
{
const QString FileName = QStringLiteral("/voice_list.json");
const QString IdKey = QStringLiteral("id");
const QString ShowNameKey = QStringLiteral("showName");
const QString CodeKey = QStringLiteral("code");
const QString LanguageCodeKey = QStringLiteral("languageCode");
const QString MaleKey = QStringLiteral("male");

// A real catalogue takes a few hundred bytes per voice; anything this large
// is not one, and parsing it would stall the dialog.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

QJsonObject toJson(const NxTextToSpeechVoiceInfo& voice)
{
    return QJsonObject{{IdKey, voice.id},
                       {CodeKey, voice.code},
                       {LanguageCodeKey, voice.languageCode},
                       {MaleKey, voice.male},
                       {ShowNameKey, voice.showName}};
}

// False when the member lacks a key.
bool fromJson(const QJsonObject& member, NxTextToSpeechVoiceInfo& voice)
{
    const QJsonValue id = member.value(IdKey);
    const QJsonValue showName = member.value(ShowNameKey);
    const QJsonValue code = member.value(CodeKey);
    const QJsonValue languageCode = member.value(LanguageCodeKey);
    const QJsonValue male = member.value(MaleKey);
    for (const QJsonValue& value : {id, showName, code, languageCode, male})
        if (value.isUndefined())
            return false;
    voice.id = id.toInt();
    voice.showName = showName.toString();
    voice.code = code.toString();
    voice.languageCode = languageCode.toString();
    voice.male = male.toBool();
    return true;
}
}

namespace NxVoiceListCache
{
QString filePath()
{
    return INxAppInfo::getInstance()->getPath(INxAppInfo::VoiceListCacheFolder) + FileName;
}

bool write(const QString& path, const QList<NxTextToSpeechVoiceInfo>& voices)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QJsonObject catalogue;
    int position = 0;
    for (const NxTextToSpeechVoiceInfo& voice : voices)
        catalogue.insert(QString::number(++position), toJson(voice));
    file.write(QJsonDocument(catalogue).toJson(QJsonDocument::Indented));
    return file.commit();
}

QList<NxTextToSpeechVoiceInfo> parse(const QByteArray& content)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (document.isNull())
        qDebug() << error.errorString();

    QList<NxTextToSpeechVoiceInfo> voices;
    const QJsonObject catalogue = document.object();
    for (auto member = catalogue.constBegin(); member != catalogue.constEnd(); ++member) {
        const QJsonObject entry = member.value().toObject();
        NxTextToSpeechVoiceInfo voice;
        if (!entry.isEmpty() && fromJson(entry, voice))
            voices.append(voice);
    }
    return voices;
}

bool read(const QString& path, QList<NxTextToSpeechVoiceInfo>& voices)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > MaxFileSize) {
        qDebug() << "voice cache too large:" << file.size();
        voices.clear();
        return true;
    }
    voices = parse(file.readAll());
    return true;
}
}
