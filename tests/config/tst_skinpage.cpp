#include "servicescreen.h"

#include <QQmlComponent>

// The skin screen opened from Utilities: a colour or size changed on its controls
// reaches the running theme, its "uiSkin/" key and a theme made afresh (as after a
// restart); text made unreadable is refused; Reset brings the defaults back.
class TestSkinPage : public QObject
{
    Q_OBJECT

private slots:
    void changeReachesThemeStoreAndRestart_data();
    void changeReachesThemeStoreAndRestart();
    void unreadableTextIsRefused_data();
    void unreadableTextIsRefused();
    void resetRestoresTheDefaults();
    void storedValuesAreCheckedAtStart_data();
    void storedValuesAreCheckedAtStart();
    void namedInTheHeaderWithAWayBack_data();
    void namedInTheHeaderWithAWayBack();
};

namespace {

const QString Accent = QStringLiteral("#42a5f5");

QString defaultOf(const QString &name)
{
    static const QHash<QString, QString> defaults{
        {"text", "#ffffff"}, {"background", "#101418"}, {"accentStrong", "#1565c0"}};
    return defaults.value(name);
}

// A theme property as an engine's theme has it.
QString themeValue(QQmlEngine *engine, const QString &name)
{
    QQmlComponent c(engine);
    c.setData("import QtQuick 2.15\nimport \"qrc:/theme\"\nQtObject { property var v: Theme." + name.toLatin1() + " }",
              QUrl(QStringLiteral("qrc:/probe.qml")));
    std::unique_ptr<QObject> probe(c.create());
    if (!probe)
        return c.errorString();
    const QVariant v = probe->property("v");
    return v.canConvert<QColor>() && v.userType() == QMetaType::QColor ? v.value<QColor>().name() : v.toString();
}

// The theme of a new engine over a new settings store: what the next start shows.
QString afterRestart(ServiceScreen &s, const QString &name)
{
    ConfigurationManager fresh(nullptr, nullptr, true, 1, &s.core);
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("configManager"), &fresh);
    return themeValue(&engine, name);
}

bool openSkin(ServiceScreen &s)
{
    return s.load() && s.open(QStringLiteral("Utilities")) && s.unlock(QStringLiteral("604528"))
        && QTest::qWaitFor([&s] { return s.enabled("skinButton"); }) && s.tap("skinButton")
        && QTest::qWaitFor([&s] { return s.page(QStringLiteral("Skin"))->isVisible(); });
}

// Scrolls the list to a value's row and taps it.
bool choose(ServiceScreen &s, const QString &name)
{
    QQuickItem *list = s.item("skinList");
    const QStringList names = list ? list->property("model").toStringList() : QStringList();
    if (!names.contains(name))
        return false;
    QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, names.indexOf(name)), Q_ARG(int, 2 /* Contain */));
    return QTest::qWaitFor([&] { return s.shown(qPrintable("skinItem_" + name)); })
        && s.tap(qPrintable("skinItem_" + name));
}

// Presses a slider where its handle stands for a fraction of its range.
bool press(ServiceScreen &s, const char *slider, double at)
{
    QQuickItem *item = s.item(slider);
    QQuickItem *handle = item ? item->property("handle").value<QQuickItem *>() : nullptr;
    if (!handle || !item->isVisible())
        return false;
    const double left = item->property("leftPadding").toDouble() + handle->width() / 2;
    const double width = item->property("availableWidth").toDouble() - handle->width();
    const QPointF point(left + at * width, item->height() / 2);
    QTest::mouseClick(s.view.get(), Qt::LeftButton, Qt::NoModifier, item->mapToScene(point).toPoint());
    return true;
}

} // namespace

void TestSkinPage::changeReachesThemeStoreAndRestart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<double>("at");
    QTest::addColumn<QString>("size"); // for the sizes: the size the slider's end gives
    QTest::newRow("accent hue") << "accent" << "skinHueSlider" << 0.5 << "";
    QTest::newRow("accent saturation") << "accent" << "skinSaturationSlider" << 0.2 << "";
    QTest::newRow("background brightness") << "background" << "skinBrightnessSlider" << 0.3 << "";
    QTest::newRow("text brightness") << "text" << "skinBrightnessSlider" << 0.85 << "";
    QTest::newRow("largest text size") << "fontBody" << "skinSizeSlider" << 1.0 << "24";
    QTest::newRow("smallest text size") << "fontBody" << "skinSizeSlider" << 0.0 << "18";
    QTest::newRow("largest title size") << "fontTitle" << "skinSizeSlider" << 1.0 << "32";
}

void TestSkinPage::changeReachesThemeStoreAndRestart()
{
    QFETCH(QString, name);
    QFETCH(QString, slider);
    QFETCH(double, at);
    QFETCH(QString, size);
    ServiceScreen s;
    QVERIFY(openSkin(s));
    const QString before = themeValue(s.view->engine(), name);
    QVERIFY(choose(s, name));
    QVERIFY(press(s, qPrintable(slider), at));

    QString expected = size;
    if (expected.isEmpty()) {
        const auto v = [&s](const char *n) { return s.item(n)->property("value").toDouble(); };
        expected = s.config->colorFromHsv(v("skinHueSlider"), v("skinSaturationSlider"), v("skinBrightnessSlider"));
        const double moved = v(qPrintable(slider));
        QVERIFY2(qAbs(moved - at) < 0.02, qPrintable(QString::number(moved)));
    }
    QCOMPARE(s.text("skinValue"), size.isEmpty() ? expected : size + " px");
    QVERIFY(s.tap("skinSaveButton"));
    QVERIFY(expected != before);
    QCOMPARE(themeValue(s.view->engine(), name), expected);
    QCOMPARE(s.config->value("uiSkin/" + name).toString(), expected);
    QCOMPARE(afterRestart(s, name), expected);
    // The settings were saved with the screen's accept; the others kept their defaults.
    QVERIFY(!s.configFile().isEmpty());
    QCOMPARE(themeValue(s.view->engine(), name == "accent" ? "border" : "accent"),
             name == "accent" ? QStringLiteral("#607d8b") : Accent);
}

