#ifndef KEYCOMPOSER_H
#define KEYCOMPOSER_H

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class VirtualKeyInput;

// What the alphabetic keyboard does with each tap: Korean syllables composed from jamo
// keys (the pending keys and their preview), Chinese candidates for typed pinyin, and
// the shift key. Every tap clicks once, through the key sent or aKeyWasPressed alone.
class KeyComposer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *vki READ vki WRITE setVki NOTIFY vkiChanged)
    Q_PROPERTY(Mode mode READ mode WRITE setMode NOTIFY modeChanged)
    Q_PROPERTY(Shift shift READ shift NOTIFY shiftChanged)
    Q_PROPERTY(QString pending READ pending NOTIFY pendingChanged)
    Q_PROPERTY(QString preview READ preview NOTIFY previewChanged)
    Q_PROPERTY(QString candidates READ candidates NOTIFY candidatesChanged)

public:
    enum Mode { Plain, Hangul, Pinyin };
    Q_ENUM(Mode)
    enum Shift { Lower, OneShotUpper, CapsLock };
    Q_ENUM(Shift)

    // Two shift taps closer than this lock the capitals.
    static constexpr qint64 kCapsLockMs = 400;

    explicit KeyComposer(QObject *parent = nullptr);

    QObject *vki() const;
    void setVki(QObject *vki);
    Mode mode() const { return m_mode; }
    // Leaving a mode commits a pending syllable and drops pending pinyin.
    void setMode(Mode mode);
    Shift shift() const { return m_shift; }
    QString pending() const { return m_pending; }
    QString preview() const { return m_preview; }
    QString candidates() const { return m_candidates; }

    // The shift tap at a given time in milliseconds (tests), tapShift uses a clock.
    void tapShiftAt(qint64 nowMs);

public slots:
    // A key that types its text ("ㄱ", "a", "7", ...).
    void key(const QString &text);
    void back();
    void space();
    void enter();
    // The preview key: sends the composed syllable.
    void sendPreview();
    // A key of the candidate bar.
    void chooseCandidate(const QString &character);
    void tapShift();
    // Back to lower case, nothing pending, no mode (the keyboard is shown afresh).
    void reset();
    // The click of a key that types nothing (symbols, language, "EN").
    void click();

signals:
    void vkiChanged();
    void modeChanged();
    void shiftChanged();
    void pendingChanged();
    void previewChanged();
    void candidatesChanged();

private:
    void hangulKey(const QString &jamo);
    void pinyinLetter(const QString &letter);
    // Sends the text with its click; a tap that sends nothing clicks alone.
    void send(const QString &text);
    // A pending syllable goes to the field (without a click), pending pinyin is dropped.
    void commitQuietly();
    void setPending(const QString &pending, const QString &preview, const QString &candidates);
    void setShift(Shift shift);
    void dropOneShot();

    QPointer<VirtualKeyInput> m_vki;
    Mode m_mode = Plain;
    Shift m_shift = Lower;
    QString m_pending;
    QString m_preview;
    QString m_candidates;
    QElapsedTimer m_clock;
    qint64 m_lastShiftMs = -1;
    bool m_clicking = false;
};

#endif
