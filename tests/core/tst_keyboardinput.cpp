// The key input behind the on-screen keyboards: the key presses it makes of key names,
// Hangul syllables and pinyin candidates composed from the keys, and the shift key.
#include "keycomposer.h"
#include "virtualkeyinput.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

// Stands where the key events arrive when no window is shown (the parent of the key
// input) and keeps what they typed, editing keys as {back}, {return}, {left}, ...
class KeyRecorder : public QObject
{
public:
    QList<QPair<int, QString>> keys;
    QString typed() const
    {
        static const QHash<int, QString> names{{Qt::Key_Backspace, "{back}"}, {Qt::Key_Return, "{return}"},
                                               {Qt::Key_Left, "{left}"},      {Qt::Key_Right, "{right}"},
                                               {Qt::Key_Up, "{up}"},          {Qt::Key_Down, "{down}"}};
        QString out;
        for (const auto &k : keys)
            out += names.value(k.first, k.second);
        return out;
    }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return QObject::event(e);
        auto *k = static_cast<QKeyEvent *>(e);
        keys.append({k->key(), k->text()});
        return true;
    }
};

class TestKeyboardInput : public QObject
{
    Q_OBJECT

private slots:
    void keyName_data();
    void keyName();
    void hangulSyllable_data();
    void hangulSyllable();
    void composing_data();
    void composing();
    void shift_data();
    void shift();
};

void TestKeyboardInput::keyName_data()
{
    QTest::addColumn<bool>("posted"); // the keyboard's keys post; the composer sends
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("back") << true << "_back" << int(Qt::Key_Backspace) << "";
    QTest::newRow("return") << true << "_return" << int(Qt::Key_Return) << "";
    QTest::newRow("left") << true << "_leftArrow" << int(Qt::Key_Left) << "";
    QTest::newRow("down") << true << "_downArrow" << int(Qt::Key_Down) << "";
    QTest::newRow("right") << true << "_rightArrow" << int(Qt::Key_Right) << "";
    QTest::newRow("up") << true << "_upArrow" << int(Qt::Key_Up) << "";
    QTest::newRow("space") << true << "_space" << 32 << " ";
    QTest::newRow("letter") << true << "a" << 0x61 << "a";
    QTest::newRow("y with diaeresis, the last Latin-1") << true << "ÿ" << 255 << "ÿ";
    QTest::newRow("beyond Latin-1") << true << "Ā" << 0 << "Ā";
    QTest::newRow("several characters") << true << "ab" << 0x61 << "ab";
    QTest::newRow("names are case-sensitive") << true << "_Back" << int('_') << "_Back";
    QTest::newRow("empty") << true << "" << 0 << "";
    QTest::newRow("sent back") << false << "_back" << int(Qt::Key_Backspace) << "";
    QTest::newRow("sent return") << false << "_return" << int(Qt::Key_Return) << "";
    QTest::newRow("sent left") << false << "_leftArrow" << int(Qt::Key_Left) << "";
    QTest::newRow("sent right") << false << "_rightArrow" << int(Qt::Key_Right) << "";
    QTest::newRow("sent space") << false << "_space" << int(Qt::Key_Space) << " ";
    QTest::newRow("sent down is not known") << false << "_downArrow" << 0 << "_";
    QTest::newRow("sent first character only") << false << "가나" << 0 << "가";
    QTest::newRow("sent letter has no code") << false << "a" << 0 << "a";
    // Used to read past the end of the string.
    QTest::newRow("sent empty") << false << "" << 0 << "";
}

void TestKeyboardInput::keyName()
{
    QFETCH(bool, posted);
    QFETCH(QString, key);
    QFETCH(int, code);
    QFETCH(QString, text);

    KeyRecorder receiver;
    auto *vki = new VirtualKeyInput(&receiver);
    QSignalSpy clicked(vki, &VirtualKeyInput::aKeyWasPressed);
    if (posted)
        vki->generateKeyInput(key, 7);
    else
        vki->generateKeyInput(key);
    QCOMPARE(clicked.count(), posted ? 1 : 0);
    QCOMPARE(receiver.keys.size(), posted ? 0 : 1);
    QTRY_COMPARE(receiver.keys.size(), 1);
    QCOMPARE(receiver.keys.at(0), qMakePair(code, text));
}

