#include "errorinfomodel.h"

#include <mutex>

ErrorInfoModel::ErrorInfoModel(QObject *parent)
    : QAbstractListModel(parent)
{
    qRegisterMetaType<ErrorInfo>();
}

int ErrorInfoModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    std::shared_lock<std::shared_mutex> lock(m_lock);
    return m_rows.count();
}

QVariant ErrorInfoModel::data(const QModelIndex &index, int role) const
{
    if (index.parent().isValid() || index.column() != 0)
        return QVariant();
    switch (role) {
    case DateRole: return getData(index.row(), 0);
    case TimeRole: return getData(index.row(), 1);
    case CodesRole: return getData(index.row(), 2);
    case DescRole: return getData(index.row(), 3);
    case ZoneRole: {
        // Not one of the log's four columns: the screen's own addition.
        std::shared_lock<std::shared_mutex> lock(m_lock);
        return index.row() >= 0 && index.row() < m_rows.count() ? QVariant(m_rows.zone(index.row())) : QVariant();
    }
    default: return QVariant();
    }
}

QHash<int, QByteArray> ErrorInfoModel::roleNames() const
{
    return {{DateRole, "date"}, {TimeRole, "time"}, {CodesRole, "codes"}, {DescRole, "desc"}, {ZoneRole, "zone"}};
}

QVariant ErrorInfoModel::getData(int index, int column) const
{
    std::shared_lock<std::shared_mutex> lock(m_lock);
    if (index < 0 || index >= m_rows.count() || column < 0 || column > 3)
        return QVariant();
    return m_rows.column(index, column);
}

ErrorLogRecords ErrorInfoModel::snapshot() const
{
    std::shared_lock<std::shared_mutex> lock(m_lock);
    return m_rows;
}

void ErrorInfoModel::clear()
{
    replaceRows(ErrorLogRecords());
}

void ErrorInfoModel::addErrorInfo(const ErrorInfo &info)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    {
        std::unique_lock<std::shared_mutex> lock(m_lock);
        m_rows.append(info);
    }
    endInsertRows();
}

void ErrorInfoModel::updateModel(const QList<ErrorInfo> &rows)
{
    ErrorLogRecords records;
    for (const ErrorInfo &row : rows)
        records.append(row);
    replaceRows(records);
}

void ErrorInfoModel::updateRecords(const ErrorLogRecords &records)
{
    replaceRows(records);
}

void ErrorInfoModel::replaceRows(const ErrorLogRecords &rows)
{
    const int old = rowCount();
    if (old > 0) {
        beginRemoveRows(QModelIndex(), 0, old - 1);
        {
            std::unique_lock<std::shared_mutex> lock(m_lock);
            m_rows.clear();
        }
        endRemoveRows();
    }
    if (!rows.isEmpty()) {
        beginInsertRows(QModelIndex(), 0, rows.count() - 1);
        {
            std::unique_lock<std::shared_mutex> lock(m_lock);
            m_rows = rows;
        }
        endInsertRows();
    }
}

void ErrorInfoModel::updateFromModel(ErrorInfoModel *other)
{
    if (!other || other == this)
        return;
    beginResetModel();
    {
        std::unique_lock<std::shared_mutex> lock(m_lock);
        m_rows.clear();
    }
    const ErrorLogRecords rows = other->snapshot();
    {
        std::unique_lock<std::shared_mutex> lock(m_lock);
        m_rows = rows;
    }
    endResetModel();
}
