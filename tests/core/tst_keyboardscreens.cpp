// The on-screen keyboards as the shell shows them, offscreen: the layouts and their
// counts, every key inside the screen for every language and orientation, typing into a
// text field through the keys, with the glyphs of each script drawn.
#include "keycomposer.h"
#include "translator.h"
#include "virtualkeyinput.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTextLayout>
#include <QtTest>

#include <memory>

// The used-language bits of the settings store.
class SettingsStandIn : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    int usedMask = 0x7fff;
    Q_INVOKABLE bool getIsLanguageUsed(int id) const { return usedMask & (1 << id); }
};

static const char *const kScene = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/keyboard"
Window {
    id: window
    property bool portrait: false
    width: portrait ? 480 : 800
    height: portrait ? 800 : 480
    visible: true
    color: "black"
    TextInput {
        objectName: "field"
        y: 8; width: parent.width; height: 40
        color: "white"; font.pixelSize: 24
        focus: true
    }
    KeyboardLayer {
        objectName: "layer"
        anchors.fill: parent
        portrait: window.portrait
    }
}
)";

class TestKeyboardScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutsHaveTheirRowsAndKeys_data();
    void layoutsHaveTheirRowsAndKeys();
    void keysFitTheScreen_data();
    void keysFitTheScreen();
    void typingThroughTheKeys_data();
    void typingThroughTheKeys();
    void languageKeyStepsThroughUsedLanguages_data();
    void languageKeyStepsThroughUsedLanguages();
    void everyPrintableAsciiCharacterTypes_data();
    void everyPrintableAsciiCharacterTypes();

private:
    bool showScene(bool portrait, int language, bool multilingual);
    QQuickItem *keyboard() const;
    QList<QQuickItem *> items(const QString &name) const;
    bool tap(const QString &label);
    void settle();

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    Translator *m_tro = nullptr;
    VirtualKeyInput *m_vki = nullptr;
    SettingsStandIn *m_settings = nullptr;
    QQuickItem *m_layer = nullptr;
};

void TestKeyboardScreens::init()
{
    VirtualKeyInput::registerQmlTypes();
    m_engine.reset(new QQmlEngine);
    m_tro = new Translator(m_engine.get());
    m_vki = new VirtualKeyInput(m_engine.get());
    m_settings = new SettingsStandIn(m_engine.get());
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("tro"), m_tro);
    context->setContextProperty(QStringLiteral("vki"), m_vki);
    context->setContextProperty(QStringLiteral("configManager"), m_settings);
}

void TestKeyboardScreens::cleanup()
{
    m_window.reset();
    m_engine.reset();
}

bool TestKeyboardScreens::showScene(bool portrait, int language, bool multilingual)
{
    m_tro->setLanguage(language);
    QQmlComponent component(m_engine.get());
    component.setData(kScene, QUrl(QStringLiteral("qrc:/keyboardtest.qml")));
    QObject *created = component.beginCreate(m_engine->rootContext());
    if (!created)
        qWarning() << component.errors();
    created->setProperty("portrait", portrait);
    component.completeCreate();
    m_window.reset(qobject_cast<QQuickWindow *>(created));
    m_window->requestActivate();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return false;
    m_layer = m_window->findChild<QQuickItem *>(QStringLiteral("layer"));
    if (!m_layer || !QMetaObject::invokeMethod(m_layer, "showAlpha", Q_ARG(QVariant, multilingual)))
        return false;
    settle();
    return keyboard() && keyboard()->isVisible();
}

QQuickItem *TestKeyboardScreens::keyboard() const
{
    return m_layer ? m_layer->findChild<QQuickItem *>(QStringLiteral("keyboardAlpha")) : nullptr;
}

// Visible items of that object name (every visible item for no name), in tree order.
QList<QQuickItem *> TestKeyboardScreens::items(const QString &name) const
{
    QList<QQuickItem *> out, todo{m_window->contentItem()};
    while (!todo.isEmpty()) {
        QQuickItem *item = todo.takeFirst();
        if (!item->isVisible())
            continue;
        if (name.isEmpty() || item->objectName() == name)
            out.append(item);
        todo = item->childItems() + todo;
    }
    return out;
}

