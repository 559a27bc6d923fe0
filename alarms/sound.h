#ifndef SOUND_H
#define SOUND_H

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class LaunchedCommand;
struct CommandResult;

// The one sound player of the program: runs the device's audio tools as child
// processes, one at a time ("/usr/bin/aplay" for WAV files, "/usr/bin/gst-launch-0.10"
// for anything else) and sets the output level with "/usr/bin/amixer".
//
// A play that ends sooner than its file lasts (no sound card, missing or broken file)
// is repeated only once the file's length (1 s when unknown) has passed since it
// started, so a looping alarm never turns into a storm of processes. A player killed
// because another file replaced it, or because the sequence was stopped, never counts
// as a play of whatever comes next.
class Sound : public QObject
{
    Q_OBJECT

public:
    explicit Sound(QObject *parent = nullptr);
    ~Sound() override;

    QString currentFile() const { return m_file; }
    int repeatCount() const { return m_repeatCount; }

    // Length of a PCM WAV file from its header, -1 when it cannot be read.
    static int wavLengthMs(const QString &path);
    // The shortest period at which a failing file is retried when its length is unknown.
    static constexpr int unknownLengthMs = 1000;

public slots:
    void play(const QString &filename, int repeatCount = 0);
    void play();
    bool isPlaying();
    void stop(bool clip);
    void setVolume(float volume);
    double getVolume();
    void setSpeakerOn(bool onStatus);

signals:
    // The last play of a sequence has ended (or the sequence was stopped).
    void finished();

private slots:
    void audioFinished();
    void timeout();

private:
    void startFile();
    void ppfinished(quint64 generation, const CommandResult &result);
    void abandonProcess();

    QPointer<LaunchedCommand> m_process;
    QTimer m_repeatTimer;       // holds back the repeat of a play that ended early
    QString m_file;
    int m_repeatCount = 0;
    double m_volume = 100.0;
    quint64 m_generation = 0;   // identifies the process whose end still counts
    QElapsedTimer m_playClock;
    int m_fileLengthMs = -1;
    QString m_lengthOfFile;     // the file m_fileLengthMs was read from
};

#endif // SOUND_H
