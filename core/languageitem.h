#ifndef LANGUAGEITEM_H
#define LANGUAGEITEM_H

#include <QObject>
#include <QString>

// One row of the language page: a language this cabinet may offer.
class LanguageItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ getName NOTIFY changed)
    Q_PROPERTY(int id READ getID NOTIFY changed)
    Q_PROPERTY(bool isAvailable READ isAvailable NOTIFY changed)

public:
    LanguageItem(const QString &name, int id, bool available, QObject *parent = nullptr);

public slots:
    QString getName() const { return m_name; }
    int getID() const { return m_id; }
    bool isAvailable() const { return m_isAvailable; }
    void setAvailable(bool available);

signals:
    void changed();

private:
    QString m_name;
    int m_id;
    bool m_isAvailable;
};

#endif // LANGUAGEITEM_H
