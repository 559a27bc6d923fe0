#ifndef ROLEITEMMODEL_H
#define ROLEITEMMODEL_H

#include <QHash>
#include <QStandardItemModel>
#include <QVariantMap>

// A standard item model whose role names are fixed at construction, so that QML
// delegates can address the roles by name. Rows are single items in column 0.
class RoleItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit RoleItemModel(const QHash<int, QByteArray> &roleNames, QObject *parent = nullptr);

    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

    // One row as a map from role name to value; empty for a missing model or row.
    static QVariantMap getModelData(const QAbstractItemModel *model, int row);

private:
    QHash<int, QByteArray> m_roleNames;
};

#endif // ROLEITEMMODEL_H
