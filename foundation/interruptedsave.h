#ifndef INTERRUPTEDSAVE_H
#define INTERRUPTEDSAVE_H

#include <QByteArray>
#include <QString>

#include <functional>

// A save through "<file>.New" (written and fsync'ed there, then "/bin/sync" and "/bin/mv"
// over the file) that a kill or a power cut stopped before the move leaves that file
// behind, holding the newest content: each save writes it afresh. Every file saved that
// way is settled by this one rule before it is first read: a plain file of our own (no
// link, one name, at most `maxBytes`) whose content `isComplete` accepts is made durable
// and moved over the file, whether or not the file exists; any other file or link at that
// name is removed. A folder there is left alone (the next save reports it).
class InterruptedSave
{
public:
    enum Outcome { NothingLeft, Completed, Dropped, Failed };
    using ContentCheck = std::function<bool(const QByteArray &)>;

    static QString leftoverPath(const QString &path) { return path + QStringLiteral(".New"); }

    static Outcome settle(const QString &path, qint64 maxBytes, const ContentCheck &isComplete);
};

#endif // INTERRUPTEDSAVE_H
