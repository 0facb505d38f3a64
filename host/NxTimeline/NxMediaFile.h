#pragma once

#include "INxAbstractMedia.h"
#include "INxAbstractMediaItem.h"
#include "INxMediaObject.h"

// A material of the media library backed by one file. An offline material
// (its file gone) has no media object.
class NxMediaFile final : public INxAbstractMedia, public INxAbstractMediaItem, public INxMediaObject
{
public:
    NxMediaFile(const QString& filePath, int mediaType, NxRational frameRate, qint64 length,
                const QString& displayName = QString());

    QString displayName() const override;
    int mediaType() const override;
    INxMediaObject* media() const override;

    QString filePath() const override;
    NxRational frameRate() const override;
    qint64 length() const override;

    void setOffline(bool offline);
    bool isOffline() const;
    // The file moved: the material now reads it from `filePath`.
    void setFilePath(const QString& filePath);

private:
    QString m_filePath;
    QString m_displayName;
    int m_mediaType;
    NxRational m_frameRate;
    qint64 m_length;
    bool m_offline = false;
};
