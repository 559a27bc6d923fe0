#ifndef TULSOUND_H
#define TULSOUND_H

#include <QSoundEffect>

// A QSoundEffect that keeps its playing, muted and volume values in notifying
// properties of its own. The cabinet's sounds go through Sound and SoundEffect; nothing
// in the program makes one of these, so the program never loads the multimedia library.
class TulSound : public QSoundEffect
{
    Q_OBJECT
    Q_PROPERTY(bool playing READ get_playing WRITE set_playing NOTIFY playingChanged)
    Q_PROPERTY(bool muted READ get_muted WRITE set_muted NOTIFY mutedChanged)
    Q_PROPERTY(qreal volume READ get_volume WRITE set_volume NOTIFY volumeChanged)

public:
    explicit TulSound(QObject *parent = nullptr);

    bool get_playing() const { return m_playing; }
    bool get_muted() const { return m_muted; }
    qreal get_volume() const { return m_volume; }

public slots:
    void set_playing(bool playing);
    void set_muted(bool muted);
    void set_volume(qreal volume);

signals:
    void playingChanged(bool playing);
    void mutedChanged(bool muted);
    void volumeChanged(qreal volume);

private:
    bool m_playing = false;
    bool m_muted = false;
    qreal m_volume = 1.0;
};

#endif // TULSOUND_H
