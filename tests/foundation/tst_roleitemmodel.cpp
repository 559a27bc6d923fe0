#include "roleitemmodel.h"

#include <QtTest>

class TestRoleItemModel : public QObject
{
    Q_OBJECT

private slots:
    void roleNamesAreTheGivenTable();
    void getModelDataReturnsTheRowByRoleName();
    void getModelDataOutsideTheModelIsEmpty();
    void sortsByTheChosenRole();
};

static QHash<int, QByteArray> roles()
{
    return {{Qt::UserRole + 1, "id"}, {Qt::UserRole + 2, "name"}};
}

static QStandardItem *row(int id, const QString &name)
{
    auto *item = new QStandardItem;
    item->setData(id, Qt::UserRole + 1);
    item->setData(name, Qt::UserRole + 2);
    return item;
}

void TestRoleItemModel::roleNamesAreTheGivenTable()
{
    RoleItemModel model(roles());
    QCOMPARE(model.roleNames(), roles());
}

void TestRoleItemModel::getModelDataReturnsTheRowByRoleName()
{
    RoleItemModel model(roles());
    model.appendRow(row(7, QStringLiteral("Patty")));
    model.appendRow(row(9, QStringLiteral("Nuggets")));
    const QVariantMap data = RoleItemModel::getModelData(&model, 1);
    QCOMPARE(data.size(), 2);
    QCOMPARE(data.value(QStringLiteral("id")).toInt(), 9);
    QCOMPARE(data.value(QStringLiteral("name")).toString(), QStringLiteral("Nuggets"));
}

void TestRoleItemModel::getModelDataOutsideTheModelIsEmpty()
{
    RoleItemModel model(roles());
    model.appendRow(row(1, QStringLiteral("x")));
    QVERIFY(RoleItemModel::getModelData(&model, -1).isEmpty());
    QVERIFY(RoleItemModel::getModelData(&model, 1).isEmpty());
    QVERIFY(RoleItemModel::getModelData(nullptr, 0).isEmpty());
}

void TestRoleItemModel::sortsByTheChosenRole()
{
    RoleItemModel model(roles());
    model.appendRow(row(3, QStringLiteral("c")));
    model.appendRow(row(1, QStringLiteral("a")));
    model.appendRow(row(2, QStringLiteral("b")));
    model.setSortRole(Qt::UserRole + 2);
    model.sort(0);
    QCOMPARE(RoleItemModel::getModelData(&model, 0).value(QStringLiteral("id")).toInt(), 1);
    QCOMPARE(RoleItemModel::getModelData(&model, 2).value(QStringLiteral("id")).toInt(), 3);
}

QTEST_APPLESS_MAIN(TestRoleItemModel)
#include "tst_roleitemmodel.moc"
