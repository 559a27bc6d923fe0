#ifndef ERRORRECORD_H
#define ERRORRECORD_H

#include <QDateTime>
#include <QObject>
#include <QString>

// One error quadruple (main code, sub codes 1 to 3) with its text and time. In a row of
// the definitions table a sub code of -1 matches any value. The setters always emit.
class ErrorRecord : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString description READ get_description WRITE set_description NOTIFY descriptionChanged)
    Q_PROPERTY(int mainCode READ get_mainCode WRITE set_mainCode NOTIFY mainCodeChanged)
    Q_PROPERTY(int subCode1 READ get_subCode1 WRITE set_subCode1 NOTIFY subCode1Changed)
    Q_PROPERTY(int subCode2 READ get_subCode2 WRITE set_subCode2 NOTIFY subCode2Changed)
    Q_PROPERTY(int subCode3 READ get_subCode3 WRITE set_subCode3 NOTIFY subCode3Changed)
    Q_PROPERTY(QDateTime timestamp READ get_timestamp WRITE set_timestamp NOTIFY timestampChanged)

public:
    explicit ErrorRecord(QObject *parent = nullptr);
    ErrorRecord(int mainCode, int subCode1, int subCode2, int subCode3,
                const QString &description, QObject *parent = nullptr);

    // Copies the description, the codes and the time; identity and parent stay.
    ErrorRecord &operator=(const ErrorRecord &other);

    // The four codes in decimal joined by ".", e.g. "2.0.3.0".
    QString codesJoined() const;
    bool sameCodes(const ErrorRecord &other) const;

    QString get_description() const { return m_description; }
    int get_mainCode() const { return m_mainCode; }
    int get_subCode1() const { return m_subCode1; }
    int get_subCode2() const { return m_subCode2; }
    int get_subCode3() const { return m_subCode3; }
    QDateTime get_timestamp() const { return m_timestamp; }

public slots:
    void set_description(const QString &value);
    void set_mainCode(int value);
    void set_subCode1(int value);
    void set_subCode2(int value);
    void set_subCode3(int value);
    void set_timestamp(const QDateTime &value);
    void setCodes(int mainCode, int subCode1, int subCode2, int subCode3);

signals:
    void descriptionChanged(QString value);
    void mainCodeChanged(int value);
    void subCode1Changed(int value);
    void subCode2Changed(int value);
    void subCode3Changed(int value);
    void timestampChanged(QDateTime value);

private:
    QString m_description = QStringLiteral("undefined");
    int m_mainCode = -1;
    int m_subCode1 = -1;
    int m_subCode2 = -1;
    int m_subCode3 = -1;
    QDateTime m_timestamp;
};

#endif // ERRORRECORD_H
