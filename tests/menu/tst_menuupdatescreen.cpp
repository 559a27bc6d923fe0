// The menu update screen rendered offscreen: the import page lists the menu files of
// the flash drive and imports the one picked; the export page checks the drive and
// writes the menu to it.
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "orvantaproxy.h"

#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
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

namespace {

QQuickItem *findItem(QQuickItem *parent, const QString &name)
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

} // namespace

class TstMenuUpdateScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsTheDriveAndImportsThePickedFile();
    void exportWaitsForTheDriveAndWritesTheMenu();

private:
    bool show();
    QQuickItem *item(const QString &name) const { return findItem(m_view->rootObject(), name); }
    bool tap(const QString &name);

    QScopedPointer<ScratchRoots> m_roots;
    QScopedPointer<FakeCabinetCore> m_core;
    QScopedPointer<QQuickView> m_view;
    CabinetStub m_cabinet;
    MenuManager *m_menu = nullptr;
    OrvantaProxy *m_proxy = nullptr;
};

void TstMenuUpdateScreen::init()
{
    m_roots.reset(new ScratchRoots);
    QVERIFY(QDir().mkpath(m_roots->flash()));
    m_core.reset(new FakeCabinetCore);
    m_menu = new MenuManager(m_core.data());
    m_core->menuManagerPtr = m_menu;
    m_menu->menuLoadJsonDocFile();
    m_core->daypartManagerPtr = new DayPartManager(5, 4, m_menu, m_core.data());
    m_proxy = new OrvantaProxy(m_core.data());
}

void TstMenuUpdateScreen::cleanup()
{
    m_view.reset();
    m_core.reset();
    m_roots.reset();
}

bool TstMenuUpdateScreen::show()
{
    m_view.reset(new QQuickView);
    m_view->rootContext()->setContextProperty(QStringLiteral("ovp"), m_proxy);
    m_view->rootContext()->setContextProperty(QStringLiteral("cabinetManager"), &m_cabinet);
    m_view->resize(800, 400);
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    m_view->setSource(QUrl(QStringLiteral("qrc:/filesExport/UpdatesListView.qml")));
    if (m_view->status() != QQuickView::Ready) {
        qWarning() << m_view->errors();
        return false;
    }
    m_view->show();
    return QTest::qWaitForWindowExposed(m_view.data());
}

bool TstMenuUpdateScreen::tap(const QString &name)
{
    QQuickItem *target = item(name);
    if (!target || !target->isVisible() || !target->isEnabled())
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_view.data(), Qt::LeftButton, {}, centre.toPoint());
    return true;
}

void TstMenuUpdateScreen::listsTheDriveAndImportsThePickedFile()
{
    QVERIFY(QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/good.tul"), m_roots->flash() + "good.tul"));
    QVERIFY(QFile::copy(QStringLiteral(MENUIMPORT_FIXTURES "/layout_empty.json"), m_roots->flash() + "A.json"));
    QVERIFY(show());
    // The page does not list the folder by itself.
    QVERIFY(item("noFilesText")->isVisible());
    QVERIFY(!item("acceptButton")->isEnabled());

    QVERIFY(tap("refreshButton"));
    QTRY_VERIFY(item("fileRow_good.tul") && item("fileRow_A.json"));
    QVERIFY(!item("noFilesText")->isVisible());
    QVERIFY(!item("acceptButton")->isEnabled());
    QVERIFY(tap("fileRow_good.tul"));
    QTRY_VERIFY(item("acceptButton")->isEnabled());
    QVERIFY(tap("acceptButton"));
    QTRY_VERIFY(item("updateMessage")->isVisible());
    QCOMPARE(item("updateMessage")->property("visible").toBool(), true);
    QCOMPARE(m_view->rootObject()->property("message").toString(), QStringLiteral("Orvanta file imported: good.tul"));
    QCOMPARE(m_menu->getRowCount(), 11);
    QVERIFY(tap("updateMessageClose"));
    QTRY_VERIFY(!item("updateMessage")->isVisible());
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m_menu, "menuSaveChain")));
}

void TstMenuUpdateScreen::exportWaitsForTheDriveAndWritesTheMenu()
{
    QVERIFY(show());
    QObject *pages = m_view->rootObject()->findChild<QObject *>("updatePages");
    pages->setProperty("highlightMoveDuration", 0);
    pages->setProperty("currentIndex", 1);
    QTRY_COMPARE(pages->property("contentX").toReal(), qreal(800));
    QVERIFY(!item("exportMenuButton")->isEnabled());
    QVERIFY(tap("checkFlashDriveButton"));
    QTRY_VERIFY(item("exportMenuButton")->isEnabled());
    QVERIFY(tap("exportMenuButton"));
    QTRY_VERIFY(item("updateMessage")->isVisible());
    QCOMPARE(m_view->rootObject()->property("message").toString(), QStringLiteral("Orvanta file exported: MENU_.json"));
    QVERIFY(QFile::exists(m_roots->flash() + "MENU_.json"));

    // The drive is gone when the export is asked for: a failure, and the button goes off.
    QVERIFY(tap("updateMessageClose"));
    QVERIFY(QDir(m_roots->flash()).removeRecursively());
    QVERIFY(tap("exportMenuButton"));
    QTRY_COMPARE(m_view->rootObject()->property("message").toString(), QStringLiteral("Orvanta file export failed!"));
    QVERIFY(!item("exportMenuButton")->isEnabled());
}

QTEST_MAIN(TstMenuUpdateScreen)
#include "tst_menuupdatescreen.moc"