// Rows place their keys when the next frame is prepared: taps and geometry wait for it.
void TestKeyboardScreens::settle()
{
    QSignalSpy frame(m_window.get(), &QQuickWindow::frameSwapped);
    m_window->update();
    QVERIFY(frame.wait(2000));
}

// A key by its label, or a key of the bar by its object name ("#spaceKey"), tapped
// in its middle. Keys of the numeric pads are finger-sized and on the screen.
bool TestKeyboardScreens::tap(const QString &label)
{
    QQuickItem *key = nullptr;
    if (label.size() > 1 && label.startsWith(QLatin1Char('#')))
        key = items(label.mid(1)).value(0);
    for (QQuickItem *item : items(QString()))
        if (!key && item->property("label").toString() == label && item->inherits("QQuickRectangle"))
            key = item;
    if (!key)
        return false;
    const QRectF r = key->mapRectToScene(QRectF(0, 0, key->width(), key->height()));
    const QRectF screen(0, 0, m_window->width(), m_window->height());
    if (!keyboard()->isVisible() && (r.width() < 56 || r.height() < 56 || !screen.contains(r)))
        return false;
    QTest::mouseClick(m_window.get(), Qt::LeftButton, Qt::NoModifier, r.center().toPoint());
    settle();
    return true;
}

void TestKeyboardScreens::layoutsHaveTheirRowsAndKeys_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstRow"); // the keys of the first row, as typed

    QTest::newRow("usa") << "usaQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("spa") << "spaQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("fra") << "fraQwertyAlpha" << 3 << "azertyuiop";
    QTest::newRow("deu") << "deuQwertyAlpha" << 3 << "qwertzuiopü";
    QTest::newRow("ita") << "itaQwertyAlpha" << 3 << "qwertyuiopè";
    QTest::newRow("por") << "porQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("rus") << "rusQwertyAlpha" << 3 << "йцукенгшщзхъ";
    QTest::newRow("arabic") << "arabicQwertyAlpha" << 3 << "ضصثقفغعهخحجد";
    QTest::newRow("kor") << "korQwertyAlpha" << 3 << "ㅂㅈㄷㄱㅅㅛㅕㅑㅐㅔ";
    QTest::newRow("zh_cn") << "zh_cnQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("jpn with kana row") << "jpnQwertyAlpha" << 4 << "あいうえおかきくけこさし";
    QTest::newRow("rusEng") << "rusEngQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("arabicEng") << "arabicEngQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("korEng") << "korEngQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("jpnEng") << "jpnEngQwertyAlpha" << 3 << "qwertyuiop";
    QTest::newRow("all letter rows") << "" << 46 << "";
}

void TestKeyboardScreens::layoutsHaveTheirRowsAndKeys()
{
    QFETCH(QString, layout);
    QFETCH(int, rows);
    QFETCH(QString, firstRow);

    QQmlComponent component(m_engine.get(), QUrl(QStringLiteral("qrc:/keyboard/KeyboardAlphaModels.qml")));
    std::unique_ptr<QObject> models(component.create());
    QVERIFY2(models, qPrintable(component.errorString()));
    const QMetaObject *meta = models->metaObject();
    int rowCount = 0;
    int keyCount = 0;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta->property(i).name());
        const bool letters = name.contains(QLatin1String("Alpha_r"));
        if (layout.isEmpty() ? !letters : !name.startsWith(layout + QLatin1String("_r")))
            continue;
        auto *model = qvariant_cast<QAbstractListModel *>(meta->property(i).read(models.get()));
        QVERIFY2(model, qPrintable(name));
        ++rowCount;
        QString typed;
        for (int row = 0; row < model->rowCount(); ++row) {
            QVariantMap values;
            const QHash<int, QByteArray> roles = model->roleNames();
            for (auto it = roles.begin(); it != roles.end(); ++it)
                values.insert(QString::fromLatin1(it.value()), model->data(model->index(row), it.key()));
            QVERIFY2(!values.value("lowerCode").toString().isEmpty() && !values.value("upperCode").toString().isEmpty()
                         && !values.value("lower").toString().isEmpty() && !values.value("upper").toString().isEmpty(),
                     qPrintable(name));
            QCOMPARE(values.value("w").toInt(), 1);
            QCOMPARE(values.value("h").toInt(), 1);
            if (name.endsWith(QLatin1String(layout.contains("jpnQwerty") ? "_r0" : "_r1")))
                typed += values.value("lowerCode").toString();
        }
        keyCount += model->rowCount();
        if (!firstRow.isEmpty() && !typed.isEmpty())
            QCOMPARE(typed, firstRow);
    }
    QCOMPARE(rowCount, rows);
    if (layout.isEmpty())
        QCOMPARE(keyCount, 473);
}

