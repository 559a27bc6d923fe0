// The holding screens of the shell (bin tiles, over-temperature dialog, link-broken
// notice, zone diagnostics) rendered offscreen from main.qml, bound to stand-ins for the
// holding back end, the error controller and the cabinet manager.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "languagemodel.h"
#include "passcodes.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "translator.h"
#include "traybarsc.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>
#include <QFontMetricsF>
#include <QTextLayout>

#include <array>

#include <algorithm>
#include <memory>

// The holding back end as the screens read it: its bins (each a map the test writes,
// which notifies as the real bin does), zone temperatures and over-temperature alarm.
class HoldingStandIn : public QQmlPropertyMap
{
    Q_OBJECT
public:
    explicit HoldingStandIn(QObject *parent, int binCount = 20) : QQmlPropertyMap(this, parent)
    {
        QVariantList bins;
        for (int i = 0; i < binCount; ++i) {
            auto *view = new QQmlPropertyMap(this);
            for (const char *key : {"productId", "trayState", "remainingTime", "holdTime"})
                view->insert(QLatin1String(key), key == QByteArray("trayState") ? 1 : 0);
            view->insert(QStringLiteral("binNumber"), i);
            view->insert(QStringLiteral("productName"), QString());
            view->insert(QStringLiteral("mismatch"), false);
            view->insert(QStringLiteral("timerColor"), QStringLiteral("#fffffd"));
            view->insert(QStringLiteral("local"), true);
            bins << QVariant::fromValue<QObject *>(view);
        }
        insert(QStringLiteral("bins"), bins);
        insert(QStringLiteral("zoneTemps"), QVariantList());
        insert(QStringLiteral("ambientAlarmActive"), false);
    }
    QQmlPropertyMap *bin(int i) const { return value(QStringLiteral("bins")).toList().at(i).value<QQmlPropertyMap *>(); }
    Q_INVOKABLE void toggleBin(int bin) { emit toggled(bin); }
signals:
    void toggled(int bin);
};

// The error controller and the cabinet manager as main.qml reads them: a configured
// 5 x 1 landscape cabinet of four bins per zone.
class ControllerStandIn : public QQmlPropertyMap
{
    Q_OBJECT
public:
    explicit ControllerStandIn(QObject *parent, const QVariantMap &values) : QQmlPropertyMap(this, parent)
    {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            insert(it.key(), it.value());
    }
    Q_INVOKABLE void clearErrorLogList() {}
    Q_INVOKABLE void retrieveAllErrorLogs() {}
    Q_INVOKABLE void exportErrorLog() {}
    Q_INVOKABLE void refreshFlashDriveMounted() {}
    Q_INVOKABLE void requestDayPart(int) {}
signals:
    void stopAmbientTempAlarm();
    void invokeSimpleDialog(QString text, bool showClose);
    void noUserInteraction();
    void firmwareUpdateStarted();
    void displayTestStart();
    void displayTestStop();
};

// The HACCP controller as the holding-log export reads it: records each export asked for.
class HaccpStandIn : public QQmlPropertyMap
{
    Q_OBJECT
public:
    explicit HaccpStandIn(QObject *parent) : QQmlPropertyMap(this, parent)
    {
        insert(QStringLiteral("haccpLogListCount"), 0);
        insert(QStringLiteral("totalHaccpLogListCount"), 0);
    }
    int exports = 0;
    Q_INVOKABLE void exportHaccpLog() { ++exports; }
    Q_INVOKABLE void retrieveAllHaccpData(bool) {}
signals:
    void exportHaccpLogDone(QString result);
    void retrieveHaccpDataDone(QString result);
};

static QStringList g_warnings;
static QtMessageHandler g_previous = nullptr;
static void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg && msg.contains(QLatin1String("qrc:/")))
        g_warnings << msg;
    g_previous(type, context, msg);
}

class TestHoldingScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void binTile_data();
    void binTile();
    void binTimerColour_data();
    void binTimerColour();
    void tilePartsAreMadeWhenShown_data();
    void tilePartsAreMadeWhenShown();
    void binTextsFitTheTile_data();
    void binTextsFitTheTile();
    void labelSizeSetsTheName_data();
    void labelSizeSetsTheName();
    void shellRunsBeforeTheHoldingBackEnd();
    void overTemperatureDialog_data();
    void overTemperatureDialog();
    void linkBrokenNotice_data();
    void linkBrokenNotice();
    void faultBannerShowsEveryFault_data();
    void faultBannerShowsEveryFault();
    void zoneDiagnostics_data();
    void zoneDiagnostics();
    void exportHoldingLog_data();
    void exportHoldingLog();

private:
    bool show(bool withHolding = true);
    void setLayout(int rows, int zonesPerRow, int traysPerZone);
    void setBin(int bin, int state, int remaining, bool mismatch, const QString &name);
    QQuickItem *item(const QString &name, QQuickItem *from = nullptr) const;
    QString text(const QString &name, QQuickItem *from = nullptr) const;
    bool tap(QQuickItem *target);
    void setLanguage(const QString &code);

    std::unique_ptr<ScratchRoots> m_roots;
    std::unique_ptr<FakeCabinetCore> m_core;
    Translator *m_tro = nullptr;
    ConfigurationManager *m_config = nullptr;
    HoldingStandIn *m_holding = nullptr;
    ControllerStandIn *m_cabinet = nullptr;
    ControllerStandIn *m_errors = nullptr;
    HaccpStandIn *m_haccp = nullptr;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
};

void TestHoldingScreens::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_tro = new Translator(m_core.get());
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core.get());
    // A cabinet that knows its numbers: no unit-details dialog over the screens.
    m_config->set_serialNumber(QStringLiteral("S1"));
    m_config->set_modelNumber(QStringLiteral("M1"));
    auto *menu = new MenuManager(m_core.get());
    m_core->translatorPtr = m_tro;
    m_core->configManagerPtr = m_config;
    m_core->menuManagerPtr = menu;
    m_core->daypartManagerPtr = new DayPartManager(5, 4, menu, m_core.get());
    m_holding = new HoldingStandIn(m_core.get());
    m_cabinet = new ControllerStandIn(m_core.get(), {{"isConfigured", true}, {"orientationPortrait", false},
                                                     {"verticalFlip", false}, {"iAmMaster", true},
                                                     {"flashDriveMounted", false}, {"scaleX", 1.0}, {"scaleY", 1.0},
                                                     {"orientationId", 1}, {"numberOfRows", 5}, {"zonesPerRow", 1},
                                                     {"traysPerZone", 4}, {"zones2handle", 5},
                                                     {"zones2handleStart", 0}});
    m_errors = new ControllerStandIn(m_core.get(), {{"sibLinkBroken", false}, {"errorsLogListCount", 0}, {"cutLogs", QString()},
                                                    {"errorInfoModel", QVariant::fromValue<QObject *>(nullptr)}});
    m_haccp = new HaccpStandIn(m_core.get());
    setLanguage(QStringLiteral("eng_USA"));
    g_warnings.clear();
    g_previous = qInstallMessageHandler(collectWarnings);
}

void TestHoldingScreens::cleanup()
{
    qInstallMessageHandler(g_previous);
    m_window.reset();
    m_engine.reset();
    m_core.reset();
    m_roots.reset();
}

void TestHoldingScreens::setLanguage(const QString &code)
{
    m_tro->setLanguageByString(code);
    m_config->set_languageId(code);
}

