#ifndef ERRORINFOMODEL_H
#define ERRORINFOMODEL_H

#include "errorlogrecords.h"

#include <QAbstractListModel>
#include <QList>
#include <QMetaType>
#include <QString>

#include <shared_mutex>


// The rows of the error log. The worker fills its own model on its thread; the facade's
// model, read by QML, is refreshed on the GUI thread by copying the worker's rows under
// the worker model's read lock, while the worker's writers hold its write lock.
class ErrorInfoModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles { DateRole = 257, TimeRole, CodesRole, DescRole, ZoneRole };

    explicit ErrorInfoModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // A copy of the rows, taken under the read lock (it shares their memory).
    ErrorLogRecords snapshot() const;
    // Replaces all rows by `records`, as updateModel does.
    void updateRecords(const ErrorLogRecords &records);

public slots:
    QHash<int, QByteArray> roleNames() const override;
    // Column 0 date, 1 time, 2 codes, 3 desc; invalid outside the rows or columns.
    QVariant getData(int index, int column) const;
    void clear();
    void addErrorInfo(const ErrorInfo &info);
    void updateModel(const QList<ErrorInfo> &rows);
    void updateFromModel(ErrorInfoModel *other);

private:
    void replaceRows(const ErrorLogRecords &rows);

    ErrorLogRecords m_rows;
    mutable std::shared_mutex m_lock; // non-recursive read-write lock over m_rows
};

#endif // ERRORINFOMODEL_H