void TestKeyboardInput::hangulSyllable_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");

    QTest::newRow("nothing") << "" << "";
    QTest::newRow("one consonant") << "ㄱ" << "ㄱ";
    QTest::newRow("ga, the first syllable") << "ㄱㅏ" << "\uAC00";
    QTest::newRow("gwon, two-key vowel and final") << "ㄱㅜㅓㄴ" << "권";
    QTest::newRow("gwalg, both compound") << "ㄱㅗㅏㄹㄱ" << "괅";
    QTest::newRow("ri") << "ㄹㅣ" << "리";
    QTest::newRow("dda, double initial") << "ㄸㅏ" << "따";
    QTest::newRow("hih, the last syllable") << "ㅎㅣㅎ" << "\uD7A3";
    QTest::newRow("heuih") << "ㅎㅡㅣㅎ" << "힇";
    QTest::newRow("vowel first") << "ㅏㄱ" << "ㄱ";
    QTest::newRow("two finals that do not pair") << "ㄱㅏㄱㄱ" << "ㄱ";
    QTest::newRow("dd is no final") << "ㄱㅏㄸ" << "ㄸ";
    QTest::newRow("vowel after final") << "ㄱㅏㄴㅏ" << "ㅏ";
    QTest::newRow("three-key final") << "ㄱㅏㄹㄱㅅ" << "ㅅ";
    QTest::newRow("not a jamo") << "ㄱa" << "a";
    QTest::newRow("syllable as key") << "가ㄴ" << "ㄴ";
}

void TestKeyboardInput::hangulSyllable()
{
    QFETCH(QString, keys);
    QFETCH(QString, result);
    QCOMPARE(VirtualKeyInput().getHangulChar(keys), result);
}