bool TestHoldingScreens::show(bool withHolding)
{
    m_engine.reset(new QQmlEngine);
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("cabinetManager"), m_cabinet);
    context->setContextProperty(QStringLiteral("configManager"), m_config);
    context->setContextProperty(QStringLiteral("timeZonesModel"), m_config->timeZonesModel());
    context->setContextProperty(QStringLiteral("tro"), m_tro);
    context->setContextProperty(QStringLiteral("languagesModelNew"), new LanguageModel(m_tro));
    context->setContextProperty(QStringLiteral("masterSync"), static_cast<QObject *>(nullptr));
    context->setContextProperty(QStringLiteral("tulErrorController"), m_errors);
    context->setContextProperty(QStringLiteral("haccpController"), m_haccp);
    context->setContextProperty(QStringLiteral("daypartManager"), m_core->daypartManagerPtr);
    context->setContextProperty(QStringLiteral("menuManager"), m_core->menuManagerPtr);
    if (withHolding)
        context->setContextProperty(QStringLiteral("holding"), m_holding);

    Passcodes::registerQmlTypes();
    TrayBarSc::registerQmlType();
    QQmlComponent component(m_engine.get(), QUrl(QStringLiteral("qrc:/main.qml")));
    m_window.reset(qobject_cast<QQuickWindow *>(component.create()));
    if (!m_window)
        qWarning() << component.errors();
    // The dialogs and notices are made once the first frame is on the screen.
    return m_window && QTest::qWaitForWindowExposed(m_window.get())
        && QTest::qWaitFor([this] { return m_window->property("firstFrameShown").toBool(); });
}

