// The dock's day-part pop-up and the Day-Parts settings page, rendered offscreen with
// the context properties the composition root publishes.
#include "menutestsupport.h"
#include "screentest.h"

#include <QtTest>

class TestDayPartQml : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    Screen s;
    DayPartManager *d = nullptr;
    const QColor inForce{"#1e64b4"};

    QQuickItem *show(const QString &file)
    {
        return s.show("qrc:/daypart/" + file, {{"daypartManager", QVariant::fromValue<QObject *>(d)},
                                                {"tro", QVariant::fromValue<QObject *>(c->translator)},
                                                {"configManager", QVariant::fromValue<QObject *>(c->config)}});
    }
    QVariantMap entry(QObject *view, const char *list, int i) const
    {
        return view->property(list).toList().value(i).toMap();
    }
    void loadTwelve()
    {
        QVERIFY(c->place("dayParts_twelve.json", "dayParts.json"));
        d->dayPartsLoadJsonDocFile();
    }

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet);
        d = c->dayParts;
        c->config->set_languageId(QStringLiteral("eng_USA"));
        QVERIFY(c->place("dayParts_three.json", "dayParts.json"));
        d->dayPartsLoadJsonDocFile(); // in use: 0 and 2
    }
    void cleanup()
    {
        s.view.reset();
        c.reset();
    }

    // The pop-up lists the day parts in use and marks the one in force; a tap sets the
    // day part on the master, and on another display asks the master for it.
    void popupTap_data()
    {
        QTest::addColumn<bool>("master");
        QTest::newRow("master") << true;
        QTest::newRow("other display") << false;
    }
    void popupTap()
    {
        QFETCH(bool, master);
        QQuickItem *popup = show("DayPartPopup.qml");
        QVERIFY(popup);
        QVERIFY(s.item("dayPartEntry0") && !s.item("dayPartEntry1") && s.item("dayPartEntry2"));
        QCOMPARE(popup->property("entries").toList().size(), 2);
        QCOMPARE(entry(popup, "entries", 1).value("name").toString(), QStringLiteral("Late Night"));
        QTRY_COMPARE(s.pixelOf("dayPartEntry0"), inForce);
        QTRY_COMPARE(s.pixelOf("dayPartEntry2"), QColor("#263238"));
        popup->setProperty("isMaster", master);
        QSignalSpy changed(d, &DayPartManager::nextDayPartChanged);
        QSignalSpy close(popup, SIGNAL(closeRequested()));
        QSignalSpy request(popup, SIGNAL(dayPartRequested(int)));
        QVERIFY(s.tap("dayPartEntry2"));
        QCOMPARE(changed.count(), int(master));
        QCOMPARE(d->get_nextDayPart(), master ? 2 : 0);
        QCOMPARE(request.count(), int(!master));
        if (master) {
            QCOMPARE(close.count(), 1);
            QTRY_COMPARE(s.pixelOf("dayPartEntry2"), inForce);
        } else {
            QCOMPARE(request.first().first().toInt(), 2);
        }
    }

    void popupFollowsFileLoadsAndLanguage()
    {
        QQuickItem *popup = show("DayPartPopup.qml");
        QVERIFY(popup);
        c->translator->setLanguage(1);
        c->config->set_languageId(QStringLiteral("spa"));
        QCOMPARE(entry(popup, "entries", 0).value("name").toString(), QStringLiteral("Desayuno"));
        QCOMPARE(entry(popup, "entries", 1).value("name").toString(), QString()); // no Spanish name
        loadTwelve();
        QCOMPARE(popup->property("entries").toList().size(), 10);
        QTRY_VERIFY(s.item("dayPartEntry9"));
    }

    void popupOfTenDayPartsFitsTheScreenAndScrolls()
    {
        loadTwelve();
        QQuickItem *popup = show("DayPartPopup.qml");
        QVERIFY(popup);
        // Centred on an 800 x 480 screen, every row must be reachable.
        QVERIFY2(popup->height() <= 480 - 32, qPrintable(QString::number(popup->height())));
        QVERIFY(s.tap("dayPartEntry1"));
        QCOMPARE(d->get_nextDayPart(), 1);
        QQuickItem *list = s.item("dayPartList");
        QVERIFY(list);
        list->setProperty("contentY", list->property("contentHeight").toReal() - list->height());
        QVERIFY(s.tap("dayPartEntry9"));
        QCOMPARE(d->get_nextDayPart(), 9);
    }

    // The settings page accepts only a change that leaves a tick; the day part in force
    // stays ticked.
    void panelAcceptsOnlyAChangeWithATick()
    {
        QQuickItem *panel = show("DaypartsToUsePanel.qml");
        QVERIFY(panel);
        QCOMPARE(panel->property("rows").toList().size(), 3);
        QVERIFY(!panel->property("acceptEnabled").toBool());
        QTRY_COMPARE(s.pixelOf("acceptButton"), QColor("#404040"));
        QVERIFY(s.tap("dayPartRow0")); // in force: framed and locked
        QVERIFY(!panel->property("changed").toBool());
        QVERIFY(s.item("dayPartRow0")->property("locked").toBool());
        QVERIFY(s.tap("dayPartRow1"));
        QVERIFY(panel->property("acceptEnabled").toBool());
        QTRY_COMPARE(s.pixelOf("acceptButton"), QColor("#1565c0"));
        QSignalSpy reloadInUse(d, &DayPartManager::reloadDaypartsInUse);
        QVERIFY(s.tap("acceptButton"));
        QCOMPARE(reloadInUse.count(), 1);
        QCOMPARE(MenuTest::inUseOf(d), QStringLiteral("0,1,2"));
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(d, "dayPartsSaveChain")));
        DayPartManager reader(5, 4, nullptr, c->core.data());
        reader.dayPartsLoadJsonDocFile();
        QVERIFY(reader.getDayPartIsUsed(1));
        QVERIFY(!panel->property("acceptEnabled").toBool());

        // The day part in force not ticked and everything else unticked: nothing to accept.
        d->resetIsUsedDayPart();
        d->setIsUsedDayPart(2, true);
        emit d->reloadDaypartsInUse();
        QVERIFY(s.tap("dayPartRow2"));
        QVERIFY(panel->property("changed").toBool());
        QVERIFY(!panel->property("anyTicked").toBool() && !panel->property("acceptEnabled").toBool());
        QVERIFY(s.tap("acceptButton"));
        QCOMPARE(reloadInUse.count(), 2);
    }

    // Cancel reads the list again, dropping ticks not accepted.
    void panelCancelRereadsTheList()
    {
        QQuickItem *panel = show("DaypartsToUsePanel.qml");
        QVERIFY(panel);
        QVERIFY(s.tap("dayPartRow1"));
        QVERIFY(panel->property("changed").toBool());
        QVERIFY(s.tap("cancelButton"));
        QVERIFY(!panel->property("changed").toBool());
        QVERIFY(!entry(panel, "rows", 1).value("ticked").toBool());
        QVERIFY(!d->getDayPartIsUsed(1));
    }

    // The page writes its list back to the manager, unsaved: on a language change the
    // ticks as they stand, on a file load the list just loaded (in index order). A list
    // without a tick is never written. Rows are named in the current language only.
    void panelReappliesItsList_data()
    {
        QTest::addColumn<int>("inForce");
        QTest::addColumn<QList<int>>("taps");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<QString>("names");
        QTest::newRow("language change, a tick not accepted") << 0 << QList<int>{1} << "language" << "0,1,2"
                                                              << "Fr\u00fchst\u00fcck,,";
        QTest::newRow("language change, ticks as loaded") << 0 << QList<int>{} << "language" << "0,2"
                                                          << "Fr\u00fchst\u00fcck,,";
        QTest::newRow("language change, nothing ticked") << 1 << QList<int>{0, 2} << "language" << "0,2"
                                                         << "Fr\u00fchst\u00fcck,,";
        QTest::newRow("file load") << 0 << QList<int>{1} << "load" << "0,2" << "Breakfast,Lunch,Late Night";
        QTest::newRow("file load, list out of order") << 0 << QList<int>{} << "load 2,0,2" << "0,2"
                                                      << "Breakfast,Lunch,Late Night";
    }
    void panelReappliesItsList()
    {
        QFETCH(int, inForce);
        QFETCH(QList<int>, taps);
        QFETCH(QString, event);
        QFETCH(QString, inUse);
        QFETCH(QString, names);
        d->set_nextDayPart(inForce);
        QQuickItem *panel = show("DaypartsToUsePanel.qml");
        QVERIFY(panel);
        for (int row : taps)
            QVERIFY(s.tap("dayPartRow" + QString::number(row)));
        if (event == "language") {
            c->translator->setLanguage(5);
            c->config->set_languageId(QStringLiteral("deu"));
        } else {
            if (event.contains(' ')) { // what the load left in the manager
                d->resetIsUsedDayPart();
                for (const QString &dayPart : event.section(' ', 1).split(','))
                    d->setIsUsedDayPart(dayPart.toInt(), true);
            }
            emit d->daypartsFileLoadDone();
        }
        QCOMPARE(MenuTest::inUseOf(d), inUse);
        QStringList shown;
        for (const QVariant &row : panel->property("rows").toList())
            shown << row.toMap().value("name").toString();
        QCOMPARE(shown.join(','), names);
        QVERIFY(!MenuTest::chainOf(d, "dayPartsSaveChain")->isBusy());
    }
};

QTEST_MAIN(TestDayPartQml)
#include "tst_daypartqml.moc"
