// The Chinese candidates: the syllables the keyboard offers, the 3,755 characters of
// the GB 2312 level-1 set each under one of them, and the lookup rules of the bar.
#include "pinyintable.h"

#include <QSet>
#include <QTextCodec>
#include <QtTest>

namespace {

// Every syllable the candidate bar knows, in key order.
const QStringList kSyllables{
    "a", "ai", "an", "ang", "ao", "ba", "bai", "ban", "bang", "bao", "bei", "ben", "beng", "bi",
    "bian", "biao", "bie", "bin", "bing", "bo", "bu", "ca", "cai", "can", "cang", "cao", "ce",
    "ceng", "cha", "chai", "chan", "chang", "chao", "che", "chen", "cheng", "chi", "chong", "chou",
    "chu", "chuai", "chuan", "chuang", "chui", "chun", "chuo", "ci", "cong", "cou", "cu", "cuan",
    "cui", "cun", "cuo", "da", "dai", "dan", "dang", "dao", "de", "deng", "di", "dian", "diao",
    "die", "ding", "diu", "dong", "dou", "du", "duan", "dui", "dun", "duo", "e", "en", "er", "fa",
    "fan", "fang", "fei", "fen", "feng", "fo", "fou", "fu", "ga", "gai", "gan", "gang", "gao",
    "ge", "gei", "gen", "geng", "gong", "gou", "gu", "gua", "guai", "guan", "guang", "gui", "gun",
    "guo", "ha", "hai", "han", "hang", "hao", "he", "hei", "hen", "heng", "hong", "hou", "hu",
    "hua", "huai", "huan", "huang", "hui", "hun", "huo", "ji", "jia", "jian", "jiang", "jiao",
    "jie", "jin", "jing", "jiong", "jiu", "ju", "juan", "jue", "jun", "ka", "kai", "kan", "kang",
    "kao", "ke", "ken", "keng", "kong", "kou", "ku", "kua", "kuai", "kuan", "kuang", "kui", "kun",
    "kuo", "la", "lai", "lan", "lang", "lao", "le", "lei", "leng", "li", "lian", "liang", "liao",
    "lie", "lin", "ling", "liu", "long", "lou", "lu", "luan", "lue", "lun", "luo", "lv", "ma",
    "mai", "man", "mang", "mao", "me", "mei", "men", "meng", "mi", "mian", "miao", "mie", "min",
    "ming", "miu", "mo", "mou", "mu", "na", "nai", "nan", "nang", "nao", "ne", "nei", "nen",
    "neng", "ni", "nian", "niang", "niao", "nie", "nin", "ning", "niu", "nong", "nu", "nuan",
    "nue", "nuo", "nv", "o", "ou", "pa", "pai", "pan", "pang", "pao", "pei", "pen", "peng", "pi",
    "pian", "piao", "pie", "pin", "ping", "po", "pou", "pu", "qi", "qia", "qian", "qiang", "qiao",
    "qie", "qin", "qing", "qiong", "qiu", "qu", "quan", "que", "qun", "ran", "rang", "rao", "re",
    "ren", "reng", "ri", "rong", "rou", "ru", "ruan", "rui", "run", "ruo", "sa", "sai", "san",
    "sang", "sao", "se", "sen", "seng", "sha", "shai", "shan", "shang", "shao", "she", "shen",
    "sheng", "shi", "shou", "shu", "shua", "shuai", "shuan", "shuang", "shui", "shun", "shuo",
    "si", "song", "sou", "su", "suan", "sui", "sun", "suo", "ta", "tai", "tan", "tang", "tao",
    "te", "teng", "ti", "tian", "tiao", "tie", "ting", "tong", "tou", "tu", "tuan", "tui", "tun",
    "tuo", "wa", "wai", "wan", "wang", "wei", "wen", "weng", "wo", "wu", "xi", "xia", "xian",
    "xiang", "xiao", "xie", "xin", "xing", "xiong", "xiu", "xu", "xuan", "xue", "xun", "ya", "yan",
    "yang", "yao", "ye", "yi", "yin", "ying", "yo", "yong", "you", "yu", "yuan", "yue", "yun",
    "za", "zai", "zan", "zang", "zao", "ze", "zei", "zen", "zeng", "zha", "zhai", "zhan", "zhang",
    "zhao", "zhe", "zhen", "zheng", "zhi", "zhong", "zhou", "zhu", "zhua", "zhuai", "zhuan",
    "zhuang", "zhui", "zhun", "zhuo", "zi", "zong", "zou", "zu", "zuan", "zui", "zun", "zuo"
};

} // namespace