// Delegates of a Repeater are visual children only, so the search walks the item tree.
static QQuickItem *findItem(QQuickItem *parent, const QString &name)
{
    if (parent->objectName() == name)
        return parent;
    const QList<QQuickItem *> children = parent->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *TestHoldingScreens::item(const QString &name, QQuickItem *from) const
{
    return findItem(from ? from : m_window->contentItem(), name);
}

QString TestHoldingScreens::text(const QString &name, QQuickItem *from) const
{
    QQuickItem *found = item(name, from);
    return found && found->isVisible() ? found->property("text").toString() : QString();
}

bool TestHoldingScreens::tap(QQuickItem *target)
{
    if (!target || !target->isVisible())
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_window.get(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

void TestHoldingScreens::binTile_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<bool>("mismatch");
    QTest::addColumn<QString>("timer"); // empty: no countdown shown
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("renamed"); // a name the product takes later; empty: none

    const QString eng = QStringLiteral("eng_USA");
    QTest::newRow("no product") << eng << 0 << 0 << "" << 1 << 0 << false << "" << "" << "#1c2329" << "";
    QTest::newRow("product but unassigned") << eng << 1 << 7 << "Fries" << 1 << 0 << false << "" << "" << "#1c2329" << "";
    QTest::newRow("assigned") << eng << 2 << 7 << "Fries" << 2 << 900 << false << "" << "" << "#37474f" << "";
    QTest::newRow("preheating") << eng << 3 << 7 << "Fries" << 3 << 900 << false << "" << "Preheating" << "#1565c0" << "Breakfast Sandwich";
    QTest::newRow("ready") << eng << 4 << 7 << "Fries" << 4 << 900 << false << "" << "" << "#37474f" << "";
    QTest::newRow("holding") << eng << 5 << 7 << "Fries" << 5 << 900 << false << "15:00" << "" << "#2e7d32" << "";
    QTest::newRow("standard") << eng << 6 << 1 << "Fries" << 6 << 754 << false << "12:34" << "" << "#2e7d32" << "Extra Crispy Chicken Tenders Family Size";
    QTest::newRow("ten minutes ten") << eng << 16 << 1 << "Fries" << 6 << 610 << false << "10:10" << "" << "#2e7d32" << "";
    QTest::newRow("hours-long hold") << eng << 7 << 7 << "Beef" << 6 << 4 * 3600 + 5 << false << "240:05" << "" << "#2e7d32" << "";
    QTest::newRow("last two-digit minute") << eng << 15 << 7 << "Beef" << 6 << 5999 << false << "99:59" << "" << "#2e7d32" << "";
    QTest::newRow("a hundred minutes past") << eng << 17 << 7 << "Beef" << 8 << -6000 << false << "-100:00" << "DISCARD" << "#c62828" << "";
    QTest::newRow("warning") << eng << 8 << 7 << "Fries" << 7 << 59 << false << "00:59" << "WARNING" << "#ffb300" << "";
    QTest::newRow("discard at zero") << eng << 9 << 7 << "Fries" << 8 << 0 << false << "00:00" << "DISCARD" << "#c62828" << "";
    QTest::newRow("discard past") << eng << 10 << 1 << "Fries" << 8 << -65 << false << "-01:05" << "DISCARD" << "#c62828" << "";
    QTest::newRow("wrong pan") << eng << 12 << 7 << "Fries" << 6 << 300 << true << "05:00" << "WRONG PAN" << "#2e7d32" << "";
    QTest::newRow("wrong pan in discard") << eng << 11 << 7 << "Fries" << 8 << -65 << true << "-01:05" << "DISCARD" << "#c62828" << "Grilled Chicken Fillet";
    QTest::newRow("long name, last bin") << eng << 19 << 7 << "Extra Crispy Chicken Tenders Family Size"
                                         << 6 << 300 << false << "05:00" << "" << "#2e7d32" << "Fries";
    QTest::newRow("discard in German") << "deu" << 13 << 7 << "Pommes" << 8 << -1 << false << "-00:01" << "ENTSORGEN" << "#c62828" << QStringLiteral("Knusprige Hähnchenstreifen");
    QTest::newRow("wrong pan in Mexican Spanish") << "spa_mx" << 14 << 7 << "Papas" << 3 << 0 << true << "" << "CHAROLA INCORRECTA" << "#1565c0" << "";
}

void TestHoldingScreens::binTile()
{
    QFETCH(QString, language);
    QFETCH(int, bin);
    QFETCH(int, productId);
    QFETCH(QString, name);
    QFETCH(int, state);
    QFETCH(int, remaining);
    QFETCH(bool, mismatch);
    QFETCH(QString, timer);
    QFETCH(QString, label);
    QFETCH(QString, colour);
    QFETCH(QString, renamed);

    QVERIFY(show());
    QQmlPropertyMap *view = m_holding->bin(bin);
    view->insert("productId", productId);
    view->insert("productName", name);
    view->insert("trayState", state);
    view->insert("remainingTime", remaining);
    view->insert("mismatch", mismatch);
    setLanguage(language);

    QQuickItem *tile = item(QStringLiteral("binItem%1").arg(bin));
    QVERIFY(tile);
    const bool hasProduct = colour != QLatin1String("#1c2329");
    QCOMPARE(tile->property("color").value<QColor>(), QColor(colour));
    // Beside a state word a small tile may have no room left for the name.
    if (label.isEmpty() || !text("binProductName", tile).isEmpty())
        QCOMPARE(text("binProductName", tile), hasProduct ? name : QString());
    QCOMPARE(text("binNumberText", tile), hasProduct ? QString() : QString::number(bin + 1));
    QCOMPARE(text("binTimer", tile), timer);
    QCOMPARE(text("binStateLabel", tile), label);
    // Beside a state word a name may be cut short; alone on its row only a long one is.
    // An empty tile makes none of its product's parts.
    QQuickItem *nameText = item("binProductName", tile);
    QQuickItem *banner = item("binMismatchBanner", tile);
    QCOMPARE(!!nameText, state >= 2 && productId > 0);
    if (label.isEmpty() && nameText)
        QCOMPARE(nameText->property("truncated").toBool(), name.size() > 30);
    QCOMPARE(banner && banner->isVisible(), mismatch);
    // Dark text on the amber of the warning only.
    QCOMPARE(nameText && nameText->property("color").value<QColor>() == Qt::black, state == 7);
    if (mismatch) {
        const QString wrongPan = language == "spa_mx" ? QStringLiteral("CHAROLA INCORRECTA")
                                                      : QStringLiteral("WRONG PAN");
        QCOMPARE(text("binStateLabel", tile) == wrongPan, state != 8);
    }

    // A gloved tap on the tile reaches the back end; one on the wrong-pan mark, or around it in
    // the tile's corner, leaves the hold running, and the rest of the tile, at least a
    // fingertip wide beside the mark, still starts and stops it.
    QQuickItem *area = item("binTapArea", tile);
    QVERIFY(area->width() >= 56 && area->height() >= 56);
    QSignalSpy toggled(m_holding, &HoldingStandIn::toggled);
    QQuickItem *warningLine = item("binWarningArea", tile);
    QCOMPARE(warningLine && warningLine->isVisible(), mismatch);
    if (mismatch) {
        QQuickItem *mark = item("binMismatchBanner", tile);
        QVERIFY(tap(mark));
        QVERIFY(tap(warningLine));
        QCOMPARE(toggled.count(), 0);
        const QRectF markRect = mark->mapRectToScene(QRectF(0, 0, mark->width(), mark->height()));
        const QRectF lineRect = warningLine->mapRectToScene(QRectF(0, 0, warningLine->width(), warningLine->height()));
        QVERIFY(lineRect.contains(markRect));
        QVERIFY(tile->width() - warningLine->width() >= 56 && tile->height() >= 56);
        QVERIFY(tap(item("binProductName", tile)));
    } else {
        QVERIFY(tap(area));
    }
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().first().toInt(), bin);

    // The countdown follows the back end.
    view->insert("remainingTime", remaining - 60);
    if (!timer.isEmpty())
        QVERIFY(text("binTimer", tile) != timer);

    // Another name is fitted anew, as a tile alike that showed it from the start has it, and
    // the first name comes back at its first size.
    if (!renamed.isEmpty()) {
        const auto sizes = [this](QQuickItem *tile) {
            return QVector<int>{item("binProductName", tile)->property("font").value<QFont>().pixelSize(),
                                item("binProductName", tile)->property("lineCount").toInt(),
                                item("binStateLabel", tile)->property("font").value<QFont>().pixelSize()};
        };
        const QVector<int> before = sizes(tile);
        const int other = bin == 19 ? 18 : bin + 1;
        QQmlPropertyMap *alike = m_holding->bin(other);
        for (const QString &key : view->keys())
            alike->insert(key, key == QLatin1String("binNumber") ? QVariant(other) : view->value(key));
        alike->insert("productName", renamed);
        QQuickItem *neighbour = item(QStringLiteral("binItem%1").arg(other));
        QVERIFY(neighbour && item("binProductName", neighbour));
        view->insert("productName", renamed);
        QCOMPARE(text("binProductName", tile), renamed);
        QCOMPARE(sizes(tile), sizes(neighbour));
        QVERIFY(sizes(tile) != before);
        view->insert("productName", name);
        QCOMPARE(sizes(tile), before);
    }
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::binTimerColour_data()
{
    QTest::addColumn<QString>("timerColor"); // the product's
    QTest::addColumn<bool>("coloursOn");     // the Preferences' timer colours
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("back");       // empty: the timer keeps the tile's colours
    QTest::addColumn<QString>("fore");

    QTest::newRow("red, black text") << "#ff0000" << true << 6 << "#ff0000" << "#000000";
    QTest::newRow("dark brown, grey text") << "#402100" << true << 6 << "#402100" << "#a0a0a0";
    QTest::newRow("over the warning's amber") << "#0000ff" << true << 7 << "#0000ff" << "#a0a0a0";
    QTest::newRow("dark red: white, as black would not read") << "#700000" << true << 6 << "#700000" << "#ffffff";
    QTest::newRow("light blue: white, as grey would not read") << "#3030ff" << true << 6 << "#3030ff" << "#ffffff";
    QTest::newRow("purple: white, as black would not read") << "#6800cf" << true << 7 << "#6800cf" << "#ffffff";
    QTest::newRow("colours off") << "#ff0000" << false << 6 << "" << "";
    QTest::newRow("no colour chosen") << "#fffffd" << true << 6 << "" << "";
    QTest::newRow("upper case is not the palette's") << "#FF0000" << true << 6 << "" << "";
    QTest::newRow("outside the palette") << "#123456" << true << 6 << "" << "";
    QTest::newRow("not counting") << "#ff0000" << true << 4 << "" << "";
}

void TestHoldingScreens::binTimerColour()
{
    QFETCH(QString, timerColor);
    QFETCH(bool, coloursOn);
    QFETCH(int, state);
    QFETCH(QString, back);
    QFETCH(QString, fore);

    m_config->set_timerColorStatus(coloursOn);
    QVERIFY(show());
    QQmlPropertyMap *view = m_holding->bin(6);
    view->insert("productId", 7);
    view->insert("productName", QStringLiteral("Fries"));
    view->insert("trayState", state);
    view->insert("remainingTime", 300);
    view->insert("timerColor", timerColor);

    QQuickItem *tile = item(QStringLiteral("binItem6"));
    QVERIFY(tile);
    // The countdown is made when the bin first counts.
    QQuickItem *timer = item("binTimer", tile);
    QQuickItem *background = item("binTimerBackground", tile);
    QCOMPARE(timer && timer->isVisible(), state >= 5);
    QCOMPARE(background && background->isVisible(), !back.isEmpty());
    if (!timer) {
        QCOMPARE(g_warnings, QStringList());
        return;
    }
    const QColor text = timer->property("color").value<QColor>();
    if (back.isEmpty()) {
        // The tile's own text colour, as the product name has it.
        QCOMPARE(text, item("binProductName", tile)->property("color").value<QColor>());
    } else {
        QCOMPARE(background->property("color").value<QColor>(), QColor(back));
        QCOMPARE(text, QColor(fore));
        QCOMPARE(background->width(), timer->width());
        // The Preferences switched off: the tile's colours come back.
        m_config->set_timerColorStatus(false);
        QVERIFY(!background->isVisible());
        QCOMPARE(timer->property("color").value<QColor>(),
                 item("binProductName", tile)->property("color").value<QColor>());
    }
    // The tile itself keeps its state's colour.
    QCOMPARE(tile->property("color").value<QColor>(), QColor(state == 7 ? "#ffb300" : state == 6 ? "#2e7d32" : "#37474f"));
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::setLayout(int rows, int zonesPerRow, int traysPerZone)
{
    m_cabinet->insert("numberOfRows", rows);
    m_cabinet->insert("zonesPerRow", zonesPerRow);
    m_cabinet->insert("traysPerZone", traysPerZone);
    m_cabinet->insert("zones2handle", rows * zonesPerRow);
}

void TestHoldingScreens::setBin(int bin, int state, int remaining, bool mismatch, const QString &name)
{
    QQmlPropertyMap *view = m_holding->bin(bin);
    view->insert("productId", state > 1 ? 7 : 0);
    view->insert("productName", name);
    view->insert("trayState", state);
    view->insert("remainingTime", remaining);
    view->insert("mismatch", mismatch);
}

// A tile makes what it shows, when it first shows it, and keeps it hidden once made; a
// tile holding a product preheating shows none of these.
void TestHoldingScreens::tilePartsAreMadeWhenShown_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("state");    // the tray state that shows the part
    QTest::addColumn<bool>("mismatch");
    QTest::addColumn<bool>("fault");   // an open probe in the bin's zone
    QTest::newRow("countdown") << "binTimer" << 6 << false << false;
    QTest::newRow("countdown's colour") << "binTimerBackground" << 6 << false << false;
    QTest::newRow("wrong pan") << "binMismatchBanner" << 3 << true << false;
    QTest::newRow("zone fault") << "binFaultBadge" << 3 << false << true;
    QTest::newRow("bin's number") << "binNumberText" << 1 << false << false;
}

void TestHoldingScreens::tilePartsAreMadeWhenShown()
{
    QFETCH(QString, part);
    QFETCH(int, state);
    QFETCH(bool, mismatch);
    QFETCH(bool, fault);
    m_config->set_timerColorStatus(true);
    QVERIFY(show());
    setBin(2, 3, 600, false, QStringLiteral("Fries"));
    m_holding->bin(2)->insert("timerColor", QStringLiteral("#ff0000"));
    QQuickItem *tile = item(QStringLiteral("binItem2"));
    QVERIFY(tile);
    QVERIFY(!item(part, tile));

    setBin(2, state, 600, mismatch, QStringLiteral("Fries"));
    if (fault) {
        QVariantList everyZone;
        for (int zone = 0; zone < 5; ++zone)
            everyZone << QStringLiteral("open");
        m_holding->insert("zoneFaults", everyZone);
    }
    QQuickItem *shown = item(part, tile);
    QVERIFY(shown && shown->isVisible());

    // Back to preheating: hidden, or gone with the part of the tile it belonged to.
    setBin(2, 3, 600, false, QStringLiteral("Fries"));
    m_holding->insert("zoneFaults", QVariantList());
    QQuickItem *after = item(part, tile);
    QVERIFY(!after || !after->isVisible());
    QCOMPARE(g_warnings, QStringList());
}

// The cabinets' maps (rows, zones per row, bins per zone), as the personalities lay them out.
static const QVector<std::array<int, 3>> &layouts()
{
    static const QVector<std::array<int, 3>> all{{5, 2, 2}, {2, 2, 2}, {2, 1, 2}, {5, 1, 2}, {4, 1, 2}, {3, 2, 2}};
    return all;
}
static QString layoutName(const std::array<int, 3> &l)
{
    return QStringLiteral("%1x%2x%3").arg(l[0]).arg(l[1]).arg(l[2]);
}
static const char *const languageCodes[] = {"eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
                                            "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn"};

// Where `shown` and `hidden` differ inside `region`: what was hidden paints there. A pixel
// counts when any channel moves by more than an eighth.
static QRect differing(const QImage &shown, const QImage &hidden, const QRect &region)
{
    QRect ink;
    const QRect area = region.intersected(shown.rect()).intersected(hidden.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(hidden.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAbs(qRed(a[x]) - qRed(b[x])) > 32 || qAbs(qGreen(a[x]) - qGreen(b[x])) > 32
                || qAbs(qBlue(a[x]) - qBlue(b[x])) > 32)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Clear pixels between two painted boxes (negative where they overlap).
static int gapBetween(const QRect &a, const QRect &b)
{
    return std::max({b.top() - a.bottom() - 1, a.top() - b.bottom() - 1,
                     b.left() - a.right() - 1, a.left() - b.right() - 1});
}

// Every bin state on every cabinet map in every language: each text at least its minimum
// (name 22, state word 20, countdown 40 px) where the tile has room for the three at those
// sizes and four fifths of it where it has not, its painted letters inside its tile and at
// least 2 px clear of the other texts, the word's chip and the marks, the word inside its
// chip, and cut short only where the tile has no room for it on two lines at that minimum.
void TestHoldingScreens::binTextsFitTheTile_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("layout");
    for (int l = 0; l < layouts().size(); ++l) {
        for (const char *code : languageCodes)
            QTest::addRow("%s, %s", qPrintable(layoutName(layouts().at(l))), code) << QString::fromLatin1(code) << l;
    }
}

void TestHoldingScreens::binTextsFitTheTile()
{
    QFETCH(QString, language);
    QFETCH(int, layout);
    const std::array<int, 3> shape = layouts().at(layout);
    setLayout(shape[0], shape[1], shape[2]);
    QVERIFY(show());
    setLanguage(language);
    // Names as long as menus have them; the state, countdown, wrong pan and zone fault.
    struct State { int trayState; int remaining; bool mismatch; bool fault; const char *name; };
    const bool cjk = language == "zh_cn" || language == "jpn";
    const QVector<State> states{{2, 0, false, false, "Breakfast Sandwich"}, {3, 0, false, false, "Scrambled Eggs"},
                                {6, 754, false, false, "Breakfast Sandwich"}, {7, 59, false, false, "Breakfast Sandwich"},
                                {8, -65, false, false, "Breakfast Sandwich"}, {8, -4000, true, false, "Chicken Tenders"},
                                {6, 300, true, false, "Grilled Chicken Fillet"}, {7, 30, true, true, "Hash Browns"},
                                {5, 900, false, false, cjk ? "\u9999\u8fa3\u9e21\u817f\u5821\u5957\u9910" : "Spicy Chicken Burger Meal"},
                                // A wrong pan in a zone without a fault (the word takes two lines in Spanish).
                                {6, 300, true, false, "Spicy Grilled Chicken Wrap"}};
    const int bins = shape[0] * shape[1] * shape[2];
    QStringList faults;
    for (int first = 0; first < states.size(); first += bins) {
        QVariantList zoneFaults;
        for (int bin = 0; bin < bins; ++bin) {
            const State s = first + bin < states.size() ? states.at(first + bin) : State{0, 0, false, false, ""};
            setBin(bin, s.trayState, s.remaining, s.mismatch, QString::fromUtf8(s.name));
            if (bin % shape[2] == 0)
                zoneFaults << QString();
            if (s.fault)
                zoneFaults.last() = QStringLiteral("open");
        }
        m_holding->insert("zoneFaults", zoneFaults);
        QTest::qWait(0);
        const QString pictures = qEnvironmentVariable("TUL_SCREENSHOT_DIR");
        if (!pictures.isEmpty() && QDir().mkpath(pictures))
            m_window->screen()->grabWindow(m_window->winId()).save(QStringLiteral("%1/bins-%2-%3-%4.png").arg(pictures, layoutName(shape), language).arg(first));
        // What each text paints: the window with and without it. The discard's pulse is
        // hidden meanwhile, so that only the texts differ; one text of a kind is hidden at a
        // time in tiles at least a tile apart, so that one frame serves several tiles.
        QVector<QQuickItem *> tiles;
        QVector<qreal> lefts, tops;
        for (int bin = 0; bin < bins; ++bin) {
            QQuickItem *tile = item(QStringLiteral("binItem%1").arg(bin));
            QVERIFY(tile);
            tiles << tile;
            if (QQuickItem *pulse = item(QStringLiteral("binDiscardPulse"), tile))
                pulse->setVisible(false);
            const QPointF at = tile->mapToScene(QPointF(0, 0));
            if (!lefts.contains(at.x()))
                lefts << at.x();
            if (!tops.contains(at.y()))
                tops << at.y();
        }
        std::sort(lefts.begin(), lefts.end());
        std::sort(tops.begin(), tops.end());
        const auto frame = [this] {
            QSignalSpy swapped(m_window.get(), &QQuickWindow::frameSwapped);
            m_window->update();
            swapped.wait(2000);
            return m_window->screen()->grabWindow(m_window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage shownImage = frame();
        QHash<QQuickItem *, QRect> painted;
        for (const char *kind : {"binProductName", "binStateLabel", "binTimer"}) {
            for (int group = 0; group < 4; ++group) {
                QVector<QQuickItem *> hidden;
                for (QQuickItem *tile : qAsConst(tiles)) {
                    const QPointF at = tile->mapToScene(QPointF(0, 0));
                    QQuickItem *text = item(QLatin1String(kind), tile);
                    if ((lefts.indexOf(at.x()) % 2) * 2 + tops.indexOf(at.y()) % 2 == group && text && text->isVisible()
                        && !text->property("text").toString().isEmpty()) {
                        hidden << text;
                        text->setOpacity(0);
                    }
                }
                if (hidden.isEmpty())
                    continue;
                const QImage without = frame();
                for (QQuickItem *text : qAsConst(hidden)) {
                    text->setOpacity(1);
                    QQuickItem *tile = text;
                    while (tile && !tile->objectName().startsWith(QLatin1String("binItem")))
                        tile = tile->parentItem();
                    const QRect region = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height())).toAlignedRect();
                    painted.insert(text, differing(shownImage, without, region.adjusted(-30, -30, 30, 30)));
                }
            }
        }
        for (int bin = 0; bin < bins && first + bin < states.size(); ++bin) {
            QQuickItem *tile = item(QStringLiteral("binItem%1").arg(bin));
            QVERIFY(tile);
            const QRectF tileRect = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height())).adjusted(-1, -1, 1, 1);
            const QRect tilePixels = tileRect.adjusted(1, 1, -1, -1).toAlignedRect();
            const QString where = QStringLiteral("bin %1 (%2x%3)").arg(bin).arg(tile->width()).arg(tile->height());
            QList<QPair<QString, QRectF>> inks;
            QList<QPair<QQuickItem *, int>> shown;
            qreal used = 0;
            for (const auto &part : {qMakePair(QStringLiteral("binProductName"), 22), qMakePair(QStringLiteral("binStateLabel"), 20),
                                     qMakePair(QStringLiteral("binTimer"), 40)}) {
                QQuickItem *text = item(part.first, tile);
                if (text && text->isVisible() && !text->property("text").toString().isEmpty()) {
                    shown << qMakePair(text, part.second);
                    used += text->height();
                }
            }
            // The minimums hold where the tile can stack the texts at those sizes 2 px apart
            // (its border aside); a tile that cannot (a 5 x 4 map under the fault banner) may
            // take them down to four fifths.
            qreal stacked = -2;
            for (const auto &part : qAsConst(shown)) {
                QFont least = part.first->property("font").value<QFont>();
                least.setPixelSize(part.second);
                const bool word = part.first->objectName() == QLatin1String("binStateLabel");
                const int lines = word ? part.first->property("lineCount").toInt() : 1;
                const qreal letters = QFontMetricsF(least).tightBoundingRect(part.first->property("text").toString()).height();
                stacked += lines * letters + (lines - 1) * 2 + (word ? 2 : 0) + 2;
            }
            const bool roomForMinimums = stacked <= tile->height() - 2;
            for (const auto &part : qAsConst(shown)) {
                QQuickItem *text = part.first;
                const QString what = text->objectName();
                const QFont font = text->property("font").value<QFont>();
                const int lines = text->property("lineCount").toInt();
                if (font.pixelSize() < (roomForMinimums ? part.second : part.second * 4 / 5))
                    faults << QStringLiteral("%1: %2 at %3 px").arg(where, what).arg(font.pixelSize());
                const QRectF box = text->mapRectToScene(QRectF(0, 0, text->width(), text->height()));
                if (text->property("contentWidth").toReal() > box.width() + 0.5)
                    faults << QStringLiteral("%1: %2 wider than its line").arg(where, what);
                // Cut short although the tile's spare height would take it whole on two lines
                // at its minimum.
                if (text->property("truncated").toBool()) {
                    QFont least = font;
                    least.setPixelSize(part.second);
                    QTextLayout probe(text->property("text").toString(), least);
                    probe.beginLayout();
                    int needed = 0;
                    for (QTextLine line = probe.createLine(); line.isValid(); line = probe.createLine()) {
                        line.setLineWidth(box.width());
                        ++needed;
                        if (line.naturalTextWidth() > box.width())
                            needed = 99; // a word wider than the tile
                    }
                    probe.endLayout();
                    const qreal room = tile->height() - 4 - (used - text->height());
                    if (needed <= 2 && room >= needed * QFontMetricsF(least).height())
                        faults << QStringLiteral("%1: %2 cut to %3 line(s), room for %4").arg(where, what).arg(lines).arg(needed);
                }
                // The letters as painted: the lines may close up, the letters stay in the tile.
                const QRect ink = painted.value(text);
                if (ink.isEmpty())
                    faults << QStringLiteral("%1: %2 paints nothing").arg(where, what);
                else if (!tilePixels.contains(ink))
                    faults << QStringLiteral("%1: %2 painted out of the tile").arg(where, what);
                if (what == QLatin1String("binStateLabel")) {
                    // The word on its chip: the chip is what the other parts keep clear of.
                    QQuickItem *chip = text->parentItem();
                    const QRect chipPixels = chip->mapRectToScene(QRectF(0, 0, chip->width(), chip->height())).toAlignedRect();
                    if (!chipPixels.contains(ink))
                        faults << QStringLiteral("%1: the state word off its chip").arg(where);
                    inks << qMakePair(QStringLiteral("binStateChip"), QRectF(chipPixels));
                } else {
                    inks << qMakePair(what, QRectF(ink));
                }
            }
            for (const QString &mark : {QStringLiteral("binFaultBadge"), QStringLiteral("binMismatchBanner")}) {
                QQuickItem *shape = item(mark, tile);
                if (shape && shape->isVisible())
                    inks << qMakePair(mark, QRectF(shape->mapRectToScene(QRectF(0, 0, shape->width(), shape->height())).toAlignedRect()));
            }
            for (int a = 0; a < inks.size(); ++a) {
                if (!tilePixels.contains(inks.at(a).second.toRect()))
                    faults << QStringLiteral("%1: %2 out of the tile").arg(where, inks.at(a).first);
                for (int b = a + 1; b < inks.size(); ++b) {
                    if (inks.at(a).first.startsWith(QLatin1String("binFault")) && inks.at(b).first.startsWith(QLatin1String("binMismatch")))
                        continue; // the two marks stand side by side, as one
                    const int gap = gapBetween(inks.at(a).second.toRect(), inks.at(b).second.toRect());
                    if (gap < 2)
                        faults << QStringLiteral("%1: %2 %3 %4").arg(where, inks.at(a).first,
                                                                      gap < 0 ? QStringLiteral("over") : QStringLiteral("touches"),
                                                                      inks.at(b).first);
                }
            }
            // Where the tile has room (the 2x2 cabinet's), the state word is not the smallest text.
            QQuickItem *word = item("binStateLabel", tile);
            QQuickItem *named = item("binProductName", tile);
            if (layoutName(shape) == QLatin1String("2x1x2") && word && word->isVisible() && named && named->isVisible()
                && word->property("font").value<QFont>().pixelSize() < named->property("font").value<QFont>().pixelSize())
                faults << QStringLiteral("%1: the state word at %2 px under the name's %3 px").arg(where)
                              .arg(word->property("font").value<QFont>().pixelSize())
                              .arg(named->property("font").value<QFont>().pixelSize());
            // A bin with a product always names it.
            QQuickItem *name = item("binProductName", tile);
            if (!name || !name->isVisible() || name->property("text").toString().isEmpty())
                faults << QStringLiteral("%1: no product name").arg(where);
        }
    }
    for (const QString &fault : qAsConst(faults))
        qWarning().noquote() << fault;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.value(0)));
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::labelSizeSetsTheName_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("grows"); // the tile has room for the larger name
    QTest::newRow("5x4, short name") << 0 << "Fries" << true;
    QTest::newRow("2x4, long name") << 1 << "Breakfast Sandwich" << true;
    QTest::newRow("2x2, long name") << 2 << "Breakfast Sandwich" << true;
    QTest::newRow("5x4, long name at its limit") << 0 << "Breakfast Sandwich" << false;
}