void TestKeyboardScreens::keysFitTheScreen_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("keyWidth");

    for (int language = 0; language < 15; ++language) {
        const char *code = Translator::gLanguageFiles[language].code;
        QTest::addRow("%s landscape", code) << language << false << 50;
        int portraitWidth = 44;
        if (language == 10 || language == 11 || language == 14)
            portraitWidth = 36;
        else if (language == 5 || language == 6)
            portraitWidth = 40;
        QTest::addRow("%s portrait", code) << language << true << portraitWidth;
    }
}

void TestKeyboardScreens::keysFitTheScreen()
{
    QFETCH(int, language);
    QFETCH(bool, portrait);
    QFETCH(int, keyWidth);

    QVERIFY(showScene(portrait, language, true));
    QQuickItem *kb = keyboard();
    QCOMPARE(kb->property("inputLanguage").toInt(), language);
    QCOMPARE(kb->property("keyWidth").toInt(), keyWidth);
    const QRectF screen(0, 0, portrait ? 480 : 800, portrait ? 800 : 480);

    // Letters, the English letters of the "EN" key, and the symbols.
    for (const char *mode : {"letters", "english", "symbols"}) {
        kb->setProperty("english", qstrcmp(mode, "english") == 0);
        kb->setProperty("symbols", qstrcmp(mode, "symbols") == 0);
        QMetaObject::invokeMethod(kb, "applyInput");
        settle();
        const bool enShown = kb->property("englishKeyShown").toBool();
        QCOMPARE(enShown, qstrcmp(mode, "symbols") != 0 && language >= 10);
        const QList<QQuickItem *> rows = items(QStringLiteral("keyRow"));
        QVERIFY(rows.size() >= 3);
        int firstRowKeys = -1;
        for (QQuickItem *row : rows) {
            const QList<QQuickItem *> keys = row->childItems();
            int n = 0;
            for (QQuickItem *key : keys) {
                if (key->objectName() != QLatin1String("key"))
                    continue;
                ++n;
                QCOMPARE(key->width(), qreal(keyWidth));
                QCOMPARE(key->height(), qreal(48));
            }
            if (firstRowKeys < 0 || (rows.size() == 4 && row == rows.at(1)))
                firstRowKeys = n;
            // Computed: n keys and n - 1 gaps, inside the screen.
            QVERIFY2(n * keyWidth + (n - 1) * 4 <= screen.width(), qPrintable(QString::number(n)));
        }
        const int units = firstRowKeys - 5 - (enShown ? 1 : 0);
        QCOMPARE(items(QStringLiteral("spaceKey")).first()->width(), qreal(units * keyWidth + (units - 1) * 4));
        // And as laid out: every key of the keyboard inside the screen.
        QList<QQuickItem *> all = items(QStringLiteral("key"));
        for (const char *name : {"symbolsKey", "languageKey", "englishKey", "commaKey", "spaceKey", "periodKey",
                                 "returnKey"})
            all += items(QLatin1String(name));
        for (QQuickItem *key : all) {
            const QRectF r = key->mapRectToScene(QRectF(0, 0, key->width(), key->height()));
            QVERIFY2(screen.contains(r), qPrintable(QStringLiteral("%1 %2 at %3,%4 %5x%6")
                                                        .arg(mode, key->property("label").toString())
                                                        .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
        }
    }
}

void TestKeyboardScreens::typingThroughTheKeys_data()
{
    QTest::addColumn<int>("language"); // -1: the numeric pad, -2: with point and minus
    QTest::addColumn<QStringList>("taps"); // key labels, "#name" for the bottom row
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // a key label on the screen after the taps, whose script is drawn

    QTest::newRow("English") << 0 << QStringList{"c", "a", "f", "e"} << "cafe" << "q";
    QTest::newRow("one-shot capital") << 0 << QStringList{"\u21e7", "C", "a"} << "Ca" << "";
    QTest::newRow("back and space") << 0 << QStringList{"a", "b", "\u232b", "#spaceKey", "c"} << "a c" << "";
    QTest::newRow("symbols") << 0 << QStringList{"#symbolsKey", "4", "2", "#symbolsKey", "x"} << "42x" << "";
    QTest::newRow("Russian") << 10 << QStringList{"п", "р", "и"} << "при" << "й";
    QTest::newRow("Russian, EN key") << 10 << QStringList{"#englishKey", "o", "k"} << "ok" << "";
    QTest::newRow("Arabic") << 11 << QStringList{"ب", "ي", "ت"} << "بيت" << "ض";
    // Hangul and pinyin start off; a second tap on "EN" turns the language's own input on.
    const QStringList ownInput{"#englishKey", "#englishKey"};
    QTest::newRow("Korean as shown: jamo as typed") << 12 << QStringList{"ㄱ", "ㅏ"} << "ㄱㅏ" << "ㄱ";
    QTest::newRow("Korean") << 12 << ownInput + QStringList{"ㄱ", "ㅏ", "ㄴ", "ㅏ", "#spaceKey"} << "가나" << "";
    QTest::newRow("Korean composing") << 12 << ownInput + QStringList{"ㄱ", "ㅏ"} << "" << "가";
    QTest::newRow("Korean preview key") << 12 << ownInput + QStringList{"ㅎ", "ㅏ", "ㄴ", "한"} << "한" << "";
    QTest::newRow("Korean, EN key") << 12 << ownInput + QStringList{"ㄱ", "ㅏ", "#englishKey", "k"} << "가k" << "";
    QTest::newRow("Korean, symbols and back: jamo as typed")
        << 12 << ownInput + QStringList{"#symbolsKey", "#symbolsKey", "ㄱ", "ㅏ"} << "ㄱㅏ" << "";
    QTest::newRow("Chinese as shown: letters as typed") << 13 << QStringList{"n", "i"} << "ni" << "";
    QTest::newRow("Chinese candidates") << 13 << ownInput + QStringList{"z", "h", "o", "n", "g"} << "" << "中";
    QTest::newRow("Chinese") << 13 << ownInput + QStringList{"z", "h", "o", "n", "g", "中", "w", "e", "n", "文"}
                             << "中文" << "";
    QTest::newRow("Chinese, symbols and back: letters as typed")
        << 13 << ownInput + QStringList{"#symbolsKey", "#symbolsKey", "n", "i"} << "ni" << "";
    QTest::newRow("Chinese, EN key") << 13 << ownInput + QStringList{"#englishKey", "n", "o"} << "no" << "";
    QTest::newRow("Japanese") << 14 << QStringList{"す", "し"} << "すし" << "";
    QTest::newRow("digits and back") << -1 << QStringList{"1", "2", "\u232b", "0", "5"} << "105" << "";
    QTest::newRow("point and minus only click") << -1 << QStringList{"-", "3", ".", "5"} << "35" << "";
    QTest::newRow("point and minus allowed") << -2 << QStringList{"-", "3", ".", "5"} << "-3.5" << "";
}

void TestKeyboardScreens::typingThroughTheKeys()
{
    QFETCH(int, language);
    QFETCH(QStringList, taps);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    QVERIFY(showScene(language < 0, qMax(language, 0), language >= 0));
    if (language < 0) {
        QMetaObject::invokeMethod(m_layer, "showNumeric", Q_ARG(QVariant, language == -2),
                                  Q_ARG(QVariant, language == -2));
        settle();
        QVERIFY(!keyboard()->isVisible());
    }
    QObject *field = m_window->findChild<QObject *>(QStringLiteral("field"));
    QSignalSpy clicks(m_vki, &VirtualKeyInput::aKeyWasPressed);
    for (const QString &t : taps) {
        QVERIFY2(tap(t), qPrintable(t));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(field->property("text").toString(), typed);
    QCOMPARE(clicks.count(), taps.size());
    if (shown.isEmpty())
        return;

    // Every glyph of the keys comes from a font that has it (glyph 0 is the empty box),
    // and something is drawn there: not all pixels of the label have the key's colour.
    const QImage image = m_window->screen()->grabWindow(m_window->winId()).toImage();
    QVERIFY(!image.isNull());
    bool shownSeen = false;
    const QList<QQuickItem *> labels = items(QStringLiteral("keyLabel"));
    QVERIFY(labels.size() > 30);
    for (QQuickItem *label : labels) {
        const QString text = label->property("text").toString();
        if (text.isEmpty())
            continue;
        shownSeen |= text == shown;
        QTextLayout layout(text, label->property("font").value<QFont>());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            for (quint32 glyph : run.glyphIndexes())
                QVERIFY2(glyph != 0, qPrintable(text + " in " + run.rawFont().familyName()));
        }
        const QRect pixels = label->mapRectToScene(QRectF(0, 0, label->width(), label->height())).toRect()
                                 .intersected(image.rect());
        const QRgb background = image.pixel(pixels.left() + 2, pixels.top() + 2);
        bool drawn = false;
        for (int y = pixels.top(); y <= pixels.bottom() && !drawn; ++y) {
            for (int x = pixels.left(); x <= pixels.right() && !drawn; ++x)
                drawn = image.pixel(x, y) != background;
        }
        QVERIFY2(drawn, qPrintable(text));
    }
    QVERIFY2(shownSeen, qPrintable(shown));
}

void TestKeyboardScreens::languageKeyStepsThroughUsedLanguages_data()
{
    QTest::addColumn<int>("usedMask");
    QTest::addColumn<int>("shownIn");
    QTest::addColumn<bool>("multilingual");
    QTest::addColumn<QList<int>>("inputLanguages"); // first the one shown, then after each tap

    QTest::newRow("starts on the interface language") << 0x7fff << 10 << true << QList<int>{10, 11, 12, 13, 14, 0};
    QTest::newRow("only used ones, wrapping") << ((1 << 2) | (1 << 12) | (1 << 13)) << 12 << true
                                               << QList<int>{12, 13, 2, 12};
    QTest::newRow("interface language not used") << ((1 << 5) | (1 << 9)) << 0 << true << QList<int>{5, 9, 5};
    QTest::newRow("without multilingual: English") << 0x7fff << 11 << false << QList<int>{0};
    QTest::newRow("shown in Chinese: pinyin once chosen") << ((1 << 0) | (1 << 13)) << 13 << true
                                                         << QList<int>{13, 0, 13};
}

void TestKeyboardScreens::languageKeyStepsThroughUsedLanguages()
{
    QFETCH(int, usedMask);
    QFETCH(int, shownIn);
    QFETCH(bool, multilingual);
    QFETCH(QList<int>, inputLanguages);

    m_settings->usedMask = usedMask;
    QVERIFY(showScene(false, shownIn, multilingual));
    QQuickItem *kb = keyboard();
    QCOMPARE(items(QStringLiteral("languageKey")).isEmpty(), !multilingual);
    QObject *composer = kb->property("composer").value<QObject *>();
    // Shown in lower case and letters with Hangul and pinyin off, whatever the language;
    // choosing Korean or Chinese with the language key turns its input on.
    const auto startsAfresh = [&] {
        QCOMPARE(kb->property("inputLanguage").toInt(), inputLanguages.first());
        QCOMPARE(composer->property("mode").toInt(), int(KeyComposer::Plain));
        QCOMPARE(composer->property("shift").toInt(), int(KeyComposer::Lower));
        QVERIFY(!kb->property("symbols").toBool() && !kb->property("english").toBool());
    };
    startsAfresh();
    if (QTest::currentTestFailed())
        return;
    for (int i = 1; i < inputLanguages.size(); ++i) {
        QVERIFY(tap(QStringLiteral("#languageKey")));
        const int language = inputLanguages.at(i);
        QCOMPARE(kb->property("inputLanguage").toInt(), language);
        QCOMPARE(composer->property("mode").toInt(), int(language == 12   ? KeyComposer::Hangul
                                                         : language == 13 ? KeyComposer::Pinyin
                                                                          : KeyComposer::Plain));
    }
    const int last = inputLanguages.last();
    // The interface follows the last tap, and goes back when the keyboard hides.
    QTRY_COMPARE(m_tro->languageId(), multilingual ? last : shownIn);
    QVERIFY(tap(QStringLiteral("#symbolsKey")));
    QVERIFY(QMetaObject::invokeMethod(composer, "tapShift"));
    QMetaObject::invokeMethod(m_layer, "hide");
    QCOMPARE(m_tro->languageId(), shownIn);
    // Shown again, nothing of the last time is left.
    QVERIFY(QMetaObject::invokeMethod(m_layer, "showAlpha", Q_ARG(QVariant, multilingual)));
    startsAfresh();
}

void TestKeyboardScreens::everyPrintableAsciiCharacterTypes_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("multilingual");

    QTest::newRow("landscape") << false << 0 << false;
    QTest::newRow("portrait") << true << 0 << false;
    QTest::newRow("portrait, narrowest keys") << true << 10 << true;
    QTest::newRow("right-to-left") << false << 11 << true;
}

// Pass phrases and network names take any printable ASCII: each character is typed as a
// user would find it, on the face shown, else through shift and the symbols key.
void TestKeyboardScreens::everyPrintableAsciiCharacterTypes()
{
    QFETCH(bool, portrait);
    QFETCH(int, language);
    QFETCH(bool, multilingual);

    QVERIFY(showScene(portrait, language, multilingual));
    QQuickItem *kb = keyboard();
    if (kb->property("englishKeyShown").toBool())
        QVERIFY(tap(QStringLiteral("#englishKey")));
    const auto shown = [&](const QString &label) {
        for (QQuickItem *item : items(QString()))
            if (item->property("label").toString() == label && item->inherits("QQuickRectangle"))
                return true;
        return false;
    };
    QString expected;
    for (char c = ' '; c <= '~'; ++c) {
        const QString label(QLatin1Char{c});
        expected += label;
        if (c == ' ') {
            QVERIFY(tap(QStringLiteral("#spaceKey")));
            continue;
        }
        // Shift and "1#" in turn reach both faces of both modes (a quick second shift
        // tap locks the capitals, which keeps the face: the next turn flips it).
        bool found = shown(label);
        for (int attempt = 0; attempt < 8 && !found; ++attempt) {
            QVERIFY(tap(attempt % 2 ? QStringLiteral("#symbolsKey") : QStringLiteral("\u21e7")));
            found = shown(label);
        }
        QVERIFY2(found, qPrintable(QStringLiteral("no key for %1 (%2 px wide)").arg(label).arg(kb->width())));
        QVERIFY(tap(label));
    }
    QObject *field = m_window->findChild<QObject *>(QStringLiteral("field"));
    QTRY_COMPARE(field->property("text").toString(), expected);
}

QTEST_MAIN(TestKeyboardScreens)
#include "tst_keyboardscreens.moc"
