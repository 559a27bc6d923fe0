#include "errorlogfiles.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"
#include "servicescreen.h"
#include "tulerrorcontrollert.h"

#include <QQmlContext>
#include <QQmlPropertyMap>
#include <QQuickItemGrabResult>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <functional>

// The Errors Log panel, rendered offscreen against the real error service.
class TestErrorLogPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsWhatTheLogHolds();
    void refreshShowsEachRecordOnce();
    void clearAllDeletesAfterConfirmation();
    void footerTexts_data();
    void footerTexts();
    void exportButtonFollowsTheFlashDrive_data();
    void exportButtonFollowsTheFlashDrive();
    void shownAgainShowsWhatCameMeanwhile_data();
    void shownAgainShowsWhatCameMeanwhile();
    void rowsNameTheZoneAsTheBannerDoes_data();
    void rowsNameTheZoneAsTheBannerDoes();
    void tellsWhereTheWholeLogIsKept_data();
    void tellsWhereTheWholeLogIsKept();

private:
    QQuickItem *item(const char *name) const;
    QStringList shownTexts() const;

    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    TulErrorControllerT *m_service = nullptr;
    QQuickView *m_view = nullptr;
};

void TestErrorLogPanel::init()
{
    m_scratch.reset(new ScratchRoots);
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"),
                                     "1;2024/03/11 10:00:00;4\t2\t1\t0\n"
                                     "1;2024/03/12 11:30:05;2\t0\t3\t0\n"
                                     "1;2024/03/13 12:00:00;3\t1\t2\t0\n"));
    m_core = new FakeCabinetCore;
    m_service = new TulErrorControllerT(nullptr, m_core);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 3);

    m_view = new QQuickView;
    m_view->rootContext()->setContextProperty(QStringLiteral("tulErrorController"), m_service);
    m_view->setSource(QUrl(QStringLiteral("qrc:/errorControl/ErrorLogPanel.qml")));
    QCOMPARE(m_view->status(), QQuickView::Ready);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestErrorLogPanel::cleanup()
{
    delete m_view;
    delete m_core;
    m_view = nullptr;
    m_core = nullptr;
    m_service = nullptr;
    m_scratch.reset();
}

QQuickItem *TestErrorLogPanel::item(const char *name) const
{
    return m_view->rootObject()->findChild<QQuickItem *>(QLatin1String(name));
}

QStringList TestErrorLogPanel::shownTexts() const
{
    QList<QQuickItem *> rows;
    std::function<void(QQuickItem *)> collect = [&](QQuickItem *at) {
        if (at->objectName() == QLatin1String("errorLogItem") && at->isVisible())
            rows << at;
        const auto children = at->childItems();
        for (QQuickItem *child : children)
            collect(child);
    };
    collect(m_view->contentItem());
    std::sort(rows.begin(), rows.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->property("number").toInt() < b->property("number").toInt();
    });
    QStringList out;
    for (QQuickItem *row : rows) {
        out << QStringLiteral("%1 %2 %3 %4 %5").arg(row->property("number").toInt())
                   .arg(row->property("dateText").toString(), row->property("timeText").toString(),
                        row->property("codesText").toString(), row->property("descText").toString());
    }
    return out;
}

void TestErrorLogPanel::listsWhatTheLogHolds()
{
    QTRY_COMPARE(item("errorLogList")->property("count").toInt(), 3);
    QCOMPARE(shownTexts(), QStringList({
        "1 2024/03/13 12:00:00 3.1.2.0 Zone 2 Disabled. Temperature too high.",
        "2 2024/03/12 11:30:05 2.0.3.0 Temperature sensor 3 shorted.",
        "3 2024/03/11 10:00:00 4.2.1.0 I/O board 1 communication loss."}));
    QCOMPARE(item("recordCount")->property("text").toString(), QStringLiteral("Number of records: 3"));
    QVERIFY(item("clearAllButton")->isEnabled());
    m_view->rootObject()->setProperty("locked", true); // a locked page cannot clear
    QVERIFY(!item("clearAllButton")->isEnabled());
    m_view->rootObject()->setProperty("locked", false);
    QSharedPointer<QQuickItemGrabResult> grab = m_view->rootObject()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
    QVERIFY(ready.count() || ready.wait());
    const QImage image = grab->image();
    QCOMPARE(image.size(), QSize(800, 480));
    QVERIFY(image.pixel(10, 10) != image.pixel(400, 20)); // the title is drawn
}