// The Preferences' label size sets the name where the tile has room; where it has not,
// the name stays at the tile's limit.
void TestHoldingScreens::labelSizeSetsTheName()
{
    QFETCH(int, layout);
    QFETCH(QString, name);
    QFETCH(bool, grows);
    const std::array<int, 3> shape = layouts().at(layout);
    setLayout(shape[0], shape[1], shape[2]);
    QVERIFY(show());
    setBin(1, 6, 754, false, name);
    QQuickItem *text = item("binProductName", item("binItem1"));
    QVERIFY(text);
    m_config->set_labelFontSize(24);
    const int small = text->property("font").value<QFont>().pixelSize();
    const bool cutSmall = text->property("truncated").toBool();
    m_config->set_labelFontSize(48);
    const int large = text->property("font").value<QFont>().pixelSize();
    QVERIFY(small >= 22 && large >= 22);
    QCOMPARE(large > small, grows);
    // Nothing of the name is lost to the larger setting that the smaller one showed.
    QVERIFY(!text->property("truncated").toBool() || cutSmall || !grows);
    m_config->set_labelFontSize(24);
}

void TestHoldingScreens::shellRunsBeforeTheHoldingBackEnd()
{
    QVERIFY(show(false));
    QQuickItem *tile = item("binItem5");
    QCOMPARE(text("binNumberText", tile), QStringLiteral("6"));
    QVERIFY(!item("overTempDialog")); // made by the first alarm
    QVERIFY(tap(item("binTapArea", tile))); // nothing to call, nothing breaks

    // Arabic mirrors the shell but not the cabinet map: bins stay where they sit.
    setLanguage(QStringLiteral("ara"));
    QVERIFY(item("binItem0")->mapToScene(QPointF()).x() < item("binItem1")->mapToScene(QPointF()).x());

    // The back end arriving later fills the tiles in; bins it does not have stay empty.
    auto *shortOfBins = new HoldingStandIn(m_core.get(), 19);
    shortOfBins->bin(5)->insert("productId", 1);
    shortOfBins->bin(5)->insert("productName", QStringLiteral("Nuggets"));
    shortOfBins->bin(5)->insert("trayState", 6);
    m_engine->rootContext()->setContextProperty(QStringLiteral("holding"), shortOfBins);
    QTRY_COMPARE(text("binProductName", tile), QStringLiteral("Nuggets"));
    QCOMPARE(text("binNumberText", item("binItem19")), QStringLiteral("20"));
    QSignalSpy toggled(shortOfBins, &HoldingStandIn::toggled);
    QVERIFY(tap(item("binTapArea", item("binItem19"))));
    QVERIFY(tap(item("binTapArea", tile)));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::overTemperatureDialog_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("title");
    QTest::newRow("5x4, English") << "eng_USA" << 0 << "Cabinet over temperature";
    QTest::newRow("5x4, French") << "fra" << 0 << "Surchauffe de l'armoire";
    QTest::newRow("2x4, German") << "deu" << 1 << "";
    QTest::newRow("5x4, Arabic") << "ara" << 0 << "";
}

