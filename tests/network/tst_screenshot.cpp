#include "scratchroots.h"
#include "screenshot.h"

#include <QDir>
#include <QImageReader>
#include <QQuickWindow>
#include <QtTest>

class tst_ScreenShot : public QObject
{
    Q_OBJECT

private slots:
    void savedOffscreen_data();
    void savedOffscreen();
    void noWindow();
};

void tst_ScreenShot::savedOffscreen_data()
{
    QTest::addColumn<int>("shots");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one") << 1 << QStringList{"tul_260314-091502.png"};
    QTest::newRow("three in one second") << 3 << QStringList{"tul_260314-091502-2.png", "tul_260314-091502-3.png", "tul_260314-091502.png"};
}

void tst_ScreenShot::savedOffscreen()
{
    QFETCH(int, shots);
    QFETCH(QStringList, names); // sorted
    ScratchRoots roots;
    QQuickWindow window;
    window.resize(120, 80);
    window.setColor(QColor("#2e7d32"));
    QSignalSpy swapped(&window, &QQuickWindow::frameSwapped);
    window.show();
    QTRY_VERIFY(swapped.count() > 0);

    const QDateTime time(QDate(2026, 3, 14), QTime(9, 15, 2));
    for (int i = 0; i < shots; ++i) {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Saved screenshot tul_260314-091502"));
        QVERIFY(!ScreenShot::save(&window, "SN123", "MOD-7", "Store 42", time).isEmpty());
    }
    QCOMPARE(QDir(roots.root() + "screenshots").entryList(QDir::Files), names);

    QImageReader reader(roots.root() + "screenshots/" + names.last());
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.text("serialNumber") + '|' + reader.text("modelNumber") + '|' + reader.text("storeNumber"),
             QString("SN123|MOD-7|Store 42"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(120, 80));
    QCOMPARE(image.pixelColor(60, 40), QColor("#2e7d32"));
}

void tst_ScreenShot::noWindow()
{
    ScratchRoots roots;
    QTest::ignoreMessage(QtWarningMsg, "Active window is null!!!!!");
    QVERIFY(ScreenShot::save(nullptr, "a", "b", "c", QDateTime::currentDateTime()).isEmpty());
    QVERIFY(!QDir(roots.root() + "screenshots").exists());
}

QTEST_MAIN(tst_ScreenShot)
#include "tst_screenshot.moc"