void TestErrorLogPanel::refreshShowsEachRecordOnce()
{
    ErrorLogFiles::setFixedNow(QDateTime(QDate(2024, 3, 14), QTime(9, 0)));
    m_service->errorCodesDataProcess(5, 1, 0, 0);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 4);
    QCOMPARE(item("errorLogList")->property("count").toInt(), 3); // shown at the next load
    for (int i = 0; i < 2; ++i) {
        QMetaObject::invokeMethod(m_view->rootObject(), "refresh");
        QTRY_COMPARE(item("errorLogList")->property("count").toInt(), 4);
        QTest::qWait(50);
        QCOMPARE(item("errorLogList")->property("count").toInt(), 4);
    }
    QCOMPARE(shownTexts().first(), QStringLiteral("1 2024/03/14 09:00:00 5.1.0.0 NFC board 1 communication loss."));
    ErrorLogFiles::setFixedNow(QDateTime());
}

void TestErrorLogPanel::clearAllDeletesAfterConfirmation()
{
    QTRY_COMPARE(item("errorLogList")->property("count").toInt(), 3);
    QQuickItem *clearAll = item("clearAllButton");
    QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier,
                      clearAll->mapToScene(QPointF(clearAll->width() / 2, clearAll->height() / 2)).toPoint());
    QObject *dialog = m_view->rootObject()->findChild<QObject *>(QStringLiteral("clearAllDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QQuickItem *go = m_view->rootObject()->findChild<QQuickItem *>(QStringLiteral("continueButton"));
    if (!go) { // popups put their content under the overlay
        const auto all = m_view->contentItem()->findChildren<QQuickItem *>(QStringLiteral("continueButton"));
        QVERIFY(!all.isEmpty());
        go = all.first();
    }
    QTest::mouseClick(m_view, Qt::LeftButton, Qt::NoModifier,
                      go->mapToScene(QPointF(go->width() / 2, go->height() / 2)).toPoint());
    QTRY_COMPARE(item("errorLogList")->property("count").toInt(), 0);
    QTRY_VERIFY(ErrorLogFiles::entries().isEmpty());
    QTRY_VERIFY(!item("clearAllButton")->isEnabled());
}

void TestErrorLogPanel::footerTexts_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("count");
    QTest::newRow("as loaded") << "" << 3;
    // The count runs ahead of the listed rows until the next load.
    QTest::newRow("an error reported while shown") << "report" << 4;
    QTest::newRow("refreshed after it") << "refresh" << 4;
    QTest::newRow("all cleared") << "clear" << 0;
}

// The count follows the service; the first and last record labels carry no value.
void TestErrorLogPanel::footerTexts()
{
    QFETCH(QString, step);
    QFETCH(int, count);
    QTRY_COMPARE(item("errorLogList")->property("count").toInt(), 3);
    if (step == QLatin1String("report") || step == QLatin1String("refresh"))
        m_service->errorCodesDataProcess(5, 1, 0, 0);
    if (step == QLatin1String("refresh"))
        QMetaObject::invokeMethod(m_view->rootObject(), "refresh");
    if (step == QLatin1String("clear"))
        QMetaObject::invokeMethod(m_view->rootObject(), "clearAll");
    QTRY_COMPARE(item("recordCount")->property("text").toString(), QStringLiteral("Number of records: %1").arg(count));
    QTRY_COMPARE(item("errorLogList")->property("count").toInt(), step == QLatin1String("report") ? 3 : count);
    QCOMPARE(item("firstRecord")->property("text").toString(), QStringLiteral("First record: "));
    QCOMPARE(item("lastRecord")->property("text").toString(), QStringLiteral("Last record: "));
}

void TestErrorLogPanel::exportButtonFollowsTheFlashDrive_data()
{
    QTest::addColumn<bool>("drive");
    QTest::newRow("written: nothing to say") << true;
    QTest::newRow("not written: reported") << false;
}

