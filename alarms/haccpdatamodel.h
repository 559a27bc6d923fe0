#ifndef HACCPDATAMODEL_H
#define HACCPDATAMODEL_H

#include "haccpdata.h"

#include <QAbstractListModel>
#include <QList>

// The HACCP records of the Holding Log screen, newest first, in display form ("MM/dd",
// "HH:mm", "HH:mm" or "----"). Changed on the GUI thread only.
class HaccpDataModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        NameRole = Qt::UserRole + 1, // 257
        DateRole,
        TimeRole,
        DurationRole,
        ExpiredRole,
        BinNumberRole, // 262
    };

    explicit HaccpDataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Q_INVOKABLE QHash<int, QByteArray> roleNames() const override;

    // Columns 0-5 are the roles 257-262 of the row.
    Q_INVOKABLE QVariant getData(int index, int column) const;

    void addHaccpData(const HaccpData &data);
    void clear();
    void updateModel(const QList<HaccpData> &records);

private:
    QVariant value(int row, int role) const;

    QList<HaccpData> m_records;
};

#endif // HACCPDATAMODEL_H
