// The Chinese candidates: the syllables the keyboard offers, the 3,755 characters of
// the GB 2312 level-1 set each under one of them, and the lookup rules of the bar.
#include "pinyintable.h"

#include <QSet>
#include <QTextCodec>
#include <QtTest>

// Every syllable the candidate bar knows, in key order.
static QStringList syllables()
{
    QFile file(QStringLiteral(KEYBOARD_FIXTURES "/pinyin_syllables.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

class TestPinyinTable : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void everySyllableHasItsOwnRow();
    void charactersAreTheLevelOneSetOnce();
};

void TestPinyinTable::lookup_data()
{
    QTest::addColumn<QString>("chars");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected"); // the characters, or the syllables whose rows they are

    QTest::newRow("a, not ai an ang ao") << "a" << 2 << QStringLiteral("阿啊");
    QTest::newRow("nv") << "nv" << 1 << QStringLiteral("女");
    QTest::newRow("lv") << "lv" << 14 << QStringLiteral("滤驴吕侣旅铝屡缕履律虑率绿氯");
    QTest::newRow("zuo") << "zuo" << 7 << QStringLiteral("昨左佐作坐座做");
    QTest::newRow("ji, the largest") << "ji" << 54 << QString();
    QTest::newRow("everything") << "" << 3755 << QString();
    QTest::newRow("i") << "i" << 0 << QString();
    QTest::newRow("v") << "v" << 0 << QString();
    QTest::newRow("upper case") << "A" << 0 << QString();
    QTest::newRow("upper case inside") << "zH" << 0 << QString();
    QTest::newRow("beyond a syllable") << "zhuangg" << 0 << QString();
    QTest::newRow("u with diaeresis as u") << "lu\u0308" << 0 << QString();
    QTest::newRow("a syllable and a NUL") << QStringLiteral("a") + QChar(0) << 0 << QString();
    QTest::newRow("an excludes ang") << "an" << -1 << "an";
    QTest::newRow("zhuan excludes zhuang") << "zhuan" << -1 << "zhuan";
    QTest::newRow("lu excludes luan lue lun luo lv") << "lu" << -1 << "lu";
    QTest::newRow("zh, 19 syllables") << "zh" << 233 << "zha zhai zhan zhang zhao zhe zhen zheng zhi zhong zhou "
                                                      "zhu zhua zhuai zhuan zhuang zhui zhun zhuo";
    QTest::newRow("zhua") << "zhua" << -1 << "zhua";
    QTest::newRow("chua") << "chua" << -1 << "chuai chuan chuang";
    QTest::newRow("nue") << "nue" << -1 << "nue";
    QTest::newRow("qio") << "qio" << -1 << "qiong";
    QTest::newRow("o") << "o" << -1 << "o";
}

void TestPinyinTable::lookup()
{
    QFETCH(QString, chars);
    QFETCH(int, count);
    QFETCH(QString, expected);
    PinyinTable table;
    const QString result = table.get(chars);
    if (count >= 0)
        QCOMPARE(result.size(), count);
    if (!expected.isEmpty() && expected.at(0).unicode() < 128) {
        QString rows;
        for (const QString &s : expected.split(QLatin1Char(' ')))
            rows += table.get(s);
        expected = rows;
    }
    if (!expected.isEmpty())
        QCOMPARE(result, expected);
}

void TestPinyinTable::everySyllableHasItsOwnRow()
{
    PinyinTable table;
    const QStringList known = syllables();
    QCOMPARE(known.size(), 396);
    QCOMPARE(table.syllableCount(), known.size());
    QString all;
    for (const QString &s : known) {
        const QString row = table.get(s);
        QVERIFY2(!row.isEmpty() && row.size() <= 54, qPrintable(s));
        all += row;
    }
    // The rows in key order are everything, so no key lies outside the list.
    QCOMPARE(all, table.get(QString()));
}

void TestPinyinTable::charactersAreTheLevelOneSetOnce()
{
    PinyinTable table;
    const QString all = table.get(QString());
    QSet<QChar> seen;
    QTextCodec *gb = QTextCodec::codecForName("GB18030");
    QVERIFY(gb);
    for (QChar c : all) {
        QVERIFY2(!seen.contains(c), qPrintable(QString(c) + " twice"));
        seen.insert(c);
        // Level 1 of GB 2312: rows 16 to 55, the last row up to cell 89.
        const QByteArray bytes = gb->fromUnicode(QString(c));
        QCOMPARE(bytes.size(), 2);
        const int row = quint8(bytes.at(0)) - 0xA0;
        const int cell = quint8(bytes.at(1)) - 0xA0;
        QVERIFY2(row >= 16 && row <= 55 && cell >= 1 && cell <= 94 && (row < 55 || cell <= 89),
                 qPrintable(QString(c)));
    }
    QCOMPARE(seen.size(), 3755);
}

QTEST_GUILESS_MAIN(TestPinyinTable)
#include "tst_pinyintable.moc"