void TestKeyboardInput::composing_data()
{
    QTest::addColumn<int>("mode");
    // Keys, one a character; words in <> are <back> <space> <return> <preview> <plain>
    // (the mode key) and <reset> (the keyboard shown again); =N chooses candidate N.
    QTest::addColumn<QString>("taps");
    QTest::addColumn<QString>("typed");   // what reached the field
    QTest::addColumn<QString>("pending");
    QTest::addColumn<QString>("shown");   // Hangul: the preview; pinyin: whose candidates show

    const int ko = KeyComposer::Hangul, zh = KeyComposer::Pinyin;
    QTest::newRow("ga pending") << ko << "ㄱㅏ" << "" << "ㄱㅏ" << "가";
    QTest::newRow("gwa") << ko << "ㄱㅗㅏ" << "" << "ㄱㅗㅏ" << "과";
    QTest::newRow("galg") << ko << "ㄱㅏㄹㄱ" << "" << "ㄱㅏㄹㄱ" << "갉";
    QTest::newRow("gakk") << ko << "ㄱㅏㄲ" << "" << "ㄱㅏㄲ" << "갂";
    QTest::newRow("final moves on: ga na") << ko << "ㄱㅏㄴㅏ" << "가" << "ㄴㅏ" << "나";
    QTest::newRow("gak then g") << ko << "ㄱㅏㄱㄱ" << "각" << "ㄱ" << "ㄱ";
    QTest::newRow("second of a pair moves on") << ko << "ㄱㅏㄹㄱㅏ" << "갈" << "ㄱㅏ" << "가";
    QTest::newRow("dd starts a syllable") << ko << "ㄸㅏㄸ" << "따" << "ㄸ" << "ㄸ";
    QTest::newRow("vowel after vowel") << ko << "ㄱㅏㅏ" << "가" << "ㅏ" << "ㅏ";
    QTest::newRow("lone vowels") << ko << "ㅏㅏ" << "ㅏ" << "ㅏ" << "ㅏ";
    QTest::newRow("consonant after lone vowel") << ko << "ㅏㄱ" << "ㅏ" << "ㄱ" << "ㄱ";
    QTest::newRow("two consonants") << ko << "ㄱㄱ" << "ㄱ" << "ㄱ" << "ㄱ";
    QTest::newRow("back takes a key") << ko << "ㄱㅏㄴ <back>" << "" << "ㄱㅏ" << "가";
    QTest::newRow("back to nothing") << ko << "ㄱ <back>" << "" << "" << "";
    QTest::newRow("back with nothing pending") << ko << "<back>" << "{back}" << "" << "";
    QTest::newRow("back after a syllable went") << ko << "ㄱㅏㄴㅏ <back> <back> <back>" << "가{back}" << "" << "";
    QTest::newRow("space sends the syllable only") << ko << "ㄱㅏ <space>" << "가" << "" << "";
    QTest::newRow("space alone") << ko << "<space>" << " " << "" << "";
    QTest::newRow("return sends the syllable only") << ko << "ㄱㅏ <return>" << "가" << "" << "";
    QTest::newRow("return alone") << ko << "<return>" << "{return}" << "" << "";
    QTest::newRow("preview key") << ko << "ㄱㅏㄴ <preview>" << "간" << "" << "";
    QTest::newRow("other key ends the syllable") << ko << "ㄱㅏ 1" << "가1" << "" << "";
    QTest::newRow("words") << ko << "ㄱㅏ <space> <space> ㄴㅏ <return>" << "가 나" << "" << "";
    QTest::newRow("leaving Korean keeps the syllable") << ko << "ㄱㅏ <plain> ㄴ" << "가ㄴ" << "" << "";

    QTest::newRow("zh") << zh << "zh" << "" << "zh" << "zh";
    QTest::newRow("upper case typed as lower") << zh << "ZH" << "" << "zh" << "zh";
    QTest::newRow("A, the first capital") << zh << "A" << "" << "a" << "a";
    QTest::newRow("letter no syllable takes is dropped") << zh << "zuox" << "" << "zuo" << "zuo";
    QTest::newRow("first letter without candidates stays") << zh << "i" << "" << "i" << "";
    QTest::newRow("nothing follows it") << zh << "ia" << "" << "i" << "";
    QTest::newRow("choose the first") << zh << "zuo =0" << "昨" << "" << "";
    QTest::newRow("choose the last") << zh << "zuo =6" << "做" << "" << "";
    QTest::newRow("then more") << zh << "a =1 zun =0" << "啊尊" << "" << "";
    QTest::newRow("back recomputes") << zh << "zuo <back>" << "" << "zu" << "zu";
    QTest::newRow("back to nothing, then back") << zh << "a <back> <back>" << "{back}" << "" << "";
    QTest::newRow("space clears only") << zh << "a <space>" << "" << "" << "";
    QTest::newRow("return clears only") << zh << "a <return>" << "" << "" << "";
    QTest::newRow("space alone") << zh << "<space>" << " " << "" << "";
    QTest::newRow("return alone") << zh << "<return>" << "{return}" << "" << "";
    QTest::newRow("digit ends pinyin") << zh << "a7" << "7" << "" << "";
    QTest::newRow("shown again, plain") << zh << "a <reset> a" << "a" << "" << "";
}

