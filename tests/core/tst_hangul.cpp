// Korean input: syllables composed from the jamo keys of the two-set layout, alone and
// as the keyboard types them (pending keys, preview, what reaches the field).
#include "keycomposer.h"
#include "tst_keyboardrecorder.h"
#include "virtualkeyinput.h"

#include <QSignalSpy>
#include <QtTest>

class TestHangul : public QObject
{
    Q_OBJECT

private slots:
    void syllable_data();
    void syllable();
    void typing_data();
    void typing();
    void leavingKoreanKeepsThePendingSyllable();
};

void TestHangul::syllable_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");

    QTest::newRow("nothing") << "" << "";
    QTest::newRow("one consonant") << "ㄱ" << "ㄱ";
    QTest::newRow("ga, the first syllable") << "ㄱㅏ" << "\uAC00";
    QTest::newRow("gwa, two-key vowel") << "ㄱㅗㅏ" << "과";
    QTest::newRow("gwon, two-key vowel and final") << "ㄱㅜㅓㄴ" << "권";
    QTest::newRow("galg, two-key final") << "ㄱㅏㄹㄱ" << "갉";
    QTest::newRow("gakk, double consonant as final") << "ㄱㅏㄲ" << "갂";
    QTest::newRow("gwalg, both compound") << "ㄱㅗㅏㄹㄱ" << "괅";
    QTest::newRow("ri") << "ㄹㅣ" << "리";
    QTest::newRow("dda, double initial") << "ㄸㅏ" << "따";
    QTest::newRow("hih, the last syllable") << "ㅎㅣㅎ" << "\uD7A3";
    QTest::newRow("heuih") << "ㅎㅡㅣㅎ" << "힇";
    QTest::newRow("vowel alone") << "ㅏ" << "ㅏ";
    QTest::newRow("vowel first") << "ㅏㄱ" << "ㄱ";
    QTest::newRow("two consonants") << "ㄱㄱ" << "ㄱ";
    QTest::newRow("two finals that do not pair") << "ㄱㅏㄱㄱ" << "ㄱ";
    QTest::newRow("dd is no final") << "ㄱㅏㄸ" << "ㄸ";
    QTest::newRow("vowel after final") << "ㄱㅏㄴㅏ" << "ㅏ";
    QTest::newRow("vowels that do not pair") << "ㄱㅏㅏ" << "ㅏ";
    QTest::newRow("three-key final") << "ㄱㅏㄹㄱㅅ" << "ㅅ";
    QTest::newRow("not a jamo") << "ㄱa" << "a";
    QTest::newRow("syllable as key") << "가ㄴ" << "ㄴ";
}

void TestHangul::syllable()
{
    QFETCH(QString, keys);
    QFETCH(QString, result);
    VirtualKeyInput vki;
    QCOMPARE(vki.getHangulChar(keys), result);
}

