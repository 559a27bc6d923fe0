// The cookbook screens offscreen, driven by taps: unlocking, the product editor's checks,
// the limit of 100 items, and a product added, put in a group, assigned to a bin of day
// part 2 and saved into the menu and day-part files that the other display receives.
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "roleitemmodel.h"
#include "translator.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

class TestCookbookScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void productEditorRefusesInOrder_data();
    void productEditorRefusesInOrder();
    void hundredItemsAreTheLimit();
    void holdingLocksAndDropsTheEdits();
    void soleMemberDeletedTakesBothGroups();
    void newGroupWithoutMembersIsCancelled();
    void productGroupAndBinAreSaved();

private:
    QQuickItem *show();
    QQuickItem *item(const QString &name) const;
    bool tap(const QString &name);
    bool tapRow(const QString &listName, const QString &rowPrefix, int row);
    bool setText(const QString &name, const QString &text);
    QString dialogText() const;
    void unlock();

    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    QScopedPointer<QQuickView> m_view;
    ConfigurationManager *m_config = nullptr;
    MenuManager *m_menu = nullptr;
    DayPartManager *m_dayParts = nullptr;
};

void TestCookbookScreens::init()
{
    m_roots.reset(new ScratchRoots);
    m_core.reset(new FakeCabinetCore);
    m_core->translatorPtr = new Translator(m_core.data());
    m_config = new ConfigurationManager(nullptr, nullptr, true, 1, m_core.data());
    m_config->set_languageId(QStringLiteral("eng_USA"));
    m_core->configManagerPtr = m_config;
    m_menu = new MenuManager(m_core.data());
    m_core->menuManagerPtr = m_menu;
    m_dayParts = new DayPartManager(5, 4, m_menu, m_core.data());
    m_core->daypartManagerPtr = m_dayParts;
    m_menu->menuLoadJsonDocFile(); // the default menu
    QVERIFY(MenuTest::placeFixture(*m_roots, "dayParts_three.json", "dayParts.json"));
    m_dayParts->dayPartsLoadJsonDocFile(); // in use: 0 and 2
}

void TestCookbookScreens::cleanup()
{
    m_view.reset();
    m_core.reset();
    m_roots.reset();
}

QQuickItem *TestCookbookScreens::show()
{
    m_view.reset(new QQuickView);
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("menuManager"), m_menu);
    context->setContextProperty(QStringLiteral("daypartManager"), m_dayParts);
    context->setContextProperty(QStringLiteral("configManager"), m_config);
    context->setContextProperty(QStringLiteral("cabinetManager"), m_core.data());
    context->setContextProperty(QStringLiteral("tro"), m_core->translatorPtr);
    context->setContextProperty(QStringLiteral("productsEditModel"), m_menu->productsEditModel());
    context->setContextProperty(QStringLiteral("groupsEditModel"), m_menu->groupsEditModel());
    context->setContextProperty(QStringLiteral("dayPartsEditModel"), m_menu->dayPartsEditModel());
    context->setContextProperty(QStringLiteral("timerColorsDataList"),
                                QVariant::fromValue(m_menu->timerColorsDataList()));
    m_view->setSource(QUrl(QStringLiteral("qrc:/cookbook/ProductsListPanel.qml")));
    if (m_view->status() != QQuickView::Ready) {
        qWarning() << m_view->errors();
        return nullptr;
    }
    m_view->resize(800, 416);
    m_view->show();
    if (!QTest::qWaitForWindowExposed(m_view.data()))
        return nullptr;
    QMetaObject::invokeMethod(m_view->rootObject(), "open");
    return m_view->rootObject();
}

static QQuickItem *findItem(QQuickItem *parent, const QString &name)
{
    if (!parent)
        return nullptr;
    if (parent->objectName() == name && parent->isVisible())
        return parent;
    const QList<QQuickItem *> children = parent->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *TestCookbookScreens::item(const QString &name) const
{
    return findItem(m_view->rootObject(), name);
}

bool TestCookbookScreens::tap(const QString &name)
{
    // Positioners lay out what just appeared when the next frame is polished.
    QSignalSpy frame(m_view.data(), &QQuickWindow::frameSwapped);
    m_view->update();
    frame.wait(500);
    QQuickItem *target = item(name);
    if (!target)
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_view.data(), Qt::LeftButton, {}, centre.toPoint());
    return true;
}

