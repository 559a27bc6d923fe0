// The key input behind the on-screen keyboards: the key presses it makes of key names,
// pinyin typed into candidates, and the shift key.
#include "keycomposer.h"
#include "pinyintable.h"
#include "tst_keyboardrecorder.h"
#include "virtualkeyinput.h"

#include <QSignalSpy>
#include <QtTest>

class TestKeyboardInput : public QObject
{
    Q_OBJECT

private slots:
    void postedKey_data();
    void postedKey();
    void sentKey_data();
    void sentKey();
    void pinyin_data();
    void pinyin();
    void shift_data();
    void shift();
    void showingAgainStartsPlain();
};

void TestKeyboardInput::postedKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("back") << "_back" << int(Qt::Key_Backspace) << "";
    QTest::newRow("return") << "_return" << int(Qt::Key_Return) << "";
    QTest::newRow("left") << "_leftArrow" << int(Qt::Key_Left) << "";
    QTest::newRow("down") << "_downArrow" << int(Qt::Key_Down) << "";
    QTest::newRow("right") << "_rightArrow" << int(Qt::Key_Right) << "";
    QTest::newRow("up") << "_upArrow" << int(Qt::Key_Up) << "";
    QTest::newRow("space") << "_space" << 32 << " ";
    QTest::newRow("letter") << "a" << 0x61 << "a";
    QTest::newRow("Latin-1 letter") << "é" << 233 << "é";
    QTest::newRow("y with diaeresis, the last Latin-1") << "ÿ" << 255 << "ÿ";
    QTest::newRow("beyond Latin-1") << "Ā" << 0 << "Ā";
    QTest::newRow("Hangul syllable") << "가" << 0 << "가";
    QTest::newRow("Chinese character") << "中" << 0 << "中";
    QTest::newRow("several characters") << "ab" << 0x61 << "ab";
    QTest::newRow("names are case-sensitive") << "_Back" << int('_') << "_Back";
    QTest::newRow("empty") << "" << 0 << "";
}

void TestKeyboardInput::postedKey()
{
    QFETCH(QString, key);
    QFETCH(int, code);
    QFETCH(QString, text);

    KeyRecorder receiver;
    auto *vki = new VirtualKeyInput(&receiver);
    QSignalSpy clicked(vki, &VirtualKeyInput::aKeyWasPressed);
    vki->generateKeyInput(key, 7);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(receiver.keys.isEmpty()); // posted, not sent
    QTRY_COMPARE(receiver.keys.size(), 1);
    QCOMPARE(receiver.keys.at(0).code, code);
    QCOMPARE(receiver.keys.at(0).text, text);
}

void TestKeyboardInput::sentKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("back") << "_back" << int(Qt::Key_Backspace) << "";
    QTest::newRow("return") << "_return" << int(Qt::Key_Return) << "";
    QTest::newRow("left") << "_leftArrow" << int(Qt::Key_Left) << "";
    QTest::newRow("right") << "_rightArrow" << int(Qt::Key_Right) << "";
    QTest::newRow("space") << "_space" << int(Qt::Key_Space) << " ";
    QTest::newRow("down is not known") << "_downArrow" << 0 << "_";
    QTest::newRow("first character only") << "가나" << 0 << "가";
    QTest::newRow("letter has no code") << "a" << 0 << "a";
    // Used to read past the end of the string.
    QTest::newRow("empty") << "" << 0 << "";
}

void TestKeyboardInput::sentKey()
{
    QFETCH(QString, key);
    QFETCH(int, code);
    QFETCH(QString, text);

    KeyRecorder receiver;
    auto *vki = new VirtualKeyInput(&receiver);
    QSignalSpy clicked(vki, &VirtualKeyInput::aKeyWasPressed);
    vki->generateKeyInput(key);
    QCOMPARE(receiver.keys.size(), 1);
    QCOMPARE(receiver.keys.at(0).code, code);
    QCOMPARE(receiver.keys.at(0).text, text);
    QCOMPARE(clicked.count(), 0);
}