void TestHangul::typing_data()
{
    QTest::addColumn<QStringList>("taps"); // jamo, or <back> <space> <return> <preview>
    QTest::addColumn<QString>("typed");    // what reached the field
    QTest::addColumn<QString>("pending");
    QTest::addColumn<QString>("preview");

    auto taps = [](const QString &s) {
        QStringList out;
        for (const QString &part : s.split(QLatin1Char(' '))) {
            if (part.startsWith(QLatin1Char('<')))
                out << part;
            else
                for (QChar c : part)
                    out << QString(c);
        }
        return out;
    };
    QTest::newRow("ga pending") << taps("ㄱㅏ") << "" << "ㄱㅏ" << "가";
    QTest::newRow("gwa") << taps("ㄱㅗㅏ") << "" << "ㄱㅗㅏ" << "과";
    QTest::newRow("galg") << taps("ㄱㅏㄹㄱ") << "" << "ㄱㅏㄹㄱ" << "갉";
    QTest::newRow("gakk") << taps("ㄱㅏㄲ") << "" << "ㄱㅏㄲ" << "갂";
    QTest::newRow("final moves on: ga na") << taps("ㄱㅏㄴㅏ") << "가" << "ㄴㅏ" << "나";
    QTest::newRow("gak pending") << taps("ㄱㅏㄱ") << "" << "ㄱㅏㄱ" << "각";
    QTest::newRow("gak then g") << taps("ㄱㅏㄱㄱ") << "각" << "ㄱ" << "ㄱ";
    QTest::newRow("second of a pair moves on") << taps("ㄱㅏㄹㄱㅏ") << "갈" << "ㄱㅏ" << "가";
    QTest::newRow("dd starts a syllable") << taps("ㄸㅏㄸ") << "따" << "ㄸ" << "ㄸ";
    QTest::newRow("vowel after vowel") << taps("ㄱㅏㅏ") << "가" << "ㅏ" << "ㅏ";
    QTest::newRow("lone vowels") << taps("ㅏㅏ") << "ㅏ" << "ㅏ" << "ㅏ";
    QTest::newRow("consonant after lone vowel") << taps("ㅏㄱ") << "ㅏ" << "ㄱ" << "ㄱ";
    QTest::newRow("two consonants") << taps("ㄱㄱ") << "ㄱ" << "ㄱ" << "ㄱ";
    QTest::newRow("a word") << taps("ㅎㅏㄴㄱㅡㄹ") << "한" << "ㄱㅡㄹ" << "글";
    QTest::newRow("back takes a key") << taps("ㄱㅏㄴ <back>") << "" << "ㄱㅏ" << "가";
    QTest::newRow("back to nothing") << taps("ㄱ <back>") << "" << "" << "";
    QTest::newRow("back with nothing pending") << taps("<back>") << "{back}" << "" << "";
    QTest::newRow("back after a syllable went") << taps("ㄱㅏㄴㅏ <back> <back> <back>") << "가{back}" << "" << "";
    QTest::newRow("space sends the syllable only") << taps("ㄱㅏ <space>") << "가" << "" << "";
    QTest::newRow("space alone") << taps("<space>") << " " << "" << "";
    QTest::newRow("return sends the syllable only") << taps("ㄱㅏ <return>") << "가" << "" << "";
    QTest::newRow("return alone") << taps("<return>") << "{return}" << "" << "";
    QTest::newRow("preview key") << taps("ㄱㅏㄴ <preview>") << "간" << "" << "";
    QTest::newRow("other key ends the syllable") << taps("ㄱㅏ 1") << "가1" << "" << "";
    QTest::newRow("words") << taps("ㄱㅏ <space> <space> ㄴㅏ <return>") << "가 나" << "" << "";
}

void TestHangul::typing()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, typed);
    QFETCH(QString, pending);
    QFETCH(QString, preview);

    KeyRecorder field;
    auto *vki = new VirtualKeyInput(&field);
    KeyComposer composer;
    composer.setVki(vki);
    composer.setMode(KeyComposer::Hangul);
    QSignalSpy clicks(vki, &VirtualKeyInput::aKeyWasPressed);
    for (const QString &tap : taps) {
        if (tap == QLatin1String("<back>"))
            composer.back();
        else if (tap == QLatin1String("<space>"))
            composer.space();
        else if (tap == QLatin1String("<return>"))
            composer.enter();
        else if (tap == QLatin1String("<preview>"))
            composer.sendPreview();
        else
            composer.key(tap);
    }
    QCoreApplication::processEvents();
    QCOMPARE(field.typed(), typed);
    QCOMPARE(composer.pending(), pending);
    QCOMPARE(composer.preview(), preview);
    QCOMPARE(clicks.count(), taps.size());
}

void TestHangul::leavingKoreanKeepsThePendingSyllable()
{
    KeyRecorder field;
    auto *vki = new VirtualKeyInput(&field);
    KeyComposer composer;
    composer.setVki(vki);
    composer.setMode(KeyComposer::Hangul);
    composer.key(QStringLiteral("ㄱ"));
    composer.key(QStringLiteral("ㅏ"));
    QSignalSpy clicks(vki, &VirtualKeyInput::aKeyWasPressed);
    composer.setMode(KeyComposer::Plain);
    QCoreApplication::processEvents();
    QCOMPARE(field.typed(), QStringLiteral("가"));
    QCOMPARE(composer.pending(), QString());
    QCOMPARE(composer.preview(), QString());
    // The key that changed the mode clicks for itself.
    QCOMPARE(clicks.count(), 0);
    composer.key(QStringLiteral("ㄴ"));
    QCoreApplication::processEvents();
    QCOMPARE(field.typed(), QStringLiteral("가ㄴ"));
}

QTEST_GUILESS_MAIN(TestHangul)
#include "tst_hangul.moc"