bool TestCookbookScreens::tapRow(const QString &listName, const QString &rowPrefix, int row)
{
    QQuickItem *list = item(listName);
    if (!list)
        return false;
    QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 1));
    QCoreApplication::processEvents();
    return tap(rowPrefix + QString::number(row));
}

bool TestCookbookScreens::setText(const QString &name, const QString &text)
{
    QQuickItem *field = item(name);
    return field && field->setProperty("text", text);
}

QString TestCookbookScreens::dialogText() const
{
    QQuickItem *dialog = item(QStringLiteral("cookbookDialog"));
    QQuickItem *text = dialog ? findItem(dialog, QStringLiteral("cookbookDialogText")) : nullptr;
    return text ? text->property("text").toString() : QString();
}

void TestCookbookScreens::unlock()
{
    QVERIFY(tap(QStringLiteral("cookbookLockButton")));
    QVERIFY(setText(QStringLiteral("cookbookPinField"), QStringLiteral("7046")));
    QVERIFY(tap(QStringLiteral("cookbookPinEnter")));
    QVERIFY(!m_view->rootObject()->property("locked").toBool());
}

void TestCookbookScreens::productEditorRefusesInOrder_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hold");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("message");
    QTest::newRow("00:06:00 accepted") << 0 << "Soup" << "00:06:00" << "00:05:00" << "200" << "";
    QTest::newRow("00:05:59 refused") << 0 << "Soup" << "00:05:59" << "00:01:00" << "200" << "Invalid hold time value!";
    QTest::newRow("minutes past 59") << 0 << "Soup" << "00:60:00" << "00:01:00" << "200" << "Invalid hold time value!";
    QTest::newRow("warning equal to hold") << 0 << "Soup" << "00:30:00" << "00:30:00" << "200"
                                           << "Invalid warning time value!";
    QTest::newRow("name of spaces") << 0 << "   " << "00:30:00" << "00:05:00" << "200" << "Invalid product name!";
    QTest::newRow("201 F for customer 1") << 1 << "Soup" << "00:30:00" << "00:05:00" << "201"
                                          << "Invalid hold temperature!";
}

void TestCookbookScreens::productEditorRefusesInOrder()
{
    QFETCH(int, customer);
    QFETCH(QString, name);
    QFETCH(QString, hold);
    QFETCH(QString, warning);
    QFETCH(QString, upper);
    QFETCH(QString, message);
    m_core->customerId = customer;
    QVERIFY(show());
    unlock();
    const int before = m_menu->getProductEditRowCount();
    QVERIFY(tap(QStringLiteral("cookbookAdd")));
    QVERIFY(setText(QStringLiteral("nameField"), name));
    QVERIFY(setText(QStringLiteral("holdTimeField"), hold));
    QVERIFY(setText(QStringLiteral("warningTimeField"), warning));
    QVERIFY(setText(QStringLiteral("upperTempField"), upper));
    QVERIFY(setText(QStringLiteral("lowerTempField"), QStringLiteral("180")));
    QVERIFY(tap(QStringLiteral("productEditorAccept")));
    QCOMPARE(dialogText(), message);
    QCOMPARE(bool(item(QStringLiteral("productEditor"))), !message.isEmpty());
    QCOMPARE(m_menu->getProductEditRowCount(), before + (message.isEmpty() ? 1 : 0));
}

void TestCookbookScreens::hundredItemsAreTheLimit()
{
    QVERIFY(show());
    unlock();
    while (m_menu->getProductEditRowCount() + m_menu->getGroupEditRowCount() < 99)
        m_menu->saveProductEdit(0, QStringList{QStringLiteral("Filler")}, 1800, 300, 180, 180, 300,
                                QStringLiteral("None"), QStringLiteral("Normal"), QStringLiteral("1/4"), 100,
                                QStringLiteral("#fffffd"));
    QMetaObject::invokeMethod(m_view->rootObject(), "recount");
    QVERIFY(tap(QStringLiteral("cookbookAdd")));
    QVERIFY(item(QStringLiteral("productEditor")));
    QVERIFY(tap(QStringLiteral("productEditorCancel")));
    m_menu->addNewEditGroup();
    QMetaObject::invokeMethod(m_view->rootObject(), "recount");
    QVERIFY(tap(QStringLiteral("cookbookAdd")));
    QVERIFY(!item(QStringLiteral("productEditor")));
    QCOMPARE(dialogText(), QStringLiteral("Max products/groups reached. Can't add new products/groups!"));
}

