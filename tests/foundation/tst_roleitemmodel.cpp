#include "roleitemmodel.h"

#include <QtTest>

class TestRoleItemModel : public QObject
{
    Q_OBJECT

private slots:
    // Rows handed to the screens by role name, in the chosen order; nothing outside.
    void rowsByRoleName()
    {
        const QHash<int, QByteArray> roles{{Qt::UserRole + 1, "id"}, {Qt::UserRole + 2, "name"}};
        RoleItemModel model(roles);
        QCOMPARE(model.roleNames(), roles);
        for (auto [id, name] : {std::pair{3, "Patty"}, {1, "Nuggets"}, {2, "Fries"}}) {
            auto *item = new QStandardItem;
            item->setData(id, Qt::UserRole + 1);
            item->setData(name, Qt::UserRole + 2);
            model.appendRow(item);
        }
        QCOMPARE(RoleItemModel::getModelData(&model, 1), QVariantMap({{"id", 1}, {"name", "Nuggets"}}));
        model.setSortRole(Qt::UserRole + 2);
        model.sort(0);
        QCOMPARE(RoleItemModel::getModelData(&model, 0).value("id").toInt(), 2);
        QCOMPARE(RoleItemModel::getModelData(&model, 2).value("id").toInt(), 3);
        QVERIFY(RoleItemModel::getModelData(&model, -1).isEmpty());
        QVERIFY(RoleItemModel::getModelData(&model, 3).isEmpty());
        QVERIFY(RoleItemModel::getModelData(nullptr, 0).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRoleItemModel)
#include "tst_roleitemmodel.moc"