// The alarm is raised again every few seconds while the cabinet stays hot, so the dialog
// keeps every bin in sight and answering taps, and the dock usable, while it shows;
// Acknowledge stops the alarm.
void TestHoldingScreens::overTemperatureDialog()
{
    QFETCH(QString, language);
    QFETCH(int, layout);
    QFETCH(QString, title);
    const std::array<int, 3> shape = layouts().at(layout);
    setLayout(shape[0], shape[1], shape[2]);
    QVERIFY(show());
    setLanguage(language);
    const int bins = shape[0] * shape[1] * shape[2];
    for (int bin = 0; bin < bins; ++bin)
        setBin(bin, 6, 600, false, QStringLiteral("Breakfast Sandwich"));
    // Made by the first alarm, and shown at once.
    QVERIFY(!item("overTempDialog"));
    m_holding->insert("ambientAlarmActive", true);
    QQuickItem *dialog = item("overTempDialog");
    QVERIFY(dialog && dialog->isVisible());
    if (!title.isEmpty())
        QCOMPARE(text("overTempTitle"), title);
    const QString pictures = qEnvironmentVariable("TUL_SCREENSHOT_DIR");
    if (!pictures.isEmpty() && QDir().mkpath(pictures)) {
        QTest::qWait(50);
        m_window->screen()->grabWindow(m_window->winId()).save(pictures + QStringLiteral("/overtemp-%1-%2.png").arg(layoutName(shape), language));
    }

    // Every text of the dialog whole, inside it once its wrapped texts have set its height;
    // its button a gloved finger's size.
    const auto sceneRect = [](QQuickItem *i) { return i->mapRectToScene(QRectF(0, 0, i->width(), i->height())); };
    for (const char *name : {"overTempTitle", "overTempText", "overTempAcknowledge"}) {
        QQuickItem *part = item(name);
        QVERIFY2(part, name);
        QTRY_VERIFY2(sceneRect(dialog).contains(sceneRect(part)), name);
        QVERIFY2(!part->property("truncated").toBool(), name);
    }
    const QRectF box = sceneRect(dialog);
    QQuickItem *button = item("overTempAcknowledge");
    QVERIFY(button->width() >= 56 && button->height() >= 56);

    // Every bin whole above it, and a tap on each reaches that bin.
    QSignalSpy toggled(m_holding, &HoldingStandIn::toggled);
    for (int bin = 0; bin < bins; ++bin) {
        QQuickItem *tile = item(QStringLiteral("binItem%1").arg(bin));
        QVERIFY(tile && tile->isVisible());
        const QRectF rect = tile->mapRectToScene(QRectF(0, 0, tile->width(), tile->height()));
        QVERIFY2(rect.bottom() <= box.top() + 0.5 && rect.top() >= 0 && rect.height() >= 56,
                 qPrintable(QStringLiteral("bin %1 at %2..%3, dialog from %4").arg(bin).arg(rect.top()).arg(rect.bottom()).arg(box.top())));
        QVERIFY(tap(item("binTapArea", tile)));
        QCOMPARE(toggled.count(), bin + 1);
        QCOMPARE(toggled.last().first().toInt(), bin);
    }

    // The dock below the band, whole and answering: the Errors Log and Zone Diagnostics are
    // reached while the cabinet is hot, and the band stays until it is acknowledged.
    QQuickItem *dock = item("dock");
    QVERIFY(dock->mapRectToScene(QRectF(0, 0, dock->width(), dock->height())).top() >= box.bottom() - 0.5);
    QVERIFY(tap(item("settingsButton")));
    QTRY_VERIFY(item("servicePages") && item("servicePages")->isVisible());
    QVERIFY(dialog->isVisible());
    QVERIFY(item("cookbookButton")->isVisible() && item("dayPartButton")->isVisible());
    QVERIFY(tap(item("homeButton")));
    QTRY_VERIFY(item("cabinetView")->isVisible());
    QVERIFY(dialog->isVisible());

    QSignalSpy stop(m_cabinet, &ControllerStandIn::stopAmbientTempAlarm);
    QVERIFY(tap(button));
    QCOMPARE(stop.count(), 1);
    QVERIFY(!dialog->isVisible());
    // The bins take the room back.
    const QQuickItem *last = item(QStringLiteral("binItem%1").arg(bins - 1));
    QTRY_VERIFY(last->mapToScene(QPointF(0, last->height())).y() > box.top());

    // A new alarm after the last one cleared raises the dialog again.
    m_holding->insert("ambientAlarmActive", false);
    QVERIFY(!dialog->isVisible());
    m_holding->insert("ambientAlarmActive", true);
    QVERIFY(dialog->isVisible());
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::linkBrokenNotice_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("close");
    QTest::newRow("English") << "eng_USA" << "<b>System Error:</b><br>Modbus Link Broken." << "Close";
    QTest::newRow("German") << "deu" << "<b>Systemfehler:</b><br>Modbus-Verbindung unterbrochen." << "Schließen";
    QTest::newRow("Arabic") << "ara" << QString::fromUtf8("<b>خطأ في النظام:</b><br>انقطع اتصال Modbus.")
                            << QString::fromUtf8("إغلاق");
}

