#include "haccpdatamodel.h"

#include "alarmslog.h"

HaccpDataModel::HaccpDataModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int HaccpDataModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

QVariant HaccpDataModel::data(const QModelIndex &index, int role) const
{
    return value(index.row(), role);
}

QHash<int, QByteArray> HaccpDataModel::roleNames() const
{
    return {{NameRole, "name"},         {DateRole, "date"},
            {TimeRole, "time"},         {DurationRole, "duration"},
            {ExpiredRole, "expired"},   {BinNumberRole, "binNumber"}};
}

QVariant HaccpDataModel::getData(int index, int column) const
{
    return value(index, NameRole + column);
}

QVariant HaccpDataModel::value(int row, int role) const
{
    if (row < 0 || row >= m_records.size())
        return {};
    const HaccpData &record = m_records.at(row);
    switch (role) {
    case NameRole: return record.name;
    case DateRole: return record.date;
    case TimeRole: return record.time;
    case DurationRole: return record.duration;
    case ExpiredRole: return record.expired;
    case BinNumberRole: return record.binNumber;
    default:
        qCDebug(lcHaccp).noquote() << "No role selected! --" << role;
        return {};
    }
}

void HaccpDataModel::addHaccpData(const HaccpData &data)
{
    beginInsertRows(QModelIndex(), m_records.size(), m_records.size());
    m_records.append(data);
    endInsertRows();
}

void HaccpDataModel::clear()
{
    if (m_records.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_records.size() - 1);
    m_records.clear();
    endRemoveRows();
}

void HaccpDataModel::updateModel(const QList<HaccpData> &records)
{
    clear();
    if (records.isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, records.size() - 1);
    m_records = records;
    endInsertRows();
}