void TestKeyboardInput::composing()
{
    QFETCH(int, mode);
    QFETCH(QString, taps);
    QFETCH(QString, typed);
    QFETCH(QString, pending);
    QFETCH(QString, shown);

    KeyRecorder field;
    auto *vki = new VirtualKeyInput(&field);
    KeyComposer composer;
    composer.setVki(vki);
    composer.setMode(KeyComposer::Mode(mode));
    QSignalSpy clicks(vki, &VirtualKeyInput::aKeyWasPressed);
    int keys = 0;
    for (const QString &word : taps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool whole = word.startsWith(QLatin1Char('<')) || word.startsWith(QLatin1Char('='));
        for (const QString &tap : whole ? QStringList{word} : word.split(QString(), Qt::SkipEmptyParts)) {
            // The mode key clicks for itself; showing the keyboard clicks nothing.
            if (tap == QLatin1String("<plain>") || tap == QLatin1String("<reset>")) {
                tap == QLatin1String("<plain>") ? composer.setMode(KeyComposer::Plain) : composer.reset();
                continue;
            }
            ++keys;
            if (tap == QLatin1String("<back>"))
                composer.back();
            else if (tap == QLatin1String("<space>"))
                composer.space();
            else if (tap == QLatin1String("<return>"))
                composer.enter();
            else if (tap == QLatin1String("<preview>"))
                composer.sendPreview();
            else if (tap.startsWith(QLatin1Char('=')))
                composer.chooseCandidate(composer.candidates().at(tap.mid(1).toInt()));
            else
                composer.key(tap);
        }
    }
    QCoreApplication::processEvents();
    QCOMPARE(field.typed(), typed);
    QCOMPARE(composer.pending(), pending);
    if (mode == KeyComposer::Pinyin && composer.mode() == KeyComposer::Pinyin)
        QCOMPARE(composer.candidates(), shown.isEmpty() ? QString() : vki->getPinyinChar(shown));
    else
        QCOMPARE(composer.preview(), shown);
    QCOMPARE(clicks.count(), keys);
}

void TestKeyboardInput::shift_data()
{
    QTest::addColumn<QList<int>>("tapTimes"); // ms of the shift taps; -1: a letter key, -2: shown again
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("typed");

    const int lower = KeyComposer::Lower;
    const int once = KeyComposer::OneShotUpper;
    const int locked = KeyComposer::CapsLock;
    QTest::newRow("one tap") << QList<int>{1000} << once << "";
    QTest::newRow("one tap, one letter") << QList<int>{1000, -1} << lower << "x";
    QTest::newRow("two slow taps") << QList<int>{1000, 1401} << lower << "";
    QTest::newRow("quick at the limit") << QList<int>{1000, 1400} << locked << "";
    QTest::newRow("caps lock stays after letters") << QList<int>{1000, 1300, -1, -1} << locked << "xx";
    QTest::newRow("tap ends caps lock") << QList<int>{1000, 1300, 5000} << lower << "";
    QTest::newRow("quick tap ends caps lock") << QList<int>{1000, 1300, 1500} << lower << "";
    QTest::newRow("quick from lower after a letter") << QList<int>{1000, -1, 1200} << locked << "x";
    QTest::newRow("three quick taps") << QList<int>{1000, 1100, 1200} << lower << "";
    QTest::newRow("slow taps after lock") << QList<int>{1000, 1300, 5000, 9000} << once << "";
    QTest::newRow("shown again ends caps lock") << QList<int>{10, 20, -2} << lower << "";
    QTest::newRow("first tap after showing again") << QList<int>{10, 20, -2, 30} << once << "";
}

void TestKeyboardInput::shift()
{
    QFETCH(QList<int>, tapTimes);
    QFETCH(int, shift);
    QFETCH(QString, typed);

    KeyRecorder field;
    auto *vki = new VirtualKeyInput(&field);
    KeyComposer composer;
    composer.setVki(vki);
    QSignalSpy clicks(vki, &VirtualKeyInput::aKeyWasPressed);
    for (int t : tapTimes) {
        if (t == -1)
            composer.key(QStringLiteral("x"));
        else if (t == -2)
            composer.reset();
        else
            composer.tapShiftAt(t);
    }
    QCoreApplication::processEvents();
    QCOMPARE(int(composer.shift()), shift);
    QCOMPARE(field.typed(), typed);
    QCOMPARE(clicks.count(), tapTimes.size() - tapTimes.count(-2));
}

QTEST_GUILESS_MAIN(TestKeyboardInput)
#include "tst_keyboardinput.moc"