void TestSkinPage::unreadableTextIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<double>("at");
    QTest::newRow("dark text") << "text" << "skinBrightnessSlider" << 0.1;
    QTest::newRow("white background") << "background" << "skinSaturationSlider" << 0.0;
    QTest::newRow("pale buttons") << "accentStrong" << "skinSaturationSlider" << 0.0;
}

void TestSkinPage::unreadableTextIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, slider);
    QFETCH(double, at);
    ServiceScreen s;
    QVERIFY(openSkin(s));
    QVERIFY(choose(s, name) && press(s, qPrintable(slider), at));
    if (name != "text")
        QVERIFY(press(s, "skinBrightnessSlider", 1.0)); // grey to white
    QVERIFY(s.tap("skinSaveButton"));
    QTRY_VERIFY(s.shown("skinMessage"));
    QCOMPARE(themeValue(s.view->engine(), name), defaultOf(name));
    QVERIFY(!s.config->value("uiSkin/" + name).isValid());
    QVERIFY(s.configFile().isEmpty());
    // The message closes, and the edit stays to be put right.
    QVERIFY(s.tap("configMessageClose", "skinMessage"));
    QTRY_VERIFY(!s.shown("skinMessage"));
    QVERIFY(s.enabled("skinSaveButton"));
}

void TestSkinPage::resetRestoresTheDefaults()
{
    ServiceScreen s;
    QVERIFY(openSkin(s));
    QVERIFY(choose(s, "accent") && press(s, "skinHueSlider", 0.9));
    QVERIFY(choose(s, "fontTitle") && press(s, "skinSizeSlider", 1.0));
    QVERIFY(s.tap("skinSaveButton"));
    QVERIFY(themeValue(s.view->engine(), "accent") != Accent);
    QCOMPARE(themeValue(s.view->engine(), "fontTitle"), QStringLiteral("32"));

    QVERIFY(s.tap("skinResetButton"));
    QQuickItem *question = s.item("skinResetQuestion");
    QTRY_VERIFY(question->isVisible());
    // Its buttons are placed with the next frame.
    QSignalSpy drawn(s.view.get(), &QQuickWindow::frameSwapped);
    drawn.wait(500);
    QVERIFY(s.tap("configMessageYes", "skinResetQuestion"));
    QTRY_VERIFY(!question->isVisible());
    QCOMPARE(themeValue(s.view->engine(), "accent"), Accent);
    QCOMPARE(themeValue(s.view->engine(), "fontTitle"), QStringLiteral("28"));
    QCOMPARE(s.config->value("uiSkin/accent").toString(), Accent);
    QCOMPARE(afterRestart(s, "accent"), Accent);
    QCOMPARE(afterRestart(s, "fontTitle"), QStringLiteral("28"));
}

void TestSkinPage::storedValuesAreCheckedAtStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a colour") << "surface" << "#AA0011" << "#aa0011";
    QTest::newRow("not a colour") << "surface" << "red" << "#1c2329";
    QTest::newRow("a short colour") << "accent" << "#fff" << Accent;
    QTest::newRow("a size") << "fontBody" << "20" << "20";
    QTest::newRow("a size too large") << "fontBody" << "200" << "24";
    QTest::newRow("a size too small") << "fontTitle" << "3" << "24";
    QTest::newRow("not a size") << "fontTitle" << "big" << "28";
}

void TestSkinPage::storedValuesAreCheckedAtStart()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    ServiceScreen s;
    s.config->setValue("uiSkin/" + name, stored);
    QCOMPARE(afterRestart(s, name), shown);
}

// Opened from Utilities, the page says which it is in the header and leads back there,
// the way back at the reading start of the line (right in Arabic).
void TestSkinPage::namedInTheHeaderWithAWayBack_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << 0 << "Colors and Sizes";
    QTest::newRow("Arabic") << 11 << QString::fromUtf8("\u0627\u0644\u0623\u0644\u0648\u0627\u0646 \u0648\u0627\u0644\u0623\u062d\u062c\u0627\u0645");
}

void TestSkinPage::namedInTheHeaderWithAWayBack()
{
    QFETCH(int, language);
    QFETCH(QString, title);
    ServiceScreen s(true, true, 0);
    QVERIFY(openSkin(s));
    s.translator.setLanguage(language);
    QTRY_COMPARE(s.text("carouselTitle"), title);
    QQuickItem *back = s.item("skinBackButton");
    QVERIFY(back && back->isVisible());
    QVERIFY(back->width() >= 56 && back->height() >= 56);
    const auto onTheRight = [&] { return back->mapToScene(QPointF(back->width() / 2, 0)).x() > s.view->width() / 2; };
    QTRY_COMPARE(onTheRight(), language == 11);
    QVERIFY(s.tap("skinBackButton"));
    QTRY_VERIFY(!s.page(QStringLiteral("Skin"))->isVisible());
    QVERIFY(s.page(QStringLiteral("Utilities"))->isVisible());
    QCOMPARE(s.title(), QStringLiteral("Utilities"));
    QCOMPARE(s.text("carouselTitle"), language == 11 ? QCoreApplication::translate("ServiceCarousel", "Utilities")
                                                     : QStringLiteral("Utilities"));
}

QTEST_MAIN(TestSkinPage)
#include "tst_skinpage.moc"
