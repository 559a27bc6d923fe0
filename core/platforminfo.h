#ifndef PLATFORMINFO_H
#define PLATFORMINFO_H

#include <QObject>
#include <QString>

// Tells the service staff which kernel and which board support package the device
// runs (the "Platform Info" dialog of the utilities page).
class PlatformInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString osKernel READ get_osKernel WRITE set_osKernel NOTIFY osKernelChanged)
    Q_PROPERTY(QString bspInfo READ get_bspInfo WRITE set_bspInfo NOTIFY bspInfoChanged)

public:
    explicit PlatformInfo(QObject *parent = nullptr);

    // The kernel query waits this long to start and again to finish.
    static constexpr int kKernelQueryTimeoutMs = 30000;
    // A board support file is a few lines of versions; a larger one is not shown.
    static constexpr qint64 kMaxBspFileBytes = 64 * 1024;
    // A file's bytes as the dialog shows them.
    static QString dialogText(const QByteArray &bytes);

public slots:
    QString get_osKernel() const { return m_osKernel; }
    QString get_bspInfo() const { return m_bspInfo; }
    void set_osKernel(const QString &osKernel);
    void set_bspInfo(const QString &bspInfo);

    // Both block the calling thread; the dialog calls them once per tap.
    void getOsKernelInformation();
    void getBSPverInformation();

signals:
    void osKernelChanged(QString osKernel);
    void bspInfoChanged(QString bspInfo);

private:
    static QString lastBspEntry(const QString &dir);

    QString m_osKernel;
    QString m_bspInfo;
};

#endif // PLATFORMINFO_H