void TestErrorLogPanel::exportButtonFollowsTheFlashDrive()
{
    QFETCH(bool, drive);
    QQmlComponent component(m_view->engine(), QUrl(QStringLiteral("qrc:/errorControl/ExportErrorLogButton.qml")));
    QScopedPointer<QObject> button(component.create(m_view->rootContext()));
    QVERIFY2(button, qPrintable(component.errorString()));
    qobject_cast<QQuickItem *>(button.data())->setParentItem(m_view->rootObject()); // a window for its pop-up
    QCOMPARE(button->property("text").toString(), QStringLiteral("Export Error Log"));
    QVERIFY(!button->property("enabled").toBool());
    button->setProperty("flashDriveMounted", true);
    QVERIFY(button->property("enabled").toBool());
    if (!drive) {
        m_scratch->setVariable("TUL_FLASH_DIR", m_scratch->base() + "/no-drive/");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to Open File !!!"));
    }
    QSignalSpy exported(m_service, &TulErrorControllerT::errorLogExported);
    QMetaObject::invokeMethod(button.data(), "clicked");
    QVERIFY(exported.wait());
    QCOMPARE(exported.at(0).at(0).toBool(), drive);
    QObject *dialog = button->findChild<QObject *>(QStringLiteral("exportResultDialog"));
    QVERIFY(dialog);
    QTest::qWait(50);
    QCOMPARE(dialog->property("opened").toBool() || dialog->property("visible").toBool(), !drive);
    QCOMPARE(QDir(m_scratch->flash()).entryList({QStringLiteral("errorLog_*.txt")}, QDir::Files).size(), drive ? 1 : 0);
}

void TestErrorLogPanel::shownAgainShowsWhatCameMeanwhile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("service pages closed and opened again") << "pages";
    QTest::newRow("carousel turned away and back") << "carousel";
}

// The panel reached through the service carousel: an error logged while it was out of
// sight is listed as soon as it is shown again.
void TestErrorLogPanel::shownAgainShowsWhatCameMeanwhile()
{
    QFETCH(QString, how);
    ServiceScreen screen; // its own data root, with no log yet
    TulErrorControllerT service(nullptr, &screen.core);
    QVERIFY(screen.load());
    screen.view->rootContext()->setContextProperty(QStringLiteral("tulErrorController"), &service);
    QVERIFY(screen.open(QStringLiteral("Errors Log")));
    QQuickItem *list = ServiceScreen::find(screen.page(QStringLiteral("Errors Log")), QStringLiteral("errorLogList"));
    QVERIFY(list);
    QCOMPARE(list->property("count").toInt(), 0);

    QQuickItem *pages = screen.item("servicePages");
    if (how == QLatin1String("pages"))
        pages->setVisible(false);
    else
        QVERIFY(screen.tap("carouselNext"));
    service.errorCodesDataProcess(5, 1, 0, 0);
    QTRY_COMPARE(service.get_errorsLogListCount(), 1);
    if (how == QLatin1String("pages"))
        pages->setVisible(true);
    else
        QVERIFY(screen.tap("carouselPrevious"));
    QCOMPARE(screen.title(), QStringLiteral("Errors Log"));
    QTRY_COMPARE(list->property("count").toInt(), 1);
    QTest::qWait(50);
    QCOMPARE(list->property("count").toInt(), 1); // once, not twice
}

void TestErrorLogPanel::rowsNameTheZoneAsTheBannerDoes_data()
{
    QTest::addColumn<QList<int>>("ui2mio"); // the personality's screen-to-board zone map
    QTest::addColumn<QString>("line");      // main and sub codes as logged
    QTest::addColumn<QString>("shown");
    const QList<int> own;
    const QList<int> reversed{4, 3, 2, 1, 0};
    QTest::newRow("probe of heater 5: zone 3") << own << "2\t1\t5\t0" << "Zone 3: Temperature sensor 5 open.";
    QTest::newRow("heater 0 shorted: zone 1") << own << "2\t0\t0\t0" << "Zone 1: Temperature sensor 0 shorted.";
    QTest::newRow("heater 9 hot: zone 5") << own << "2\t7\t9\t0" << "Zone 5: Heater 9 over temperature error.";
    QTest::newRow("heater 3 cold") << own << "2\t2\t3\t0" << "Zone 2: Heater 3 low temp error.";
    QTest::newRow("board order reversed") << reversed << "2\t1\t1\t0" << "Zone 5: Temperature sensor 1 open.";
    QTest::newRow("unusable map: board order") << QList<int>{0, 0, 1, 2, 3} << "2\t1\t5\t0"
                                               << "Zone 3: Temperature sensor 5 open.";
    QTest::newRow("zone 2 from 0 switched off") << reversed << "3\t1\t2\t0" << "Zone 3: Zone 2 Disabled. Temperature too high.";
    QTest::newRow("heater beyond the cabinet") << own << "2\t1\t12\t0" << "Temperature sensor 12 open.";
    QTest::newRow("reference error: no zone") << own << "2\t4\t1\t0" << "Temperature sensor 1 reference error.";
    QTest::newRow("board error: no zone") << own << "4\t2\t1\t0" << "I/O board 1 communication loss.";
}

