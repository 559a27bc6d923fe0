#include "keycomposer.h"
#include "corelog.h"
#include "virtualkeyinput.h"

#include <QDebug>

namespace {

bool isJamo(QChar c)
{
    return c.unicode() >= 0x3131 && c.unicode() <= 0x3163;
}

// Jamo below ㅏ are consonants, from ㅏ on vowels.
bool isConsonant(QChar c)
{
    return isJamo(c) && c.unicode() < 0x314F;
}

bool isLatinLetter(const QString &text)
{
    if (text.size() != 1)
        return false;
    const ushort c = text.at(0).unicode();
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

KeyComposer::KeyComposer(QObject *parent) : QObject(parent)
{
    m_clock.start();
}

QObject *KeyComposer::vki() const
{
    return m_vki.data();
}

void KeyComposer::setVki(QObject *vki)
{
    auto *input = qobject_cast<VirtualKeyInput *>(vki);
    if (input == m_vki)
        return;
    if (m_vki)
        disconnect(m_vki, nullptr, this, nullptr);
    m_vki = input;
    // Any key of the keyboard ends a one-shot capital, the shift key's own click aside.
    if (m_vki)
        connect(m_vki, &VirtualKeyInput::aKeyWasPressed, this, &KeyComposer::dropOneShot);
    emit vkiChanged();
}

void KeyComposer::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    commitQuietly();
    m_mode = mode;
    emit modeChanged();
}

void KeyComposer::reset()
{
    setPending(QString(), QString(), QString());
    setShift(Lower);
    m_lastShiftMs = -1;
    if (m_mode != Plain) {
        m_mode = Plain;
        emit modeChanged();
    }
}

void KeyComposer::key(const QString &text)
{
    if (m_mode == Hangul && text.size() == 1 && isJamo(text.at(0))) {
        hangulKey(text);
        return;
    }
    if (m_mode == Pinyin && isLatinLetter(text)) {
        pinyinLetter(text.toLower());
        return;
    }
    commitQuietly();
    send(text);
}

void KeyComposer::hangulKey(const QString &jamo)
{
    if (!m_vki)
        return;
    const QString candidate = m_pending + jamo;
    const QString preview = m_vki->getHangulChar(candidate);
    if (preview != jamo || m_pending.isEmpty()) {
        setPending(candidate, preview, QString());
        click();
        return;
    }
    // The key does not join the pending syllable: that goes out, and a final consonant
    // followed by a vowel moves on to begin the next syllable.
    QString out;
    QString next;
    const QChar lastPending = m_pending.at(m_pending.size() - 1);
    if (isConsonant(jamo.at(0)) || !isConsonant(lastPending)) {
        out = m_vki->getHangulChar(m_pending);
        next = jamo;
    } else {
        const QString rest = m_pending.left(m_pending.size() - 1);
        if (!rest.isEmpty())
            out = m_vki->getHangulChar(rest);
        next = QString(lastPending) + jamo;
    }
    setPending(next, m_vki->getHangulChar(next), QString());
    send(out);
}

void KeyComposer::pinyinLetter(const QString &letter)
{
    if (!m_vki)
        return;
    const QString candidate = m_pending + letter;
    QString result = m_vki->getPinyinChar(candidate);
    QString pending = candidate;
    // A letter that no syllable continues with is dropped.
    if (result.isEmpty() && !m_pending.isEmpty()) {
        pending = m_pending;
        result = m_vki->getPinyinChar(m_pending);
    }
    setPending(pending, QString(), result);
    click();
}

void KeyComposer::back()
{
    if (m_pending.isEmpty() || m_mode == Plain) {
        send(QStringLiteral("_back"));
        return;
    }
    const QString rest = m_pending.left(m_pending.size() - 1);
    if (m_mode == Hangul)
        setPending(rest, m_vki ? m_vki->getHangulChar(rest) : QString(), QString());
    else
        setPending(rest, QString(), rest.isEmpty() || !m_vki ? QString() : m_vki->getPinyinChar(rest));
    click();
}

void KeyComposer::space()
{
    if (m_pending.isEmpty() || m_mode == Plain) {
        send(QStringLiteral("_space"));
    } else if (m_mode == Hangul) {
        sendPreview();
    } else {
        setPending(QString(), QString(), QString());
        click();
    }
}

void KeyComposer::enter()
{
    if (m_pending.isEmpty() || m_mode == Plain) {
        send(QStringLiteral("_return"));
    } else if (m_mode == Hangul) {
        sendPreview();
    } else {
        setPending(QString(), QString(), QString());
        click();
    }
}

void KeyComposer::sendPreview()
{
    const QString syllable = m_preview;
    setPending(QString(), QString(), QString());
    send(syllable);
}

void KeyComposer::chooseCandidate(const QString &character)
{
    setPending(QString(), QString(), QString());
    send(character);
}

void KeyComposer::tapShift()
{
    tapShiftAt(m_clock.elapsed());
}

void KeyComposer::tapShiftAt(qint64 nowMs)
{
    const bool quick = m_lastShiftMs >= 0 && nowMs - m_lastShiftMs <= kCapsLockMs;
    m_lastShiftMs = nowMs;
    Shift next = Lower;
    if (quick && m_shift != CapsLock)
        next = CapsLock;
    else if (m_shift == Lower)
        next = OneShotUpper;
    // The shift key's own click must not end the capital it has just given.
    m_clicking = true;
    click();
    m_clicking = false;
    setShift(next);
}

void KeyComposer::dropOneShot()
{
    if (!m_clicking && m_shift == OneShotUpper)
        setShift(Lower);
}

void KeyComposer::send(const QString &text)
{
    if (!m_vki) {
        qCWarning(lcCore) << "Keyboard key" << text << "lost: no key input";
        return;
    }
    if (text.isEmpty())
        emit m_vki->aKeyWasPressed();
    else
        m_vki->generateKeyInput(text, 0);
}

void KeyComposer::click()
{
    if (m_vki)
        emit m_vki->aKeyWasPressed();
}

void KeyComposer::commitQuietly()
{
    if (m_mode == Hangul && !m_preview.isEmpty() && m_vki)
        m_vki->postKey(m_preview);
    setPending(QString(), QString(), QString());
}

void KeyComposer::setPending(const QString &pending, const QString &preview, const QString &candidates)
{
    if (pending != m_pending) {
        m_pending = pending;
        emit pendingChanged();
    }
    if (preview != m_preview) {
        m_preview = preview;
        emit previewChanged();
    }
    if (candidates != m_candidates) {
        m_candidates = candidates;
        emit candidatesChanged();
    }
}

void KeyComposer::setShift(Shift shift)
{
    if (shift == m_shift)
        return;
    m_shift = shift;
    emit shiftChanged();
}