void TestKeyboardInput::pinyin_data()
{
    QTest::addColumn<QStringList>("taps"); // letters, <back> <space> <return> or =N (candidate N)
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<QString>("candidates"); // the syllable whose candidates show

    QTest::newRow("z") << QStringList{"z"} << "" << "z" << "z";
    QTest::newRow("zh") << QStringList{"z", "h"} << "" << "zh" << "zh";
    QTest::newRow("upper case typed as lower") << QStringList{"Z", "H"} << "" << "zh" << "zh";
    QTest::newRow("A, the first capital") << QStringList{"A"} << "" << "a" << "a";
    QTest::newRow("a whole syllable") << QStringList{"z", "u", "o"} << "" << "zuo" << "zuo";
    QTest::newRow("letter no syllable takes is dropped") << QStringList{"z", "u", "o", "x"} << "" << "zuo"
                                                         << "zuo";
    QTest::newRow("first letter without candidates stays") << QStringList{"i"} << "" << "i" << "";
    QTest::newRow("nothing follows it") << QStringList{"i", "a"} << "" << "i" << "";
    QTest::newRow("choose the first") << QStringList{"z", "u", "o", "=0"} << "昨" << "" << "";
    QTest::newRow("choose the last") << QStringList{"z", "u", "o", "=6"} << "做" << "" << "";
    QTest::newRow("then more") << QStringList{"a", "=1", "z", "u", "n", "=0"} << "啊尊" << "" << "";
    QTest::newRow("back recomputes") << QStringList{"z", "u", "o", "<back>"} << "" << "zu" << "zu";
    QTest::newRow("back to nothing") << QStringList{"a", "<back>"} << "" << "" << "";
    QTest::newRow("back with nothing pending") << QStringList{"<back>"} << "{back}" << "" << "";
    QTest::newRow("space clears only") << QStringList{"a", "<space>"} << "" << "" << "";
    QTest::newRow("return clears only") << QStringList{"a", "<return>"} << "" << "" << "";
    QTest::newRow("space alone") << QStringList{"<space>"} << " " << "" << "";
    QTest::newRow("return alone") << QStringList{"<return>"} << "{return}" << "" << "";
    QTest::newRow("digit ends pinyin") << QStringList{"a", "7"} << "7" << "" << "";
}

void TestKeyboardInput::pinyin()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, typed);
    QFETCH(QString, pending);
    QFETCH(QString, candidates);

    KeyRecorder field;
    auto *vki = new VirtualKeyInput(&field);
    KeyComposer composer;
    composer.setVki(vki);
    composer.setMode(KeyComposer::Pinyin);
    QSignalSpy clicks(vki, &VirtualKeyInput::aKeyWasPressed);
    for (const QString &tap : taps) {
        if (tap == QLatin1String("<back>"))
            composer.back();
        else if (tap == QLatin1String("<space>"))
            composer.space();
        else if (tap == QLatin1String("<return>"))
            composer.enter();
        else if (tap.startsWith(QLatin1Char('=')))
            composer.chooseCandidate(composer.candidates().at(tap.mid(1).toInt()));
        else
            composer.key(tap);
    }
    QCoreApplication::processEvents();
    QCOMPARE(field.typed(), typed);
    QCOMPARE(composer.pending(), pending);
    QCOMPARE(composer.candidates(), candidates.isEmpty() ? QString() : vki->getPinyinChar(candidates));
    QCOMPARE(clicks.count(), taps.size());
}

void TestKeyboardInput::shift_data()
{
    QTest::addColumn<QList<int>>("tapTimes"); // ms of the shift taps; -1: a letter key
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("typed");

    const int lower = KeyComposer::Lower;
    const int once = KeyComposer::OneShotUpper;
    const int locked = KeyComposer::CapsLock;
    QTest::newRow("one tap") << QList<int>{1000} << once << "";
    QTest::newRow("one tap, one letter") << QList<int>{1000, -1} << lower << "x";
    QTest::newRow("two slow taps") << QList<int>{1000, 1401} << lower << "";
    QTest::newRow("two quick taps") << QList<int>{1000, 1300} << locked << "";
    QTest::newRow("quick at the limit") << QList<int>{1000, 1400} << locked << "";
    QTest::newRow("caps lock stays after letters") << QList<int>{1000, 1300, -1, -1} << locked << "xx";
    QTest::newRow("tap ends caps lock") << QList<int>{1000, 1300, 5000} << lower << "";
    QTest::newRow("quick tap ends caps lock") << QList<int>{1000, 1300, 1500} << lower << "";
    QTest::newRow("quick from lower after a letter") << QList<int>{1000, -1, 1200} << locked << "x";
    QTest::newRow("three quick taps") << QList<int>{1000, 1100, 1200} << lower << "";
    QTest::newRow("slow taps after lock") << QList<int>{1000, 1300, 5000, 9000} << once << "";
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
        if (t < 0)
            composer.key(QStringLiteral("x"));
        else
            composer.tapShiftAt(t);
    }
    QCoreApplication::processEvents();
    QCOMPARE(int(composer.shift()), shift);
    QCOMPARE(field.typed(), typed);
    QCOMPARE(clicks.count(), tapTimes.size());
}

void TestKeyboardInput::showingAgainStartsPlain()
{
    KeyRecorder field;
    auto *vki = new VirtualKeyInput(&field);
    KeyComposer composer;
    composer.setVki(vki);
    composer.setMode(KeyComposer::Pinyin);
    composer.key(QStringLiteral("a"));
    composer.tapShiftAt(10);
    composer.tapShiftAt(20);
    composer.reset();
    QCOMPARE(composer.mode(), KeyComposer::Plain);
    QCOMPARE(composer.shift(), KeyComposer::Lower);
    QCOMPARE(composer.pending(), QString());
    QCOMPARE(composer.candidates(), QString());
    // A shift tap soon after the reset is a first tap, not a second.
    composer.tapShiftAt(30);
    QCOMPARE(composer.shift(), KeyComposer::OneShotUpper);
}

QTEST_GUILESS_MAIN(TestKeyboardInput)
#include "tst_keyboardinput.moc"
