#ifndef TST_KEYBOARDRECORDER_H
#define TST_KEYBOARDRECORDER_H

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QStringList>

// Stands where the key events of the keyboard arrive when no window is shown (the
// parent of the key input) and keeps every key press it gets.
class KeyRecorder : public QObject
{
public:
    struct Key
    {
        int code;
        QString text;
    };
    QList<Key> keys;

    // What the keys typed: their texts, editing keys as {back}, {return}, {left}, ...
    QString typed() const
    {
        QString out;
        for (const Key &k : keys) {
            switch (k.code) {
            case Qt::Key_Backspace: out += QLatin1String("{back}"); break;
            case Qt::Key_Return: out += QLatin1String("{return}"); break;
            case Qt::Key_Left: out += QLatin1String("{left}"); break;
            case Qt::Key_Right: out += QLatin1String("{right}"); break;
            case Qt::Key_Up: out += QLatin1String("{up}"); break;
            case Qt::Key_Down: out += QLatin1String("{down}"); break;
            default: out += k.text;
            }
        }
        return out;
    }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            keys.append({k->key(), k->text()});
            return true;
        }
        return QObject::event(e);
    }
};

#endif
