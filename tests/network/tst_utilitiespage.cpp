#include "platforminfo.h"
#include "scratchroots.h"
#include "screenshot.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <memory>

namespace {

// Warnings of our own QML files: a binding or property that does not work is a fault.
QStringList g_qmlWarnings;
QtMessageHandler g_previous = nullptr;
void collectQmlWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("qrc:/sysmon/")))
        g_qmlWarnings.append(text);
    g_previous(type, context, text);
}

// What the Utilities page calls of the application core.
class CoreStandIn : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void screenShot()
    {
        ScreenShot::save(QGuiApplication::focusWindow(), "SN1", "MN2", "ST3",
                         QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    }
};

const char *kPage = R"(
import QtQuick 2.15
import "qrc:/sysmon"
Rectangle {
    width: 800; height: 480; color: "#263238"
    Column {
        anchors.centerIn: parent
        ScreenshotButton {}
        PlatformInfoButton { unlockLevel: testLevel }
    }
}
)";

} // namespace

class tst_UtilitiesPage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        g_qmlWarnings.clear();
        g_previous = qInstallMessageHandler(collectQmlWarnings);
    }
    void cleanup()
    {
        qInstallMessageHandler(g_previous);
        m_view.reset();
        QCOMPARE(g_qmlWarnings, QStringList());
    }
    void platformInfo();
    void screenshotAction();

private:
    QQuickItem *load(int level, const QString &dir);
    QQuickItem *find(const char *name) const;
    bool tap(const char *name);

    std::unique_ptr<QQuickView> m_view;
    PlatformInfo m_info;
    CoreStandIn m_core;
};

QQuickItem *tst_UtilitiesPage::load(int level, const QString &dir)
{
    m_view.reset(new QQuickView);
    QQmlContext *context = m_view->engine()->rootContext();
    context->setContextProperty("platformInfo", &m_info);
    context->setContextProperty("cabinetManager", &m_core);
    context->setContextProperty("testLevel", level);
    const QString file = QDir(dir).filePath("utilitiespage.qml");
    QFile qml(file);
    if (!qml.open(QIODevice::WriteOnly) || qml.write(kPage) < 0)
        return nullptr;
    qml.close();
    m_view->setSource(QUrl::fromLocalFile(file));
    QSignalSpy drawn(m_view.get(), &QQuickWindow::frameSwapped);
    m_view->show();
    const bool ok = m_view->status() == QQuickView::Ready && QTest::qWaitForWindowExposed(m_view.get())
        && (!drawn.isEmpty() || drawn.wait(5000));
    return ok ? m_view->rootObject() : nullptr;
}

QQuickItem *tst_UtilitiesPage::find(const char *name) const
{
    // Popups live in the window's overlay, not under the page.
    return m_view->contentItem()->findChild<QQuickItem *>(QLatin1String(name));
}

bool tst_UtilitiesPage::tap(const char *name)
{
    QQuickItem *target = find(name);
    const bool shown = target && target->isVisible();
    if (shown)
        QTest::mouseClick(m_view.get(), Qt::LeftButton, Qt::NoModifier,
                          target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint());
    return shown;
}

void tst_UtilitiesPage::platformInfo()
{
    ScratchRoots roots;
    QVERIFY(roots.writeRootFile("BSP_2.1.txt", "BSP 2.1\nbuild 7\n"));
    for (int level : {0, 1, 2, 3}) { // shown from level 2
        QVERIFY(load(level, roots.base()));
        QCOMPARE(find("platformInfoButton")->isVisible(), level >= 2);
    }

    QVERIFY(tap("platformInfoButton"));
    QQuickItem *text = find("platformInfoText");
    QVERIFY(text);
    QTRY_VERIFY(text->isVisible());
    QCOMPARE(text->property("text").toString(),
             QString("<b>Kernel:</b> Linux tul-display 5.10.168-ti-r72 #1 SMP PREEMPT Thu Jan 1 "
                     "00:00:00 UTC 2026 armv7l GNU/Linux<br><br><br>BSP 2.1<br>build 7<br>"));
    QVERIFY(tap("platformInfoClose"));
    QTRY_VERIFY(!text->isVisible());
}

void tst_UtilitiesPage::screenshotAction()
{
    ScratchRoots roots;
    QVERIFY(load(0, roots.base()));
    QVERIFY(tap("screenshotButton"));
    QTRY_VERIFY(QFile::exists(roots.root() + "screenshots/tul_260102-030405.png"));
}

QTEST_MAIN(tst_UtilitiesPage)
#include "tst_utilitiespage.moc"