void TestHoldingScreens::linkBrokenNotice()
{
    QFETCH(QString, language);
    QFETCH(QString, notice);
    QFETCH(QString, close);
    QVERIFY(show());
    setLanguage(language);
    QQuickItem *panel = item("linkBrokenNotice");
    QVERIFY(!panel || !panel->isVisible()); // made when the link first breaks
    m_errors->insert("sibLinkBroken", true);
    QVERIFY((panel = item("linkBrokenNotice")) && panel->isVisible());
    QCOMPARE(panel->property("text").toString(), notice);
    m_errors->insert("sibLinkBroken", false);
    QVERIFY(!panel->isVisible());

    // Closed while the link is still down, the screen behind it takes taps again.
    m_errors->insert("sibLinkBroken", true);
    QVERIFY(panel->isVisible());
    QSignalSpy toggled(m_holding, &HoldingStandIn::toggled);
    QVERIFY(tap(item("binTapArea", item("binItem2"))));
    QCOMPARE(toggled.count(), 0); // covered
    QQuickItem *button = nullptr;
    QTRY_VERIFY((button = item("linkBrokenNoticeClose")) && button->isVisible());
    QVERIFY(button->height() >= 56 && button->width() >= 56);
    QCOMPARE(button->property("text").toString(), close);
    QVERIFY(tap(button));
    QVERIFY(!panel->isVisible());
    QVERIFY(tap(item("binTapArea", item("binItem2"))));
    QCOMPARE(toggled.count(), 1);

    // The next break shows it again.
    m_errors->insert("sibLinkBroken", false);
    QVERIFY(!panel->isVisible());
    m_errors->insert("sibLinkBroken", true);
    QVERIFY(panel->isVisible());
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::faultBannerShowsEveryFault_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("zoneFaults");
    QTest::addColumn<bool>("linkBroken");
    QTest::addColumn<QStringList>("texts"); // in the order the banner shows them
    QTest::newRow("three zones") << "eng_USA" << QStringList{"", "open", "", "shorted", "hot"} << false
                                 << QStringList{"Zone 2: temperature probe open. Call service.",
                                                "Zone 4: temperature probe shorted. Call service.",
                                                "Zone 5: heater over temperature. Call service."};
    QTest::newRow("link broken, notice closed") << "eng_USA" << QStringList{"open"} << true
                                                << QStringList{"System Error: Modbus Link Broken.",
                                                               "Zone 1: temperature probe open. Call service."};
    QTest::newRow("link broken in Arabic") << "ara" << QStringList() << true
                                           << QStringList{QString::fromUtf8("خطأ في النظام: انقطع اتصال Modbus.")};
}

