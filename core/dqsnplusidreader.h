#ifndef DQSNPLUSIDREADER_H
#define DQSNPLUSIDREADER_H

#include <QObject>

// Holds the display id and the connector (orientation) id that start-up takes as its
// default layout when the command line names none. Both stay 0 on this hardware.
class DqsnPlusIDReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int displayId READ get_displayId WRITE set_displayId NOTIFY displayIdChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)

public:
    explicit DqsnPlusIDReader(QObject *parent = nullptr);

public slots:
    int get_displayId() const { return m_displayId; }
    int get_orientationId() const { return m_orientationId; }
    // Both setters announce the value even when it is unchanged.
    void set_displayId(int displayId);
    void set_orientationId(int orientationId);

signals:
    void displayIdChanged(int displayId);
    void orientationIdChanged(int orientationId);

private:
    int m_displayId = 0;
    int m_orientationId = 0;
};

#endif // DQSNPLUSIDREADER_H
