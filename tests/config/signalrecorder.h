#ifndef SIGNALRECORDER_H
#define SIGNALRECORDER_H

#include <QMetaMethod>
#include <QObject>
#include <QStringList>

// Records the names of every property change signal of an object, in the order they come.
class SignalRecorder : public QObject
{
    Q_OBJECT

public:
    explicit SignalRecorder(QObject *watched)
    {
        const QMetaObject *meta = watched->metaObject();
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Signal && m.name().endsWith("Changed"))
                connect(watched, m, this, slot);
        }
    }

    QStringList names;

public slots:
    void record()
    {
        QByteArray name = sender()->metaObject()->method(senderSignalIndex()).name();
        name.chop(int(qstrlen("Changed")));
        names << QString::fromLatin1(name);
    }
};

#endif // SIGNALRECORDER_H
