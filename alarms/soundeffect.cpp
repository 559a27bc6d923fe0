#include "soundeffect.h"

#include "sound.h"

Sound *SoundEffect::soundPlayer = nullptr;
SoundEffect *SoundEffect::curSoundEffect = nullptr;

SoundEffect::SoundEffect(QObject *parent)
    : QObject(parent)
{
}

SoundEffect::~SoundEffect()
{
    if (curSoundEffect == this) {
        // Its sound must not outlive it, nor may the player point at a dead effect.
        if (soundPlayer && soundPlayer->isPlaying())
            soundPlayer->stop(true);
        curSoundEffect = nullptr;
    }
}

Sound *SoundEffect::player()
{
    if (!soundPlayer)
        soundPlayer = new Sound;
    return soundPlayer;
}

void SoundEffect::play()
{
    Sound *sound = player();
    sound->setVolume(m_muted ? 0.0f : float(m_volume));
    sound->play(m_file, m_loops);
    curSoundEffect = this;
}

bool SoundEffect::isPlaying()
{
    return curSoundEffect == this && player()->isPlaying();
}

void SoundEffect::stop()
{
    if (isPlaying())
        player()->stop(true);
}

void SoundEffect::setMuted(bool muted)
{
    m_muted = muted;
    if (muted && isPlaying())
        player()->setVolume(0.0f);
}

void SoundEffect::setVolume(qreal volume)
{
    m_volume = volume;
}
