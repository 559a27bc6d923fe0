#ifndef BININFO_H
#define BININFO_H

#include <QObject>

// One heater channel of the IO board as the rest of the cabinet sees it: the set point
// written to the board, the last temperature read from it and the fan target kept with it.
// The bin number is the heater channel (0..19), also the number of its temperature probe.
class BinInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int binNumber READ get_binNumber CONSTANT)
    Q_PROPERTY(int targetTemp READ get_targetTemp WRITE set_targetTemp NOTIFY targetTempChanged)
    Q_PROPERTY(int actualTemp READ get_actualTemp WRITE set_actualTemp NOTIFY actualTempChanged)
    Q_PROPERTY(int fanTarget READ get_fanTarget WRITE set_fanTarget NOTIFY fanTargetChanged)

public:
    explicit BinInfo(int binNumber, QObject *parent = nullptr);

    int get_binNumber() const { return m_binNumber; }
    int get_targetTemp() const { return m_targetTemp; }
    int get_actualTemp() const { return m_actualTemp; }
    int get_fanTarget() const { return m_fanTarget; }

public slots:
    void set_targetTemp(int degrees);
    void set_actualTemp(int degrees);
    void set_fanTarget(int percent);

signals:
    void targetTempChanged(int degrees);
    void actualTempChanged(int degrees);
    void fanTargetChanged(int percent);

private:
    const int m_binNumber;
    int m_targetTemp = 0;
    int m_actualTemp = 0;
    int m_fanTarget = 0;
};

#endif // BININFO_H
