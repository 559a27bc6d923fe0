#ifndef PINYINTABLE_H
#define PINYINTABLE_H

#include <QObject>
#include <QString>

// Chinese candidates for pinyin typed without tones on the Latin keyboard: every
// syllable with its simplified characters, the level-1 set of GB 2312, each character
// under one syllable. Looked up in the generated table itself: nothing is copied until a
// Chinese keyboard asks.
class PinyinTable : public QObject
{
    Q_OBJECT

public:
    explicit PinyinTable(QObject *parent = nullptr);

    // A whole syllable gives its own candidates only (so "a" is not followed by "ai",
    // "an", ...); anything else gives those of every syllable it begins, in syllable
    // order; empty when no syllable begins with it.
    Q_INVOKABLE QString get(const QString &chars) const;

    int syllableCount() const;
};

#endif