// Heater and zone errors keep their own words and numbers (heaters and zones counted from
// 0); the row names the zone first, as the fault banner, the bins and Zone Diagnostics do.
void TestErrorLogPanel::rowsNameTheZoneAsTheBannerDoes()
{
    QFETCH(QList<int>, ui2mio);
    QFETCH(QString, line);
    QFETCH(QString, shown);
    delete m_view;
    delete m_core;
    QVERIFY(m_scratch->writeRootFile(QStringLiteral("errorLogs/el240311.txt"),
                                     QStringLiteral("1;2024/03/11 10:00:00;%1\n").arg(line).toUtf8()));
    m_core = new FakeCabinetCore;
    m_core->numberOfZones = 5;
    m_core->ui2mioZoneMap = ui2mio;
    m_service = new TulErrorControllerT(nullptr, m_core);
    QTRY_COMPARE(m_service->get_errorsLogListCount(), 1);
    m_view = new QQuickView;
    m_view->rootContext()->setContextProperty(QStringLiteral("tulErrorController"), m_service);
    m_view->setSource(QUrl(QStringLiteral("qrc:/errorControl/ErrorLogPanel.qml")));
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    // The row's error name, as drawn.
    std::function<QString(QQuickItem *)> nameIn = [&](QQuickItem *at) {
        if (at->objectName() == QLatin1String("errorName") && at->isVisible())
            return at->property("text").toString();
        for (QQuickItem *child : at->childItems()) {
            const QString found = nameIn(child);
            if (!found.isEmpty())
                return found;
        }
        return QString();
    };
    QTRY_COMPARE(nameIn(m_view->contentItem()), shown);
}

void TestErrorLogPanel::tellsWhereTheWholeLogIsKept_data()
{
    QTest::addColumn<QVariant>("master"); // the cabinet's iAmMaster; none: no cabinet at all
    QTest::addColumn<bool>("shown");
    QTest::newRow("on the master, which keeps it") << QVariant(true) << false;
    QTest::newRow("on another display") << QVariant(false) << true;
    QTest::newRow("without a cabinet") << QVariant() << false;
}

// Another display lists only what reached it: it says where the whole log is, above the
// footer and clear of the list.
void TestErrorLogPanel::tellsWhereTheWholeLogIsKept()
{
    QFETCH(QVariant, master);
    QFETCH(bool, shown);
    QQmlPropertyMap cabinet;
    if (master.isValid()) {
        cabinet.insert(QStringLiteral("iAmMaster"), master);
        m_view->rootContext()->setContextProperty(QStringLiteral("cabinetManager"), &cabinet);
    }
    m_view->setSource(QUrl());
    m_view->setSource(QUrl(QStringLiteral("qrc:/errorControl/ErrorLogPanel.qml")));
    QCOMPARE(m_view->status(), QQuickView::Ready);
    QQuickItem *note = item("masterLogNote");
    QVERIFY(note);
    QCOMPARE(note->isVisible(), shown);
    if (!shown)
        return;
    QCOMPARE(note->property("text").toString(),
             QStringLiteral("The cabinet's complete Errors Log is kept on the primary display."));
    const auto scene = [](QQuickItem *i) { return i->mapRectToScene(QRectF(0, 0, i->width(), i->height())); };
    QTRY_VERIFY(scene(note).height() > 0);
    QVERIFY(scene(item("errorLogList")).bottom() <= scene(note).top());
    QVERIFY(scene(note).right() <= 800 && scene(note).bottom() <= scene(item("recordCount")).top());
}

QTEST_MAIN(TestErrorLogPanel)
#include "tst_errorlogpanel.moc"