// Every faulted zone, and a broken link to the IO board, on the banner in turn; a tap on
// it opens the Errors Log.
void TestHoldingScreens::faultBannerShowsEveryFault()
{
    QFETCH(QString, language);
    QFETCH(QStringList, zoneFaults);
    QFETCH(bool, linkBroken);
    QFETCH(QStringList, texts);
    QVERIFY(show());
    setLanguage(language);
    m_holding->insert("zoneFaults", zoneFaults);
    m_errors->insert("sibLinkBroken", linkBroken);
    if (linkBroken) {
        QQuickItem *close = nullptr;
        QTRY_VERIFY((close = item("linkBrokenNoticeClose")) && close->isVisible());
        QVERIFY(tap(close));
        QVERIFY(!item("linkBrokenNotice")->isVisible());
    }
    QQuickItem *banner = item("zoneFaultBanner");
    QVERIFY(banner && banner->isVisible());
    const QString pictures = qEnvironmentVariable("TUL_SCREENSHOT_DIR");
    if (!pictures.isEmpty() && QDir().mkpath(pictures)) {
        QTest::qWait(50);
        m_window->screen()->grabWindow(m_window->winId()).save(
            QStringLiteral("%1/faultbanner-%2-%3.png").arg(pictures, language).arg(texts.size()));
    }
    QStringList shown;
    for (int i = 0; i < texts.size(); ++i) {
        shown << text("zoneFaultText", banner);
        QCOMPARE(text("zoneFaultCount", banner), texts.size() > 1 ? QStringLiteral("\u2066%1/%2\u2069").arg(i + 1).arg(texts.size()) : QString());
        QQuickItem *line = item("zoneFaultText", banner);
        QVERIFY(line->property("font").value<QFont>().pixelSize() >= 20 && !line->property("truncated").toBool());
        QMetaObject::invokeMethod(banner, "next");
    }
    QCOMPARE(shown, texts);
    QCOMPARE(shown.size() > 1, banner->findChild<QObject *>(QStringLiteral("zoneFaultCycle"))->property("running").toBool());

    // The board answers again: its line goes, the zones' stay.
    m_errors->insert("sibLinkBroken", false);
    QCOMPARE(!!item("zoneFaultBanner") && item("zoneFaultBanner")->isVisible(), !zoneFaults.join(QString()).isEmpty());
    if (!item("zoneFaultBanner") || !item("zoneFaultBanner")->isVisible()) {
        QCOMPARE(g_warnings, QStringList());
        return;
    }
    QVERIFY(!text("zoneFaultText").contains(QLatin1String("Modbus")));
    // A tap on the banner, or just above it at the screen's edge: the Errors Log.
    QVERIFY(tap(item("zoneFaultBannerTapArea")));
    QTRY_VERIFY(item("servicePages") && item("servicePages")->isVisible());
    QCOMPARE(item("servicePages")->property("currentPage").toString(), QStringLiteral("Errors Log"));
    QCOMPARE(g_warnings, QStringList());
}