void TestCookbookScreens::holdingLocksAndDropsTheEdits()
{
    QVERIFY(show());
    QObject *root = m_view->rootObject();
    QSignalSpy closed(root, SIGNAL(closed()));
    QSignalSpy notice(root, SIGNAL(notice(QString)));
    unlock();
    QVERIFY(tap(QStringLiteral("cookbookDelete")));
    QVERIFY(tap(QStringLiteral("cookbookDialogYes")));
    QVERIFY(root->property("unsaved").toBool());
    m_core->activelyHolding = true;
    emit m_core->activelyHoldingChanged(true);
    QVERIFY(root->property("locked").toBool());
    QCOMPARE(closed.size(), 1);
    QCOMPARE(notice.size(), 1);
    // Locked while holding: the lock asks for no PIN.
    QVERIFY(tap(QStringLiteral("cookbookLockButton")));
    QVERIFY(!item(QStringLiteral("cookbookPin")));
    QCOMPARE(dialogText(), QStringLiteral("Product Editing Unavailable<br>while timers are active!"));
}

void TestCookbookScreens::soleMemberDeletedTakesBothGroups()
{
    QVERIFY(show());
    unlock();
    const int groups = m_menu->getGroupEditRowCount();
    const int id = m_menu->saveProductEdit(0, QStringList{QStringLiteral("AAA Only")}, 1800, 300, 180, 180, 300,
                                           QStringLiteral("None"), QStringLiteral("Normal"), QStringLiteral("1/4"),
                                           100, QStringLiteral("#fffffd"));
    m_menu->sortProductEditModel();
    const int row = m_menu->getProductEditIndex(id);
    for (int g = 0; g < 2; ++g)
        m_menu->groupEditAddProduct(m_menu->addNewEditGroup(), row);
    QMetaObject::invokeMethod(m_view->rootObject(), "recount");
    QVERIFY(tapRow(QStringLiteral("cookbookList"), QStringLiteral("listRow"), row));
    QVERIFY(tap(QStringLiteral("cookbookDelete")));
    QVERIFY(tap(QStringLiteral("cookbookDialogYes")));
    QCOMPARE(m_menu->getGroupEditRowCount(), groups);
    QCOMPARE(dialogText(), QStringLiteral("Empty groups are deleted"));
}

void TestCookbookScreens::newGroupWithoutMembersIsCancelled()
{
    QVERIFY(show());
    unlock();
    const int groups = m_menu->getGroupEditRowCount();
    QVERIFY(tap(QStringLiteral("tab_groups")));
    QVERIFY(tap(QStringLiteral("cookbookAdd")));
    QCOMPARE(m_menu->getGroupEditRowCount(), groups + 1);
    QVERIFY(tap(QStringLiteral("groupEditorAccept")));
    QCOMPARE(dialogText(), QStringLiteral("No products added to the group!"));
    QVERIFY(tap(QStringLiteral("cookbookDialogYes")));
    QCOMPARE(m_menu->getGroupEditRowCount(), groups);
    QVERIFY(!item(QStringLiteral("groupEditor")));
}