class TestPinyinTable : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void prefixGivesTheRowsItBegins_data();
    void prefixGivesTheRowsItBegins();
    void everySyllableHasItsOwnRow();
    void charactersAreTheLevelOneSetOnce();
};

void TestPinyinTable::lookup_data()
{
    QTest::addColumn<QString>("chars");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected"); // empty: only the count is known

    QTest::newRow("a, not ai an ang ao") << "a" << 2 << QStringLiteral("阿啊");
    QTest::newRow("nv") << "nv" << 1 << QStringLiteral("女");
    QTest::newRow("lv") << "lv" << 14 << QStringLiteral("滤驴吕侣旅铝屡缕履律虑率绿氯");
    QTest::newRow("zun") << "zun" << 2 << QStringLiteral("尊遵");
    QTest::newRow("zuo") << "zuo" << 7 << QStringLiteral("昨左佐作坐座做");
    QTest::newRow("ji, the largest") << "ji" << 54 << QString();
    QTest::newRow("zh, 19 syllables") << "zh" << 233 << QString();
    QTest::newRow("everything") << "" << 3755 << QString();
    QTest::newRow("i") << "i" << 0 << QString();
    QTest::newRow("u") << "u" << 0 << QString();
    QTest::newRow("v") << "v" << 0 << QString();
    QTest::newRow("upper case") << "A" << 0 << QString();
    QTest::newRow("upper case inside") << "zH" << 0 << QString();
    QTest::newRow("beyond a syllable") << "zhuangg" << 0 << QString();
    QTest::newRow("u with diaeresis as u") << "lu\u0308" << 0 << QString();
}

void TestPinyinTable::lookup()
{
    QFETCH(QString, chars);
    QFETCH(int, count);
    QFETCH(QString, expected);
    PinyinTable table;
    const QString result = table.get(chars);
    QCOMPARE(result.size(), count);
    if (!expected.isEmpty())
        QCOMPARE(result, expected);
}

void TestPinyinTable::prefixGivesTheRowsItBegins_data()
{
    QTest::addColumn<QString>("chars");
    QTest::addColumn<QStringList>("syllables");

    QTest::newRow("an excludes ang") << "an" << QStringList{"an"};
    QTest::newRow("zhuan excludes zhuang") << "zhuan" << QStringList{"zhuan"};
    QTest::newRow("lu excludes luan lue lun luo lv") << "lu" << QStringList{"lu"};
    QTest::newRow("sh") << "sh" << QStringList{"sha", "shai", "shan", "shang", "shao", "she", "shen",
                                               "sheng", "shi", "shou", "shu", "shua", "shuai", "shuan",
                                               "shuang", "shui", "shun", "shuo"};
    QTest::newRow("zh") << "zh" << QStringList{"zha", "zhai", "zhan", "zhang", "zhao", "zhe", "zhen",
                                               "zheng", "zhi", "zhong", "zhou", "zhu", "zhua", "zhuai",
                                               "zhuan", "zhuang", "zhui", "zhun", "zhuo"};
    QTest::newRow("zhu") << "zhu" << QStringList{"zhu"};
    QTest::newRow("zhua") << "zhua" << QStringList{"zhua"};
    QTest::newRow("zhuan") << "zhuan" << QStringList{"zhuan"};
    QTest::newRow("chua") << "chua" << QStringList{"chuai", "chuan", "chuang"};
    QTest::newRow("nu") << "nu" << QStringList{"nu"};
    QTest::newRow("nue") << "nue" << QStringList{"nue"};
    QTest::newRow("qio") << "qio" << QStringList{"qiong"};
    QTest::newRow("o") << "o" << QStringList{"o"};
}

void TestPinyinTable::prefixGivesTheRowsItBegins()
{
    QFETCH(QString, chars);
    QFETCH(QStringList, syllables);
    PinyinTable table;
    QString expected;
    for (const QString &s : syllables)
        expected += table.get(s);
    QCOMPARE(table.get(chars), expected);
}

void TestPinyinTable::everySyllableHasItsOwnRow()
{
    PinyinTable table;
    QCOMPARE(table.syllableCount(), kSyllables.size());
    QCOMPARE(kSyllables.size(), 396);
    QString all;
    int largest = 0;
    for (const QString &s : kSyllables) {
        const QString row = table.get(s);
        QVERIFY2(!row.isEmpty(), qPrintable(s));
        largest = qMax(largest, row.size());
        all += row;
    }
    QCOMPARE(largest, 54);
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
