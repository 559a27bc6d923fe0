#include "sound.h"

#include "commandlauncher.h"

#include <QFile>
#include <QtEndian>

namespace {

const QString kAplay = QStringLiteral("/usr/bin/aplay");
const QString kGstLaunch = QStringLiteral("/usr/bin/gst-launch-0.10");
const QString kAmixer = QStringLiteral("/usr/bin/amixer");

bool isWav(const QString &file)
{
    return file.endsWith(QLatin1String(".wav")) || file.endsWith(QLatin1String(".WAV"));
}

} // namespace

Sound::Sound(QObject *parent)
    : QObject(parent)
{
    m_repeatTimer.setSingleShot(true);
    m_repeatTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_repeatTimer, &QTimer::timeout, this, &Sound::timeout);
}

Sound::~Sound()
{
    abandonProcess();
}

int Sound::wavLengthMs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Walk the chunks; each is a 4-byte id and a 4-byte little-endian size.
    while (true) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(size);
            if (size < 16 || quint32(fmt.size()) < size)
                return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size % 2)
                file.read(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            const quint64 available = quint64(qMax<qint64>(0, file.size() - file.pos()));
            return int(qMin<quint64>(size, available) * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + (size % 2))) {
            return -1;
        }
    }
}

void Sound::play(const QString &filename, int repeatCount)
{
    m_repeatCount = repeatCount;
    if (!isPlaying()) {
        m_file = filename;
        startFile();
        return;
    }
    if (m_file == filename)
        return; // the sound goes on; only the count has changed
    abandonProcess();
    m_file = filename;
    startFile();
}

void Sound::play()
{
    abandonProcess();
    startFile();
}

bool Sound::isPlaying()
{
    return (m_process && m_process->isRunning()) || m_repeatTimer.isActive();
}

void Sound::stop(bool clip)
{
    m_repeatCount = 0;
    if (m_repeatTimer.isActive()) {
        // Between two plays of a failing file: nothing more will play.
        m_repeatTimer.stop();
        emit finished();
        return;
    }
    if (clip && m_process) {
        abandonProcess();
        emit finished();
    }
}

void Sound::setVolume(float volume)
{
    m_volume = double(volume) * 100;
    CommandLauncher::startDetached(kAmixer, {QStringLiteral("-q"), QStringLiteral("set"),
                                             QStringLiteral("'DAC2 Digital Fine'"),
                                             QString::number(m_volume, 'g', 6) + QLatin1Char('%')});
}

double Sound::getVolume()
{
    return m_volume / 100;
}

void Sound::setSpeakerOn(bool onStatus)
{
    Q_UNUSED(onStatus)
}

void Sound::audioFinished()
{
}

void Sound::timeout()
{
    startFile();
}

void Sound::startFile()
{
    m_repeatTimer.stop();
    if (m_lengthOfFile != m_file) {
        m_lengthOfFile = m_file;
        m_fileLengthMs = isWav(m_file) ? wavLengthMs(m_file) : -1;
    }
    const quint64 generation = ++m_generation;
    const bool wav = isWav(m_file);
    const QString program = wav ? kAplay : kGstLaunch;
    const QStringList arguments = wav
        ? QStringList{QStringLiteral("-q"), m_file}
        : QStringList{QStringLiteral("playbin"), QStringLiteral("uri=file://") + m_file};
    m_playClock.start();
    m_process = CommandLauncher::start(program, arguments, this,
                                       [this, generation](const CommandResult &result) {
                                           ppfinished(generation, result);
                                       });
}

void Sound::ppfinished(quint64 generation, const CommandResult &result)
{
    if (generation != m_generation)
        return; // a killed player: its end belongs to no sequence any more
    m_process.clear();
    if (!result.started) {
        m_repeatCount = 0; // cannot play at all: the sequence stops silently
        return;
    }
    if (m_repeatCount != -1) {
        --m_repeatCount;
        if (m_repeatCount <= 0) {
            m_repeatCount = 0;
            emit finished();
            return;
        }
    }
    const int period = m_fileLengthMs > 0 ? m_fileLengthMs : unknownLengthMs;
    const qint64 early = period - m_playClock.elapsed();
    if (early > 0)
        m_repeatTimer.start(int(early));
    else
        startFile();
}

void Sound::abandonProcess()
{
    ++m_generation;
    m_repeatTimer.stop();
    if (m_process && m_process->isRunning())
        m_process->kill();
    m_process.clear();
}