void TestCookbookScreens::productGroupAndBinAreSaved()
{
    QVERIFY(show());
    unlock();
    // A product with the temperatures of product 13, which shares the zones of day part 2.
    const int neighbour = m_menu->getProductIndex(13);
    QVERIFY(tap(QStringLiteral("cookbookAdd")));
    QVERIFY(setText(QStringLiteral("nameField"), QStringLiteral("Zucchini")));
    QVERIFY(setText(QStringLiteral("upperTempField"), m_menu->getProductUpperTemp(neighbour).toString()));
    QVERIFY(setText(QStringLiteral("lowerTempField"), m_menu->getProductLowerTemp(neighbour).toString()));
    QVERIFY(tap(QStringLiteral("productEditorAccept")));
    QCOMPARE(dialogText(), QString());
    const int id = m_menu->getProductEditId(m_menu->getProductEditRowCount() - 1).toInt();
    const int row = m_menu->getProductEditIndex(id);
    QCOMPARE(m_menu->getProductEditName(row).toString(), QStringLiteral("Zucchini"));

    // In a new group.
    QVERIFY(tap(QStringLiteral("tab_groups")));
    QVERIFY(tap(QStringLiteral("cookbookAdd")));
    QVERIFY(setText(QStringLiteral("groupNameField"), QStringLiteral("Vegetables")));
    QVERIFY(tapRow(QStringLiteral("groupProductList"), QStringLiteral("groupProduct"), row));
    QVERIFY(tap(QStringLiteral("groupAddMember")));
    QVERIFY(tap(QStringLiteral("groupEditorAccept")));
    QVERIFY(!item(QStringLiteral("groupEditor")));
    const int groupRow = m_menu->getGroupEditRowCount() - 1;
    QCOMPARE(m_menu->getGroupEditName(groupRow).toString(), QStringLiteral("Vegetables"));
    QCOMPARE(m_menu->getGroupEditGroupPList(groupRow).toStringList(), QStringList{QString::number(id)});

    // In bin 0 of zone 0 of day part 2, the second page.
    QVERIFY(tap(QStringLiteral("tab_dayparts")));
    QTRY_VERIFY(tap(QStringLiteral("nextPage0")));
    QTRY_VERIFY(item(QStringLiteral("bin_2_0_0")));
    QVERIFY(tap(QStringLiteral("bin_2_0_0")));
    int pick = -1;
    for (int r = 0; r < m_menu->dayPartsEditModel()->rowCount(); ++r)
        pick = m_menu->dayPartModelGetId(r).toInt() == id ? r : pick;
    QVERIFY(tapRow(QStringLiteral("assignList"), QStringLiteral("assignRow"), pick));
    QVERIFY(tap(QStringLiteral("assignAccept")));
    QCOMPARE(m_dayParts->dayPartEditGetProductId(2, 0, 0), id);

    // Saved on the way out.
    QVERIFY(tap(QStringLiteral("cookbookReturn")));
    QCOMPARE(dialogText(), QStringLiteral("Save changes?"));
    QSignalSpy closed(m_view->rootObject(), SIGNAL(closed()));
    QVERIFY(tap(QStringLiteral("cookbookDialogYes")));
    QCOMPARE(closed.size(), 1);
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_menu, "menuSaveChain")));
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_dayParts, "dayPartsSaveChain")));
    QVERIFY(MenuTest::readFile(m_roots->root() + QStringLiteral("menu.json")).contains("Zucchini"));
    const QJsonObject dayParts = MenuTest::jsonOf(MenuTest::readFile(m_roots->root() + QStringLiteral("dayParts.json"))).object();
    const QJsonArray locations = dayParts.value("layout").toArray().at(2).toObject().value("productLocations").toArray();
    QCOMPARE(locations.at(0).toObject().value("productId").toInt(), id);
    // Both files went to the other display, each with its reload message.
    const QStringList sent = m_core->sentNames();
    QVERIFY2(sent.contains(QStringLiteral("sendOvUpdateProducts")) && sent.contains(QStringLiteral("sendOvUpdateDayparts")),
             qPrintable(sent.join(' ')));

    // What the other display loads from them.
    MenuManager mirrorMenu;
    DayPartManager mirrorDayParts(5, 4, &mirrorMenu, nullptr);
    mirrorMenu.menuLoadJsonDocFile();
    mirrorDayParts.dayPartsLoadJsonDocFile();
    QCOMPARE(mirrorMenu.getProductName(0, id).toString(), QStringLiteral("Zucchini"));
    QCOMPARE(mirrorDayParts.dayPartGetProductId(2, 0, 0), id);
}

QTEST_MAIN(TestCookbookScreens)
#include "tst_cookbookscreens.moc"
