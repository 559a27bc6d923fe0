#ifndef VIRTUALKEYINPUT_H
#define VIRTUALKEYINPUT_H

#include <QObject>
#include <QString>

class PinyinTable;
class QKeyEvent;

// The on-screen keyboards hand every key to this object, which turns it into a key
// press for the text field being edited, composes Korean syllables from jamo keys and
// looks up Chinese candidates for typed pinyin. Published to QML as "vki".
class VirtualKeyInput : public QObject
{
    Q_OBJECT

public:
    explicit VirtualKeyInput(QObject *parent = nullptr);

    // Registers "Vki" and the keyboard's helper types in the module "VirtualKB" 1.0.
    static void registerQmlTypes();

    // Posts the key press without the click (the caller clicks once for the whole tap).
    void postKey(const QString &key);

    PinyinTable *pinyinTable() const { return m_pinyin; }

public slots:
    // Posts the key press to the focused field and clicks; the int is not used.
    void generateKeyInput(QString key, int unused);
    // Sends at once and does not click.
    void generateKeyInput(const QString &key);
    QString getHangulChar(QString chars) const;
    QString getPinyinChar(QString chars) const;

signals:
    void aKeyWasPressed();

private:
    static QKeyEvent *keyEvent(const QString &key);
    QObject *keyReceiver() const;

    PinyinTable *m_pinyin;
};

#endif