void TestHoldingScreens::zoneDiagnostics_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QVariantMap>("zone");
    QTest::addColumn<QStringList>("cells"); // lower target, lower actual, upper target, upper actual

    const QVariantMap hot{{"zone", 2}, {"targetLower", 350}, {"targetUpper", 200},
                          {"actualLower", 348}, {"actualUpper", 201}};
    const QVariantMap idle{{"zone", 2}, {"targetLower", 0}, {"targetUpper", 0},
                           {"actualLower", 1}, {"actualUpper", 31}};
    // A failed probe reads 3275 (open) or 0 (shorted).
    const QVariantMap failed{{"zone", 2}, {"targetLower", 350}, {"targetUpper", 200},
                             {"actualLower", 3275}, {"actualUpper", 0}};
    QTest::newRow("fahrenheit") << "eng_USA" << 0 << hot
                                << QStringList{"350\u00B0F", "348\u00B0F", "200\u00B0F", "201\u00B0F"};
    QTest::newRow("celsius rounds to nearest") << "eng_USA" << 1 << hot
                                               << QStringList{"177\u00B0C", "176\u00B0C", "93\u00B0C", "94\u00B0C"};
    QTest::newRow("idle zone, below freezing") << "eng_USA" << 1 << idle
                                               << QStringList{"Off", "-17\u00B0C", "Off", "-1\u00B0C"};
    QTest::newRow("Arabic mirrors the row") << "ara" << 0 << idle
                                            << QStringList{QString::fromUtf8("مطفأ"), "1\u00B0F",
                                                           QString::fromUtf8("مطفأ"), "31\u00B0F"};
    QTest::newRow("open and shorted probes") << "eng_USA" << 0 << failed
                                             << QStringList{"350\u00B0F", "open", "200\u00B0F", "shorted"};
    QTest::newRow("failed probes in Celsius, Spanish") << "spa" << 1 << failed
                                                       << QStringList{"177\u00B0C", "abierta", "93\u00B0C", "en corto"};
}

void TestHoldingScreens::zoneDiagnostics()
{
    QFETCH(QString, language);
    QFETCH(int, unit);
    QFETCH(QVariantMap, zone);
    QFETCH(QStringList, cells);

    QVERIFY(show());
    setLanguage(language);
    m_config->set_tempUnit(unit);
    QVariantMap first = zone;
    first["zone"] = 0;
    m_holding->insert("zoneTemps", QVariantList{first, zone});

    // Reached from the dock: Settings, Utilities, Zone Diagnostics.
    QVERIFY(tap(item("settingsButton")));
    QMetaObject::invokeMethod(item("servicePages"), "open", Q_ARG(QVariant, QStringLiteral("Utilities")));
    // The Utilities page opens with a level-2 PIN.
    QVERIFY(tap(item("carouselLock")));
    for (const char digit : QByteArray("604528"))
        QTest::keyClick(m_window.get(), digit);
    QTest::keyClick(m_window.get(), Qt::Key_Return);
    QTRY_VERIFY(item("zoneDiagnosticsButton")->isEnabled());
    QVERIFY(tap(item("zoneDiagnosticsButton")));
    QVERIFY(item("zoneDiagnosticsPage")->isVisible());
    QVERIFY(!item("zoneDiagnosticsEmpty")->isVisible());

    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = item("zoneRow2")));
    QVERIFY(row->height() >= 56);
    QCOMPARE(text("zoneName", row), language == "ara" ? QString::fromUtf8("المنطقة 3")
                                    : language == "spa" ? QStringLiteral("Zona 3") : QStringLiteral("Zone 3"));
    QCOMPARE((QStringList{text("lowerTarget", row), text("lowerActual", row),
                          text("upperTarget", row), text("upperActual", row)}), cells);
    const bool nameFirst = item("zoneName", row)->mapToScene(QPointF()).x()
                           < item("lowerTarget", row)->mapToScene(QPointF()).x();
    QCOMPARE(nameFirst, language != "ara");

    m_holding->insert("zoneTemps", QVariantList());
    QTRY_VERIFY(!item("zoneRow2"));
    QVERIFY(item("zoneDiagnosticsEmpty")->isVisible());
}

void TestHoldingScreens::exportHoldingLog_data()
{
    QTest::addColumn<bool>("drive");
    QTest::addColumn<bool>("haccp");
    QTest::addColumn<QString>("result"); // the controller's answer; empty: the button is off
    QTest::addColumn<QString>("message");
    QTest::newRow("no flash drive") << false << true << "" << "";
    QTest::newRow("collection off") << true << false << "" << "";
    QTest::newRow("exported") << true << true << "OK" << "Holding Log files exported!";
    QTest::newRow("not written") << true << true << "Cannot create /media/sda1/h.csv: full"
                                 << "Holding Log export failed!<br>Cannot create /media/sda1/h.csv: full";
}

// On Files Import/Export, reached from a locked Utilities page: the export waits for a
// flash drive and HACCP collection, blocks the page until the controller answers, and
// says how it went in a message that closes.
void TestHoldingScreens::exportHoldingLog()
{
    QFETCH(bool, drive);
    QFETCH(bool, haccp);
    QFETCH(QString, result);
    QFETCH(QString, message);
    m_cabinet->insert("flashDriveMounted", drive);
    m_cabinet->insert("haccpEnabled", haccp);
    QVERIFY(show());
    QVERIFY(tap(item("settingsButton")));
    QMetaObject::invokeMethod(item("servicePages"), "open", Q_ARG(QVariant, QStringLiteral("Utilities")));
    QTRY_VERIFY(item("filesButton") && item("filesButton")->isVisible());
    QVERIFY(!item("zoneDiagnosticsButton")->isEnabled());
    QVERIFY(tap(item("filesButton")));
    QQuickItem *button = nullptr;
    QTRY_VERIFY((button = item("exportHaccpLogButton")) && button->isVisible());
    QCOMPARE(button->isEnabled(), !result.isEmpty());
    if (result.isEmpty())
        return;

    QVERIFY(tap(button));
    QCOMPARE(m_haccp->exports, 1);
    QQuickItem *busy = item("exportBusyOverlay");
    QVERIFY(busy->isVisible());
    // Given up after 120 s should the answer never come.
    const QList<QObject *> parts = busy->findChildren<QObject *>();
    QVERIFY(std::any_of(parts.cbegin(), parts.cend(), [](const QObject *o) {
        return o->inherits("QQmlTimer") && o->property("interval").toInt() == 120000 && o->property("running").toBool();
    }));
    emit m_haccp->exportHaccpLogDone(result);
    QTRY_VERIFY(!busy->isVisible());
    QTRY_VERIFY(item("simpleDialog")->isVisible());
    QCOMPARE(text("simpleDialogText"), message);
    QVERIFY(tap(item("simpleDialogClose")));
    QTRY_VERIFY(!item("simpleDialog")->isVisible());
}

QTEST_MAIN(TestHoldingScreens)
#include "tst_holdingscreens.moc"
