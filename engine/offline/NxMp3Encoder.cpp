#include "NxMp3Encoder.h"

#include "NxCheckedFile.h"

#include <lame/lame.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace
{
struct LameDeleter
{
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameDeleter>;

// LAME asks for 1.25 times the samples plus 7200 bytes of room per call.
constexpr int ChunkSamples = 8192;
constexpr int ChunkBytes = ChunkSamples * 5 / 4 + 7200;

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}
}

bool NxMp3Encoder::encode(const QVector<qint16>& samples, int sampleRate, const QString& filePath, QString* error)
{
    const Lame lame(lame_init());
    if (!lame)
        return fail(error, QStringLiteral("LAME could not start"));
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_in_samplerate(lame.get(), sampleRate);
    lame_set_out_samplerate(lame.get(), sampleRate);
    lame_set_brate(lame.get(), BitRate);
    // The header frame tells decoders LAME's delay and padding, so the
    // decoded length matches the PCM.
    lame_set_bWriteVbrTag(lame.get(), 1);
    if (lame_init_params(lame.get()) < 0)
        return fail(error, QStringLiteral("LAME refused %1 Hz mono").arg(sampleRate));

    QByteArray mp3;
    mp3.reserve(int(qint64(samples.size()) * BitRate * 125 / qMax(1, sampleRate)) + ChunkBytes);
    unsigned char chunk[ChunkBytes];
    for (int offset = 0; offset < samples.size(); offset += ChunkSamples) {
        const int count = qMin(ChunkSamples, samples.size() - offset);
        const int written = lame_encode_buffer(lame.get(), samples.constData() + offset, nullptr, count, chunk,
                                               ChunkBytes);
        if (written < 0)
            return fail(error, QStringLiteral("LAME failed with %1").arg(written));
        mp3.append(reinterpret_cast<const char*>(chunk), written);
    }
    const int flushed = lame_encode_flush(lame.get(), chunk, ChunkBytes);
    if (flushed < 0)
        return fail(error, QStringLiteral("LAME failed with %1").arg(flushed));
    mp3.append(reinterpret_cast<const char*>(chunk), flushed);

    // LAME left an empty first frame for the tag; it is the file's start.
    unsigned char tag[2880];
    const size_t tagSize = lame_get_lametag_frame(lame.get(), tag, sizeof tag);
    if (tagSize > 0 && tagSize <= sizeof tag && int(tagSize) <= mp3.size())
        mp3.replace(0, int(tagSize), QByteArray(reinterpret_cast<const char*>(tag), int(tagSize)));

    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // A faster try of the same sentence replaces the slower one whole.
    QString reason;
    if (!NxCheckedFile::writeFile(filePath, mp3, NxCheckedFile::Commit::Replace, &reason,
                                  NxCheckedFile::Sync::WorkingFile))
        return fail(error, reason);
    return true;
}
