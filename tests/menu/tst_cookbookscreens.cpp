// The cookbook screens offscreen, driven by taps: unlocking, the product editor's checks,
// the limit of 100 items, and a product added, put in a group, assigned to a bin of day
// part 2 and saved into the menu and day-part files that the other display receives.
#include "menutestsupport.h"
#include "screentest.h"

#include <QtTest>

#include <functional>

class TestCookbookScreens : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    Screen s;
    MenuManager *m = nullptr;

    QQuickItem *show()
    {
        const auto object = [](QObject *o) { return QVariant::fromValue(o); };
        s.visibleOnly = true;
        QQuickItem *root = s.show("qrc:/cookbook/ProductsListPanel.qml",
            {{"menuManager", object(m)}, {"daypartManager", object(c->dayParts)}, {"configManager", object(c->config)},
             {"cabinetManager", object(c->core.data())}, {"tro", object(c->translator)},
             {"productsEditModel", object(m->productsEditModel())}, {"groupsEditModel", object(m->groupsEditModel())},
             {"dayPartsEditModel", object(m->dayPartsEditModel())},
             {"timerColorsDataList", QVariant::fromValue(m->timerColorsDataList())}}, QSize(800, 416));
        if (root)
            QMetaObject::invokeMethod(root, "open");
        return root;
    }
    QString dialogText() const
    {
        QQuickItem *dialog = s.item("cookbookDialog");
        QQuickItem *text = dialog ? s.find(dialog, "cookbookDialogText") : nullptr;
        return text ? text->property("text").toString() : QString();
    }
    void unlock()
    {
        QVERIFY(s.tap("cookbookLockButton"));
        QVERIFY(s.item("cookbookPin"));
        QCOMPARE(s.item("pinPadTitle")->property("text").toString(), QStringLiteral("PIN #"));
        QVERIFY(s.setText("pinPadField", "7046"));
        QTest::keyClick(s.view.data(), Qt::Key_Return);
        QVERIFY(!s.root()->property("locked").toBool());
        QVERIFY(!s.item("cookbookPin"));
    }

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet);
        m = c->menu;
        c->config->set_languageId("eng_USA");
        m->menuLoadJsonDocFile(); // the default menu
        QVERIFY(c->place("dayParts_three.json", "dayParts.json"));
        c->dayParts->dayPartsLoadJsonDocFile(); // in use: 0 and 2
    }
    void cleanup()
    {
        s.view.reset();
        c.reset();
    }

    void productEditorRefusesInOrder_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<bool>("celsius");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hold");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("upper"); // in the display unit
        QTest::addColumn<QString>("message"); // a range error says the range
        const QString holdRange = "Invalid hold time value!<br>Allowed: 00:06:00 to 08:00:00";
        QTest::newRow("00:06:00 accepted") << 0 << false << "Soup" << "00:06:00" << "00:05:00" << "200" << "";
        QTest::newRow("00:05:59 refused") << 0 << false << "Soup" << "00:05:59" << "00:01:00" << "200" << holdRange;
        QTest::newRow("08:00:01 refused") << 0 << false << "Soup" << "08:00:01" << "00:01:00" << "200" << holdRange;
        QTest::newRow("minutes past 59") << 0 << false << "Soup" << "00:60:00" << "00:01:00" << "200" << holdRange;
        QTest::newRow("warning equal to hold") << 0 << false << "Soup" << "00:30:00" << "00:30:00" << "200"
                                               << "Invalid warning time value!";
        QTest::newRow("name of spaces") << 0 << false << "   " << "00:30:00" << "00:05:00" << "200"
                                        << "Invalid product name!";
        QTest::newRow("201 F for customer 1") << 1 << false << "Soup" << "00:30:00" << "00:05:00" << "201"
                                              << "Invalid hold temperature!<br>Allowed: 165\u00b0F to 200\u00b0F";
        QTest::newRow("246 F for customer 4") << 4 << false << "Soup" << "00:30:00" << "00:05:00" << "246"
                                              << "Invalid hold temperature!<br>Allowed: 90\u00b0F to 245\u00b0F";
        QTest::newRow("94 C for customer 1") << 1 << true << "Soup" << "00:30:00" << "00:05:00" << "94"
                                             << "Invalid hold temperature!<br>Allowed: 74\u00b0C to 93\u00b0C";
    }

    void productEditorRefusesInOrder()
    {
        QFETCH(int, customer);
        QFETCH(bool, celsius);
        QFETCH(QString, name);
        QFETCH(QString, hold);
        QFETCH(QString, warning);
        QFETCH(QString, upper);
        QFETCH(QString, message);
        c->core->customerId = customer;
        c->config->set_tempUnit(celsius ? 1 : 0);
        QVERIFY(show());
        unlock();
        const int before = m->getProductEditRowCount();
        QVERIFY(s.tap("cookbookAdd"));
        QVERIFY(s.setText("nameField", name));
        QVERIFY(s.setText("holdTimeField", hold));
        QVERIFY(s.setText("warningTimeField", warning));
        QVERIFY(s.setText("upperTempField", upper));
        QVERIFY(s.setText("lowerTempField", celsius ? "82" : "180"));
        QVERIFY(s.tap("productEditorAccept"));
        QCOMPARE(dialogText(), message);
        QCOMPARE(bool(s.item("productEditor")), !message.isEmpty());
        QCOMPARE(m->getProductEditRowCount(), before + (message.isEmpty() ? 1 : 0));
    }

    // The list's highlight and the details always show one row, the one last saved or
    // picked, also when a save leaves it at its number or a visit starts afresh.
    void detailsFollowTheSelection_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("holdShown"); // empty: the selected row's own
        QTest::newRow("edited hold time accepted") << "edit" << "01:00:00";
        QTest::newRow("reopened after picking row 4") << "reopen" << "";
        QTest::newRow("new product sorted in last") << "add" << "02:00:00";
    }
    void detailsFollowTheSelection()
    {
        QFETCH(QString, how);
        QFETCH(QString, holdShown);
        QObject *root = show();
        QVERIFY(root);
        unlock();
        QVERIFY(m->getProductEditRowCount() > 5);
        if (how == "edit") {
            QVERIFY(s.tapRow("cookbookList", "listRow", 2));
            QVERIFY(s.tap("cookbookEdit"));
            QVERIFY(s.setText("holdTimeField", holdShown));
            QVERIFY(s.tap("productEditorAccept"));
        } else if (how == "reopen") {
            QVERIFY(s.tapRow("cookbookList", "listRow", 4));
            QVERIFY(s.tap("cookbookReturn"));
            root->setProperty("visible", false);
            root->setProperty("visible", true);
        } else {
            QVERIFY(s.tap("cookbookAdd"));
            QVERIFY(s.setText("nameField", "zz last"));
            QVERIFY(s.setText("holdTimeField", holdShown));
            QVERIFY(s.setText("upperTempField", "180"));
            QVERIFY(s.setText("lowerTempField", "180"));
            QVERIFY(s.tap("productEditorAccept"));
        }
        QCOMPARE(dialogText(), QString());
        const int row = root->property("selectedRow").toInt();
        QCOMPARE(row, how == "reopen" ? 0 : how == "edit" ? 2 : m->getProductEditRowCount() - 1);
        QQuickItem *list = s.item("cookbookList");
        QCOMPARE(list->property("selectedRow").toInt(), row);
        // The highlighted row is in sight.
        QQuickItem *shown = s.find(list, "listRow" + QString::number(row));
        QVERIFY(shown);
        const QRectF inList = shown->mapRectToItem(list, QRectF(0, 0, shown->width(), shown->height()));
        QVERIFY2(inList.top() >= 0 && inList.bottom() <= list->height(), qPrintable(QString::number(inList.top())));
        const auto detail = [&](const char *name) {
            QQuickItem *value = s.find(s.item(name), "infoValue");
            return value ? value->property("text").toString() : QString("(none)");
        };
        QCOMPARE(detail("detailName"), m->getProductEditName(row).toString());
        const int seconds = m->getProductEditHoldTime(row).toInt();
        const QString hms = QTime(0, 0).addSecs(seconds).toString("hh:mm:ss");
        QCOMPARE(detail("detailHoldTime"), holdShown.isEmpty() ? hms : holdShown);
    }

    // Every product is listed and detailed by a name in the screen's language, or by the
    // one the bins show where the menu has none in it; in Arabic the rows stay clear of the
    // scroll bar, which the mirrored layout puts on the left.
    void everyProductIsNamedInTheScreensLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("ownName"); // given in that language to the first product; empty: none
        QTest::newRow("English") << 0 << "";
        QTest::newRow("French, menu in English only") << 2 << "";
        QTest::newRow("French, one name of its own") << 2 << "Galette";
        QTest::newRow("Arabic, menu in English only") << 11 << "";
        QTest::newRow("Chinese, menu in English only") << 13 << "";
    }
    void everyProductIsNamedInTheScreensLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, ownName);
        const int patty = 1;
        if (!ownName.isEmpty()) {
            QStringList names = m->productsModel()->item(m->getProductIndex(patty), 0)
                                    ->data(MenuManager::NamesListRole).toStringList();
            names[language] = ownName;
            m->productsModel()->item(m->getProductIndex(patty), 0)->setData(names, MenuManager::NamesListRole);
        }
        c->translator->setLanguage(language);
        QObject *root = show();
        QVERIFY(root);
        QQuickItem *list = s.item("cookbookList");
        QVERIFY(list);
        QVERIFY(m->getProductEditRowCount() > 10);
        for (int row = 0; row < m->getProductEditRowCount(); ++row) {
            const int id = m->getProductEditId(row).toInt();
            const QString own = m->getProductName(language, id).toString();
            const QString expected = own.isEmpty() ? m->getProductName(0, id).toString() : own;
            QVERIFY(!expected.isEmpty());
            QCOMPARE(m->getProductEditName(row).toString(), expected);
            QVERIFY(s.tapRow("cookbookList", "listRow", row));
            QQuickItem *rowItem = s.find(list, "listRow" + QString::number(row));
            QQuickItem *text = s.find(rowItem, "rowText");
            QVERIFY(text);
            QCOMPARE(text->property("text").toString(), QStringLiteral("%1. %2").arg(row + 1).arg(expected));
            QQuickItem *value = s.find(s.item("detailName"), "infoValue");
            QVERIFY(value);
            QCOMPARE(value->property("text").toString(), expected);
            // The row's text is not under the scroll bar.
            QQuickItem *bar = s.find(list, "listScrollBar");
            QVERIFY(bar);
            const QRectF barBox = bar->mapRectToScene(QRectF(0, 0, bar->width(), bar->height()));
            const QRectF textBox = text->mapRectToScene(QRectF(0, 0, text->width(), text->height()));
            QVERIFY2(!barBox.intersects(textBox), qPrintable(QStringLiteral("row %1 at %2..%3, bar at %4..%5").arg(row)
                         .arg(textBox.left()).arg(textBox.right()).arg(barBox.left()).arg(barBox.right())));
        }
        if (!ownName.isEmpty())
            QVERIFY(m->getProductEditName(m->getProductEditIndex(patty)).toString() == ownName);
        c->translator->setLanguage(0);
    }

    // A form left scrolled down would take the next taps on other fields.
    void editorOpensAtItsTop_data()
    {
        QTest::addColumn<QString>("reopenWith");
        QTest::newRow("add") << "cookbookAdd";
        QTest::newRow("edit") << "cookbookEdit";
    }
    void editorOpensAtItsTop()
    {
        QFETCH(QString, reopenWith);
        QVERIFY(show());
        unlock();
        QVERIFY(s.tap("cookbookAdd"));
        QQuickItem *form = s.item("productEditorForm");
        QVERIFY(form);
        const qreal bottom = form->property("contentHeight").toReal() - form->height();
        QVERIFY2(bottom > 0, "the form fits: nothing to scroll");
        form->setProperty("contentY", bottom);
        QVERIFY(s.tap("productEditorCancel"));
        QVERIFY(s.tap(reopenWith));
        QVERIFY(s.item("productEditor"));
        QCOMPARE(form->property("contentY").toReal(), form->property("originY").toReal());
    }

    // Empty translations are filled only from the language being typed in when the editor
    // is accepted; a name typed in another language alone is no name.
    void productNameFromTheInputLanguage_data()
    {
        QTest::addColumn<int>("typedIn");   // language the name is typed in
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("acceptedIn"); // language shown when Accept is tapped
        QTest::addColumn<QString>("message");
        QTest::newRow("typed in English, accepted in English") << 0 << "Soup" << 0 << "";
        QTest::newRow("typed in Spanish, accepted in Spanish") << 1 << "Sopa" << 1 << "";
        QTest::newRow("typed in Spanish, accepted in English") << 1 << "Sopa" << 0 << "Invalid product name!";
        QTest::newRow("typed in French, accepted in English") << 2 << "Soupe" << 0 << "Invalid product name!";
    }

    void productNameFromTheInputLanguage()
    {
        QFETCH(int, typedIn);
        QFETCH(QString, name);
        QFETCH(int, acceptedIn);
        QFETCH(QString, message);
        QVERIFY(show());
        unlock();
        const int before = m->getProductEditRowCount();
        QVERIFY(s.tap("cookbookAdd"));
        c->translator->setLanguage(typedIn);
        QVERIFY(s.setText("nameField", name));
        c->translator->setLanguage(acceptedIn);
        QVERIFY(s.tap("productEditorAccept"));
        QCOMPARE(dialogText(), message);
        QCOMPARE(m->getProductEditRowCount(), before + (message.isEmpty() ? 1 : 0));
        if (!message.isEmpty())
            return;
        // Every language without a name of its own takes the one typed.
        int row = -1;
        for (int r = 0; r < m->getProductEditRowCount(); ++r)
            row = m->getProductEditNameList(r).toStringList().contains(name) ? r : row;
        QVERIFY(row >= 0);
        QCOMPARE(m->getProductEditNameList(row).toStringList(), QStringList(QVector<QString>(15, name).toList()));
    }

    // The lock stays as the user left it between visits; only the start of holding, or
    // the lock button, closes it.
    void lockKeptBetweenVisits_data()
    {
        QTest::addColumn<QString>("how"); // how the cookbook is left
        QTest::addColumn<bool>("locked"); // on the next visit
        QTest::newRow("return button") << "return" << false;
        QTest::newRow("idle return") << "idle" << false;
        QTest::newRow("holding started") << "holding" << true;
        QTest::newRow("locked by hand") << "hand" << true;
    }

    void lockKeptBetweenVisits()
    {
        QFETCH(QString, how);
        QFETCH(bool, locked);
        QObject *root = show();
        QVERIFY(root);
        unlock();
        QSignalSpy exited(c->config, &ConfigurationManager::programModeExited);
        if (how == "return") {
            QVERIFY(s.tap("cookbookReturn"));
        } else if (how == "idle") {
            emit c->core->noUserInteraction();
        } else if (how == "holding") {
            c->core->activelyHolding = true;
            emit c->core->activelyHoldingChanged(true);
            c->core->activelyHolding = false;
            emit c->core->activelyHoldingChanged(false);
        } else {
            QVERIFY(s.tap("cookbookLockButton"));
        }
        // The shell hides the cookbook, and shows it again at the next visit.
        root->setProperty("visible", false);
        root->setProperty("visible", true);
        QCOMPARE(root->property("locked").toBool(), locked);
        // Leaving alone is no exit from the program mode.
        QCOMPARE(exited.size(), locked ? 1 : 0);
        QVERIFY(s.tap("cookbookAdd"));
        QCOMPARE(bool(s.item("productEditor")), !locked);
    }

    void actionsFollowTheLock_data()
    {
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<bool>("holding");
        QTest::addColumn<bool>("usable"); // delete, edit and add
        QTest::newRow("locked") << false << false << false;
        QTest::newRow("unlocked") << true << false << true;
        QTest::newRow("unlocked, then holding") << true << true << false;
        QTest::newRow("locked, holding") << false << true << false;
    }
    // Delete, edit and add look and act as they will: greyed and inert while locked or
    // while a slot holds; the padlock shows which.
    void actionsFollowTheLock()
    {
        QFETCH(bool, unlocked);
        QFETCH(bool, holding);
        QFETCH(bool, usable);
        QVERIFY(show());
        if (unlocked)
            unlock();
        if (holding) {
            c->core->activelyHolding = true;
            emit c->core->activelyHoldingChanged(true);
        }
        for (const char *name : {"cookbookDelete", "cookbookEdit", "cookbookAdd"}) {
            QVERIFY2(s.item(name), name);
            QVERIFY2(s.item(name)->isEnabled() == usable, name);
        }
        QCOMPARE(s.item("cookbookLockIcon")->property("locked").toBool(), s.root()->property("locked").toBool());
        QVERIFY(s.tap("cookbookAdd"));
        QCOMPARE(bool(s.item("productEditor")), usable);
    }

    // Customer 3 edits products only on the primary display with the setting on; where it
    // cannot, the products tab says why in place of the buttons, and groups stay editable.
    void productEditingOffSaysWhy_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<bool>("master");
        QTest::addColumn<bool>("editEnabled");
        QTest::addColumn<QString>("reason"); // empty: the buttons show
        QTest::newRow("customer 3, setting off") << 3 << true << false << "Product editing is turned off for this cabinet.";
        QTest::newRow("customer 3, other display") << 3 << false << true << "Products can be edited on the primary display only.";
        QTest::newRow("customer 3, setting on") << 3 << true << true << "";
        QTest::newRow("customer 0, other display") << 0 << false << false << "";
    }
    void productEditingOffSaysWhy()
    {
        QFETCH(int, customer);
        QFETCH(bool, master);
        QFETCH(bool, editEnabled);
        QFETCH(QString, reason);
        c->core->customerId = customer;
        c->core->iAmMaster = master;
        c->config->set_productsEditEnabled(editEnabled);
        QVERIFY(show());
        QQuickItem *said = s.item("cookbookEditReason");
        QCOMPARE(said ? said->property("text").toString() : QString(), reason);
        QCOMPARE(!!s.item("cookbookAdd"), reason.isEmpty());
        QCOMPARE(!!s.item("cookbookEdit"), reason.isEmpty());
        QVERIFY(s.tap("tab_groups"));
        QCOMPARE(s.root()->property("tab").toString(), QStringLiteral("groups"));
        QVERIFY(!s.item("cookbookEditReason"));
        QVERIFY(s.item("cookbookAdd"));
    }

    void wrongPinStaysOnThePad_data()
    {
        QTest::addColumn<int>("wrong");
        QTest::addColumn<bool>("padOpen");
        QTest::addColumn<QString>("message"); // in the pad's field, or the dialog's
        QTest::newRow("one wrong") << 1 << true << "ERROR";
        QTest::newRow("five wrong") << 5 << true << "ERROR";
        QTest::newRow("six wrong") << 6 << false << "Too many failed attempts.\nCall service.";
    }
    void wrongPinStaysOnThePad()
    {
        QFETCH(int, wrong);
        QFETCH(bool, padOpen);
        QFETCH(QString, message);
        QVERIFY(show());
        QVERIFY(s.tap("cookbookLockButton"));
        for (int i = 0; i < wrong; ++i) {
            QVERIFY(s.setText("pinPadField", "1111"));
            QTest::keyClick(s.view.data(), Qt::Key_Return);
        }
        QVERIFY(s.root()->property("locked").toBool());
        QCOMPARE(bool(s.item("cookbookPin")), padOpen);
        QCOMPARE(padOpen ? s.item("pinPadMessage")->property("text").toString() : dialogText(), message);
    }

    void emptyListSaysSo_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("emptied");
        QTest::addColumn<QString>("said");
        QTest::newRow("groups") << "groups" << false << "";
        QTest::newRow("no groups") << "groups" << true << "No groups yet.";
        QTest::newRow("products") << "products" << false << "";
        QTest::newRow("no products") << "products" << true << "No products yet.";
    }
    void emptyListSaysSo()
    {
        QFETCH(QString, tab);
        QFETCH(bool, emptied);
        QFETCH(QString, said);
        QVERIFY(show());
        if (!emptied && tab == "groups" && m->getGroupEditRowCount() == 0)
            m->groupEditAddProduct(m->addNewEditGroup(), 0);
        if (emptied) {
            while (m->getGroupEditRowCount() > 0)
                m->deleteGroupFromEdit(0);
            if (tab == "products") {
                while (m->getProductEditRowCount() > 0)
                    m->deleteProductFromEdit(0);
            }
        }
        QMetaObject::invokeMethod(s.root(), "recount");
        QVERIFY(s.tap("tab_" + tab));
        QQuickItem *empty = s.item("listRowEmpty");
        QCOMPARE(bool(empty), !said.isEmpty());
        if (empty)
            QCOMPARE(empty->property("text").toString(), said);
    }

    void dayPartBinsAreFingerSized_data()
    {
        QTest::addColumn<int>("zonesPerRow");
        QTest::newRow("five rows of one zone") << 1;
        QTest::newRow("three rows of two zones") << 2;
    }
    void dayPartBinsAreFingerSized()
    {
        QFETCH(int, zonesPerRow);
        c->core->zonesPerRow = zonesPerRow;
        QVERIFY(show());
        QVERIFY(s.tap("tab_dayparts"));
        s.visibleOnly = false;
        QList<QQuickItem *> bins;
        const std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
            if (item->objectName().startsWith(QLatin1String("bin_2_")) && item->property("visible").toBool())
                bins << item;
            for (QQuickItem *child : item->childItems())
                collect(child);
        };
        collect(s.view->contentItem());
        QVERIFY(!bins.isEmpty());
        for (QQuickItem *bin : bins)
            QVERIFY2(bin->height() >= 56 && bin->width() >= 56, qPrintable(bin->objectName()));
    }

    void editorNamesTheInputLanguage_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("language"); // as the language list names it
        QTest::newRow("English") << 0 << "eng_USA" << "English(US)";
        QTest::newRow("German") << 5 << "deu" << "Deutsch";
    }
    // The name field says which language's name is typed, by the language's own name,
    // not by its file code.
    void editorNamesTheInputLanguage()
    {
        QFETCH(int, id);
        QFETCH(QString, code);
        QFETCH(QString, language);
        c->translator->setLanguage(id);
        QVERIFY(show());
        unlock();
        QVERIFY(s.tap("cookbookAdd"));
        QQuickItem *label = s.item("nameLanguageLabel");
        QVERIFY(label);
        const QString text = label->property("text").toString();
        QVERIFY2(text.endsWith(QStringLiteral(" (") + language + QLatin1Char(')')), qPrintable(text));
        QVERIFY2(!text.contains(code), qPrintable(text));
    }

    void hundredItemsAreTheLimit()
    {
        QVERIFY(show());
        unlock();
        while (m->getProductEditRowCount() + m->getGroupEditRowCount() < 99)
            m->saveProductEdit(0, {"Filler"}, 1800, 300, 180, 180, 300, "None", "Normal", "1/4", 100, "#fffffd");
        QMetaObject::invokeMethod(s.root(), "recount");
        QVERIFY(s.tap("cookbookAdd"));
        QVERIFY(s.item("productEditor"));
        QVERIFY(s.tap("productEditorCancel"));
        m->addNewEditGroup();
        QMetaObject::invokeMethod(s.root(), "recount");
        QVERIFY(s.tap("cookbookAdd"));
        QVERIFY(!s.item("productEditor"));
        QCOMPARE(dialogText(), "Max products/groups reached. Can't add new products/groups!");
    }

    void holdingLocksAndDropsTheEdits()
    {
        QVERIFY(show());
        QObject *root = s.root();
        QSignalSpy closed(root, SIGNAL(closed()));
        QSignalSpy notice(root, SIGNAL(notice(QString)));
        unlock();
        QVERIFY(s.tap("cookbookDelete"));
        QVERIFY(s.tap("cookbookDialogYes"));
        QVERIFY(root->property("unsaved").toBool());
        c->core->activelyHolding = true;
        emit c->core->activelyHoldingChanged(true);
        QVERIFY(root->property("locked").toBool());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(notice.size(), 1);
        // Locked while holding: the lock asks for no PIN.
        QVERIFY(s.tap("cookbookLockButton"));
        QVERIFY(!s.item("cookbookPin"));
        QCOMPARE(dialogText(), "Product Editing Unavailable<br>while timers are active!");
    }

    // A group never stays empty: deleting its sole member takes it along, and a new
    // group without members is cancelled.
    void groupsNeverStayEmpty()
    {
        QVERIFY(show());
        unlock();
        const int groups = m->getGroupEditRowCount();
        const int id = m->saveProductEdit(0, {"AAA Only"}, 1800, 300, 180, 180, 300, "None", "Normal", "1/4", 100, "#fffffd");
        m->sortProductEditModel();
        const int row = m->getProductEditIndex(id);
        for (int g = 0; g < 2; ++g)
            m->groupEditAddProduct(m->addNewEditGroup(), row);
        QMetaObject::invokeMethod(s.root(), "recount");
        QVERIFY(s.tapRow("cookbookList", "listRow", row));
        QVERIFY(s.tap("cookbookDelete"));
        QVERIFY(s.tap("cookbookDialogYes"));
        QCOMPARE(m->getGroupEditRowCount(), groups);
        QCOMPARE(dialogText(), "Empty groups are deleted");
    }
    void newGroupWithoutMembersIsCancelled()
    {
        QVERIFY(show());
        unlock();
        const int groups = m->getGroupEditRowCount();
        QVERIFY(s.tap("tab_groups"));
        QVERIFY(s.tap("cookbookAdd"));
        QCOMPARE(m->getGroupEditRowCount(), groups + 1);
        QVERIFY(s.tap("groupEditorAccept"));
        QCOMPARE(dialogText(), "No products added to the group!");
        QVERIFY(s.tap("cookbookDialogYes"));
        QCOMPARE(m->getGroupEditRowCount(), groups);
        QVERIFY(!s.item("groupEditor"));
    }

    void productGroupAndBinAreSaved()
    {
        QVERIFY(show());
        unlock();
        // A product with the temperatures of product 13, which shares the zones of day part 2.
        const int neighbour = m->getProductIndex(13);
        QVERIFY(s.tap("cookbookAdd"));
        QVERIFY(s.setText("nameField", "Zucchini"));
        QVERIFY(s.setText("upperTempField", m->getProductUpperTemp(neighbour).toString()));
        QVERIFY(s.setText("lowerTempField", m->getProductLowerTemp(neighbour).toString()));
        QVERIFY(s.tap("productEditorAccept"));
        QCOMPARE(dialogText(), QString());
        const int id = m->getProductEditId(m->getProductEditRowCount() - 1).toInt();
        const int row = m->getProductEditIndex(id);
        QCOMPARE(m->getProductEditName(row).toString(), "Zucchini");

        // In a new group.
        QVERIFY(s.tap("tab_groups"));
        QVERIFY(s.tap("cookbookAdd"));
        QVERIFY(s.setText("groupNameField", "Vegetables"));
        QVERIFY(s.tapRow("groupProductList", "groupProduct", row));
        QVERIFY(s.tap("groupAddMember"));
        QVERIFY(s.tap("groupEditorAccept"));
        QVERIFY(!s.item("groupEditor"));
        const int groupRow = m->getGroupEditRowCount() - 1;
        QCOMPARE(m->getGroupEditName(groupRow).toString(), "Vegetables");
        QCOMPARE(m->getGroupEditGroupPList(groupRow).toStringList(), QStringList{QString::number(id)});

        // In bin 0 of zone 0 of day part 2, the second page.
        QVERIFY(s.tap("tab_dayparts"));
        QTRY_VERIFY(s.tap("nextPage0"));
        QTRY_VERIFY(s.item("bin_2_0_0"));
        QVERIFY(s.tap("bin_2_0_0"));
        int pick = -1;
        for (int r = 0; r < m->dayPartsEditModel()->rowCount(); ++r)
            pick = m->dayPartModelGetId(r).toInt() == id ? r : pick;
        QVERIFY(s.tapRow("assignList", "assignRow", pick));
        QVERIFY(s.tap("assignAccept"));
        QCOMPARE(c->dayParts->dayPartEditGetProductId(2, 0, 0), id);

        // Saved on the way out.
        QVERIFY(s.tap("cookbookReturn"));
        QCOMPARE(dialogText(), "Save changes?");
        QSignalSpy closed(s.root(), SIGNAL(closed()));
        QVERIFY(s.tap("cookbookDialogYes"));
        QCOMPARE(closed.size(), 1);
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(m, "menuSaveChain")));
        QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(c->dayParts, "dayPartsSaveChain")));
        // Both files went to the other display, each with its reload message.
        const QStringList sent = c->core->sentNames();
        QVERIFY2(sent.contains("sendOvUpdateProducts") && sent.contains("sendOvUpdateDayparts"),
                 qPrintable(sent.join(' ')));
        // What the other display loads from them.
        MenuManager mirrorMenu;
        DayPartManager mirrorDayParts(5, 4, &mirrorMenu, nullptr);
        mirrorMenu.menuLoadJsonDocFile();
        mirrorDayParts.dayPartsLoadJsonDocFile();
        QCOMPARE(mirrorMenu.getProductName(0, id).toString(), "Zucchini");
        QCOMPARE(mirrorDayParts.dayPartGetProductId(2, 0, 0), id);
    }
};

QTEST_MAIN(TestCookbookScreens)
#include "tst_cookbookscreens.moc"
