#ifndef SOUNDEFFECT_H
#define SOUNDEFFECT_H

#include <QObject>
#include <QString>

class Sound;

// One named sound (file, loop count, volume, muted flag) that borrows the shared
// player while it plays. Only one effect is audible at a time: the last to play.
class SoundEffect : public QObject
{
    Q_OBJECT

public:
    explicit SoundEffect(QObject *parent = nullptr);
    ~SoundEffect() override;

    // The one player of the program; created on first use when main has not made it.
    static Sound *soundPlayer;
    // The effect that last started the player (null until the first play).
    static SoundEffect *curSoundEffect;
    static Sound *player();

    // Set by the owner right after construction.
    void setFile(const QString &file) { m_file = file; }
    QString file() const { return m_file; }
    void setLoops(int loops) { m_loops = loops; }
    int loops() const { return m_loops; }
    bool muted() const { return m_muted; }
    qreal volume() const { return m_volume; }

public slots:
    void play();
    bool isPlaying();
    void stop();
    void setMuted(bool muted);
    void setVolume(qreal volume);

signals:
    void playingChanged(bool playing);

private:
    QString m_file;
    int m_loops = 0;
    bool m_muted = false;
    qreal m_volume = 1.0;
};

#endif // SOUNDEFFECT_H
