// The menu update screen rendered offscreen: the import page lists the menu files of
// the flash drive and imports the one picked; the export page checks the drive and
// writes the menu to it. Each page opens with a PIN of its level.
#include "configurationmanager.h"
#include "menutestsupport.h"
#include "orvantaproxy.h"
#include "passcodes.h"
#include "screentest.h"

#include <QDir>
#include <QtTest>

// What the screens ask of the application core.
class CabinetStub : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool flashDriveMounted MEMBER flashDriveMounted NOTIFY flashDriveMountedChanged)
    Q_PROPERTY(bool iAmMaster MEMBER iAmMaster CONSTANT)
    Q_PROPERTY(int customerId MEMBER customerId CONSTANT)
public:
    bool flashDriveMounted = false;
    bool iAmMaster = true;
    int customerId = 0;
    Q_INVOKABLE void refreshFlashDriveMounted()
    {
        flashDriveMounted = QFileInfo(qEnvironmentVariable("TUL_FLASH_DIR")).isDir();
        emit flashDriveMountedChanged();
    }
signals:
    void flashDriveMountedChanged();
};

static bool makeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

class TstMenuUpdateScreen : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    Screen s;
    CabinetStub m_cabinet;
    OrvantaProxy *m_proxy = nullptr;

    bool show(const QSize &size = QSize(800, 400))
    {
        return s.show("qrc:/filesExport/UpdatesListView.qml",
                      {{"ovp", QVariant::fromValue<QObject *>(m_proxy)},
                       {"cabinetManager", QVariant::fromValue<QObject *>(&m_cabinet)},
                       {"configManager", QVariant::fromValue<QObject *>(c->config)}}, size);
    }
    // Taps a page's lock and types the PIN on the pad.
    bool unlock(const QString &lock, const QByteArray &pin)
    {
        if (!tap(lock) || !QTest::qWaitFor([this] { return item("updatesPinPad")->isVisible(); }))
            return false;
        for (const char digit : pin)
            QTest::keyClick(s.view.data(), digit);
        QTest::keyClick(s.view.data(), Qt::Key_Return);
        return QTest::qWaitFor([this] { return !item("updatesPinPad")->isVisible(); });
    }
    QQuickItem *item(const QString &name) const { return s.item(name); }
    // Only what is shown and enabled can be tapped.
    bool tap(const QString &name)
    {
        QQuickItem *target = item(name);
        return target && target->isVisible() && target->isEnabled() && s.tap(name);
    }

private slots:
    void initTestCase() { Passcodes::registerQmlTypes(); }
    void init()
    {
        c.reset(new MenuTest::Cabinet(MenuTest::Cabinet::All));
        QVERIFY(QDir().mkpath(c->roots.flash()));
        c->menu->menuLoadJsonDocFile();
        m_proxy = new OrvantaProxy(c->core.data());
        m_proxy->connectAppliers(c->config, c->menu, c->dayParts);
    }
    void cleanup()
    {
        s.view.reset();
        c.reset();
    }

    void listsTheDriveAndImportsThePickedFile()
    {
        QVERIFY(QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/good.tul"), c->roots.flash() + "good.tul"));
        QVERIFY(QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/layout_empty.json"), c->roots.flash() + "A.json"));
        QVERIFY(show());
        // The page does not list the folder by itself.
        QVERIFY(item("noFilesText")->isVisible());
        QVERIFY(!item("acceptButton")->isEnabled());
        // Locked at level 2 for this customer.
        QVERIFY(!item("refreshButton")->isEnabled());
        QVERIFY(unlock("updatesLockButton", "604528"));

        QVERIFY(tap("refreshButton"));
        QTRY_VERIFY(item("fileRow_good.tul") && item("fileRow_A.json"));
        QVERIFY(!item("noFilesText")->isVisible());
        QVERIFY(!item("acceptButton")->isEnabled());
        QVERIFY(tap("fileRow_good.tul"));
        QTRY_VERIFY(item("acceptButton")->isEnabled());
        // The shell tells the result, over whatever page is open by then.
        QSignalSpy imported(m_proxy, &OrvantaProxy::orvantaDataImported);
        QVERIFY(tap("acceptButton"));
        QTRY_COMPARE(imported.count(), 1);
        QCOMPARE(m_proxy->get_ovImportFilename(), QStringLiteral("good.tul"));
        QCOMPARE(c->menu->getRowCount(), 11);
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(c->menu, "menuSaveChain")));
    }

    // The list's own size and colours: 200 px high (350 in portrait), rows of 40 px
    // alternating light cyan and white, the picked one framed in green.
    void fileListLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("listHeight");
        QTest::newRow("landscape") << QSize(800, 400) << 200;
        QTest::newRow("portrait") << QSize(480, 720) << 350;
    }

    void fileListLayout()
    {
        QFETCH(QSize, size);
        QFETCH(int, listHeight);
        for (const char *name : {"a.tul", "b.json", "c.tul"})
            QVERIFY(makeFile(c->roots.flash() + name));
        m_proxy->getOvImportDirList();
        QVERIFY(show(size));
        QVERIFY(item("menuFileListFrame"));
        QCOMPARE(item("menuFileListFrame")->width(), qreal(440));
        QCOMPARE(item("menuFileListFrame")->height(), qreal(listHeight));
        QTRY_VERIFY(item("fileRow_c.tul"));
        QStringList colours;
        for (const char *name : {"fileRow_a.tul", "fileRow_b.json", "fileRow_c.tul"}) {
            QCOMPARE(item(name)->height(), qreal(40));
            colours << item(name)->property("color").value<QColor>().name();
        }
        QCOMPARE(colours, (QStringList{"#a5fcff", "#ffffff", "#a5fcff"}));
        QVERIFY(unlock("updatesLockButton", "604528"));
        QVERIFY(tap("fileRow_b.json"));
        QObject *frame = item("fileRow_b.json")->property("border").value<QObject *>();
        QTRY_COMPARE(frame->property("color").value<QColor>().name(), QStringLiteral("#007700"));
        QCOMPARE(frame->property("width").toInt(), 3);
    }

    void exportWaitsForTheDriveAndWritesTheMenu()
    {
        QVERIFY(show());
        QObject *pages = s.root()->findChild<QObject *>("updatePages");
        pages->setProperty("highlightMoveDuration", 0);
        pages->setProperty("currentIndex", 1);
        QTRY_COMPARE(pages->property("contentX").toReal(), qreal(800));
        QVERIFY(!item("exportMenuButton")->isEnabled());
        QVERIFY(!item("checkFlashDriveButton")->isEnabled());
        QVERIFY(unlock("updatesLockButton", "604528"));
        QVERIFY(tap("checkFlashDriveButton"));
        QTRY_VERIFY(item("exportMenuButton")->isEnabled());
        QSignalSpy exported(m_proxy, &OrvantaProxy::exportedMenu);
        QSignalSpy failed(m_proxy, &OrvantaProxy::exportMenuFailed);
        QVERIFY(tap("exportMenuButton"));
        QTRY_COMPARE(exported.count(), 1);
        QCOMPARE(exported.first().first().toString(), QStringLiteral("MENU_.json"));
        QVERIFY(QFile::exists(c->roots.flash() + "MENU_.json"));

        // The drive is gone when the export is asked for: a failure, and the button goes off.
        QVERIFY(QDir(c->roots.flash()).removeRecursively());
        QVERIFY(tap("exportMenuButton"));
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(!item("exportMenuButton")->isEnabled());
    }
};

QTEST_MAIN(TstMenuUpdateScreen)
#include "tst_menuupdatescreen.moc"
