// The dock's day-part pop-up and the Day-Parts settings page, rendered offscreen with
// the context properties the composition root publishes.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "translator.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QtTest>

class TestDayPartQml : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void popupListsTheDayPartsInUseAndMarksTheOneInForce();
    void popupTapSetsTheDayPartOnTheMaster();
    void popupTapOnAnotherDisplayAsksTheMaster();
    void popupFollowsFileLoadsAndLanguage();
    void popupOfTenDayPartsFitsTheScreenAndScrolls();
    void panelAcceptsOnlyAChangeWithATick();
    void panelKeepsTheDayPartInForce();
    void panelCancelRereadsTheList();

private:
    QQuickItem *show(const QString &file);
    QQuickItem *item(const QString &name) const;
    bool tap(const QString &name);
    QColor pixelAtCentre(const QString &name);

    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    QScopedPointer<QQuickView> m_view;
    Translator *m_translator = nullptr;
    ConfigurationManager *m_config = nullptr;
    DayPartManager *m_dayParts = nullptr;
};

void TestDayPartQml::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_translator = new Translator(m_core.data());
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core.data());
    m_config->set_languageId(QStringLiteral("eng_USA"));
    auto *menu = new MenuManager(m_core.data());
    m_dayParts = new DayPartManager(5, 4, menu, m_core.data());
    m_core->translatorPtr = m_translator;
    m_core->configManagerPtr = m_config;
    m_core->menuManagerPtr = menu;
    m_core->daypartManagerPtr = m_dayParts;
    QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json"));
    m_dayParts->dayPartsLoadJsonDocFile(); // in use: 0 and 2
}

void TestDayPartQml::cleanup()
{
    m_view.reset();
    m_core.reset();
    m_roots.reset();
}

QQuickItem *TestDayPartQml::show(const QString &file)
{
    m_view.reset(new QQuickView);
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("daypartManager"), m_dayParts);
    context->setContextProperty(QStringLiteral("tro"), m_translator);
    context->setContextProperty(QStringLiteral("configManager"), m_config);
    m_view->setSource(QUrl(QStringLiteral("qrc:/daypart/") + file));
    if (m_view->status() != QQuickView::Ready) {
        qWarning() << m_view->errors();
        return nullptr;
    }
    QQuickItem *root = m_view->rootObject();
    m_view->resize(int(root->width()), int(root->height()));
    QSignalSpy frame(m_view.data(), &QQuickWindow::frameSwapped);
    m_view->show();
    if (!QTest::qWaitForWindowExposed(m_view.data()) || (frame.isEmpty() && !frame.wait()))
        return nullptr;
    return m_view->rootObject();
}

// Delegates of a Repeater are visual children only, so the search walks the item tree.
static QQuickItem *findItem(QQuickItem *parent, const QString &name)
{
    if (!parent)
        return nullptr;
    if (parent->objectName() == name)
        return parent;
    const QList<QQuickItem *> children = parent->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *TestDayPartQml::item(const QString &name) const
{
    return findItem(m_view->rootObject(), name);
}

bool TestDayPartQml::tap(const QString &name)
{
    QQuickItem *target = item(name);
    if (!target)
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_view.data(), Qt::LeftButton, {}, centre.toPoint());
    return true;
}

QColor TestDayPartQml::pixelAtCentre(const QString &name)
{
    QQuickItem *target = item(name);
    if (!target)
        return QColor();
    // What the window shows, as the platform's screen holds it (the software scene
    // graph draws into the offscreen platform's backing store).
    const QImage image = m_view->screen()->grabWindow(m_view->winId()).toImage();
    const QPointF point = target->mapToScene(QPointF(8, target->height() / 2));
    return image.pixelColor(point.toPoint());
}

void TestDayPartQml::popupListsTheDayPartsInUseAndMarksTheOneInForce()
{
    QQuickItem *popup = show("DayPartPopup.qml");
    QVERIFY(popup);
    QVERIFY(item("dayPartEntry0"));
    QVERIFY(!item("dayPartEntry1"));
    QVERIFY(item("dayPartEntry2"));
    QCOMPARE(popup->property("entries").toList().size(), 2);
    QCOMPARE(popup->property("entries").toList().at(1).toMap().value("name").toString(),
             QStringLiteral("Late Night"));
    // Rendered: the entry in force is drawn highlighted, the other not.
    QTRY_COMPARE(pixelAtCentre("dayPartEntry0"), QColor("#1e64b4"));
    QTRY_COMPARE(pixelAtCentre("dayPartEntry2"), QColor("#263238"));
}

void TestDayPartQml::popupTapSetsTheDayPartOnTheMaster()
{
    QQuickItem *popup = show("DayPartPopup.qml");
    QVERIFY(popup);
    QSignalSpy changed(m_dayParts, &DayPartManager::nextDayPartChanged);
    QSignalSpy close(popup, SIGNAL(closeRequested()));
    QVERIFY(tap("dayPartEntry2"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_dayParts->get_nextDayPart(), 2);
    QCOMPARE(close.count(), 1);
    QTRY_COMPARE(pixelAtCentre("dayPartEntry2"), QColor("#1e64b4"));
}

void TestDayPartQml::popupTapOnAnotherDisplayAsksTheMaster()
{
    QQuickItem *popup = show("DayPartPopup.qml");
    QVERIFY(popup);
    popup->setProperty("isMaster", false);
    QSignalSpy changed(m_dayParts, &DayPartManager::nextDayPartChanged);
    QSignalSpy request(popup, SIGNAL(dayPartRequested(int)));
    QVERIFY(tap("dayPartEntry2"));
    QCOMPARE(request.count(), 1);
    QCOMPARE(request.first().first().toInt(), 2);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_dayParts->get_nextDayPart(), 0);
}

