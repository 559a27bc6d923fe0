#include "pinyintable.h"
#include "pinyintabledata.h"

PinyinTable::PinyinTable(QObject *parent) : QObject(parent)
{
    for (int i = 0; i < kPinyinRowCount; ++i)
        m_table.insert(QString::fromLatin1(kPinyinRows[i].syllable),
                       QString::fromUtf16(kPinyinRows[i].candidates));
}

QString PinyinTable::get(const QString &chars) const
{
    const auto exact = m_table.constFind(chars);
    if (exact != m_table.constEnd())
        return exact.value();
    // Keys are sorted, so those that begin with chars follow each other from lowerBound on.
    QString result;
    for (auto it = m_table.lowerBound(chars); it != m_table.constEnd() && it.key().startsWith(chars); ++it)
        result += it.value();
    return result;
}
