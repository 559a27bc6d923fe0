#include "roleitemmodel.h"

RoleItemModel::RoleItemModel(const QHash<int, QByteArray> &roleNames, QObject *parent)
    : QStandardItemModel(parent)
    , m_roleNames(roleNames)
{
}

QVariantMap RoleItemModel::getModelData(const QAbstractItemModel *model, int row)
{
    QVariantMap data;
    if (!model || row < 0 || row >= model->rowCount())
        return data;
    const QModelIndex index = model->index(row, 0);
    const QHash<int, QByteArray> names = model->roleNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        data.insert(QString::fromUtf8(it.value()), index.data(it.key()));
    return data;
}
