#ifndef WAVFILE_H
#define WAVFILE_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtEndian>

// Writes a silent PCM WAV file (mono, 16 bit) of the given length, for tests that need
// sounds shorter than the cabinet's own.
inline bool writeWavFile(const QString &path, int lengthMs, int rate = 22050)
{
    const quint32 dataBytes = quint32(qint64(rate) * lengthMs / 1000) * 2;
    QByteArray header(44, '\0');
    auto put32 = [&header](int at, quint32 v) { qToLittleEndian<quint32>(v, header.data() + at); };
    auto put16 = [&header](int at, quint16 v) { qToLittleEndian<quint16>(v, header.data() + at); };
    header.replace(0, 4, "RIFF");
    put32(4, 36 + dataBytes);
    header.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, 1);            // PCM
    put16(22, 1);            // mono
    put32(24, quint32(rate));
    put32(28, quint32(rate) * 2);
    put16(32, 2);
    put16(34, 16);
    header.replace(36, 4, "data");
    put32(40, dataBytes);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(header) == header.size()
        && file.write(QByteArray(int(dataBytes), '\0')) == int(dataBytes);
}

#endif // WAVFILE_H