void TestDayPartQml::popupFollowsFileLoadsAndLanguage()
{
    QQuickItem *popup = show("DayPartPopup.qml");
    QVERIFY(popup);
    m_translator->setLanguage(1);
    m_config->set_languageId(QStringLiteral("spa"));
    QCOMPARE(popup->property("entries").toList().at(0).toMap().value("name").toString(),
             QStringLiteral("Desayuno"));
    QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_twelve.json", "dayParts.json"));
    m_dayParts->dayPartsLoadJsonDocFile();
    QCOMPARE(popup->property("entries").toList().size(), 10);
    QTRY_VERIFY(item("dayPartEntry9"));
}

void TestDayPartQml::popupOfTenDayPartsFitsTheScreenAndScrolls()
{
    QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_twelve.json", "dayParts.json"));
    m_dayParts->dayPartsLoadJsonDocFile();
    QQuickItem *popup = show("DayPartPopup.qml");
    QVERIFY(popup);
    QCOMPARE(popup->property("entries").toList().size(), 10);
    // Centred on an 800 x 480 screen, every row must be reachable.
    QVERIFY2(popup->height() <= 480 - 32, qPrintable(QString::number(popup->height())));
    QVERIFY(tap("dayPartEntry1"));
    QCOMPARE(m_dayParts->get_nextDayPart(), 1);
    QQuickItem *list = item("dayPartList");
    QVERIFY(list);
    list->setProperty("contentY", list->property("contentHeight").toReal() - list->height());
    QVERIFY(tap("dayPartEntry9"));
    QCOMPARE(m_dayParts->get_nextDayPart(), 9);
}

void TestDayPartQml::panelAcceptsOnlyAChangeWithATick()
{
    QQuickItem *panel = show("DaypartsToUsePanel.qml");
    QVERIFY(panel);
    QCOMPARE(panel->objectName(), QStringLiteral("DaypartsToUsePanel"));
    QCOMPARE(panel->property("rows").toList().size(), 3);
    QVERIFY(!panel->property("acceptEnabled").toBool());
    QTRY_COMPARE(pixelAtCentre("acceptButton"), QColor("#404040"));

    QVERIFY(tap("dayPartRow1"));
    QVERIFY(panel->property("acceptEnabled").toBool());
    QTRY_COMPARE(pixelAtCentre("acceptButton"), QColor("#1565c0"));
    QSignalSpy reloadInUse(m_dayParts, &DayPartManager::reloadDaypartsInUse);
    QVERIFY(tap("acceptButton"));
    QCOMPARE(reloadInUse.count(), 1);
    QCOMPARE(m_dayParts->getDayPartsToUseCount(), 3);
    QCOMPARE(m_dayParts->getDayPartToUse(1), 1);
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_dayParts, "dayPartsSaveChain")));
    DayPartManager reader(5, 4, nullptr, m_core.data());
    reader.dayPartsLoadJsonDocFile();
    QVERIFY(reader.getDayPartIsUsed(1));
    QVERIFY(!panel->property("acceptEnabled").toBool());
}

void TestDayPartQml::panelKeepsTheDayPartInForce()
{
    QQuickItem *panel = show("DaypartsToUsePanel.qml");
    QVERIFY(panel);
    QVERIFY(tap("dayPartRow0")); // in force: framed and locked
    QVERIFY(!panel->property("changed").toBool());
    QVERIFY(item("dayPartRow0")->property("locked").toBool());
    QVERIFY(tap("dayPartRow2"));
    QVERIFY(panel->property("acceptEnabled").toBool());
    // With the day part in force not ticked and everything else unticked, nothing may be accepted.
    m_dayParts->resetIsUsedDayPart();
    m_dayParts->setIsUsedDayPart(2, true);
    emit m_dayParts->reloadDaypartsInUse();
    QVERIFY(tap("dayPartRow2"));
    QVERIFY(panel->property("changed").toBool());
    QVERIFY(!panel->property("anyTicked").toBool());
    QVERIFY(!panel->property("acceptEnabled").toBool());
    QSignalSpy reloadInUse(m_dayParts, &DayPartManager::reloadDaypartsInUse);
    QVERIFY(tap("acceptButton"));
    QCOMPARE(reloadInUse.count(), 0);
}

void TestDayPartQml::panelCancelRereadsTheList()
{
    QQuickItem *panel = show("DaypartsToUsePanel.qml");
    QVERIFY(panel);
    QVERIFY(tap("dayPartRow1"));
    QVERIFY(panel->property("changed").toBool());
    // A language change renames the rows but keeps what is not yet accepted, and does
    // not touch the manager's list.
    m_translator->setLanguage(5);
    m_config->set_languageId(QStringLiteral("deu"));
    QCOMPARE(panel->property("rows").toList().at(0).toMap().value("name").toString(),
             QStringLiteral("Fr\u00fchst\u00fcck"));
    QVERIFY(panel->property("rows").toList().at(1).toMap().value("ticked").toBool());
    QVERIFY(!m_dayParts->getDayPartIsUsed(1));
    QVERIFY(tap("cancelButton"));
    QVERIFY(!panel->property("changed").toBool());
    QVERIFY(!panel->property("rows").toList().at(1).toMap().value("ticked").toBool());
}

QTEST_MAIN(TestDayPartQml)
#include "tst_daypartqml.moc"
