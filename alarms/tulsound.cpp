#include "tulsound.h"

TulSound::TulSound(QObject *parent)
    : QSoundEffect(parent)
{
}

void TulSound::set_playing(bool playing)
{
    if (m_playing == playing)
        return;
    m_playing = playing;
    emit playingChanged(playing);
}

void TulSound::set_muted(bool muted)
{
    if (m_muted == muted)
        return;
    m_muted = muted;
    QSoundEffect::setMuted(muted);
    emit mutedChanged(muted);
}

void TulSound::set_volume(qreal volume)
{
    if (m_volume == volume)
        return;
    m_volume = volume;
    QSoundEffect::setVolume(volume);
    emit volumeChanged(volume);
}

// Its meta-object stays in this object file: the program, which never makes a TulSound,
// then links neither the class nor the multimedia library.
#include "moc_tulsound.cpp"
