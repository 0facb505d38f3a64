#include "NxMediaFile.h"

#include <QFileInfo>

NxMediaFile::NxMediaFile(const QString& filePath, int mediaType, NxRational frameRate, qint64 length,
                         const QString& displayName)
    : m_filePath(filePath)
    , m_displayName(displayName.isEmpty() ? QFileInfo(filePath).completeBaseName() : displayName)
    , m_mediaType(mediaType)
    , m_frameRate(frameRate)
    , m_length(length)
{
}

QString NxMediaFile::displayName() const { return m_displayName; }
int NxMediaFile::mediaType() const { return m_mediaType; }

INxMediaObject* NxMediaFile::media() const
{
    return m_offline ? nullptr : const_cast<NxMediaFile*>(this);
}

QString NxMediaFile::filePath() const { return m_filePath; }
NxRational NxMediaFile::frameRate() const { return m_frameRate; }
qint64 NxMediaFile::length() const { return m_length; }
void NxMediaFile::setOffline(bool offline) { m_offline = offline; }
bool NxMediaFile::isOffline() const { return m_offline; }
void NxMediaFile::setFilePath(const QString& filePath) { m_filePath = filePath; }
