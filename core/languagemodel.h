#ifndef LANGUAGEMODEL_H
#define LANGUAGEMODEL_H

#include <QList>
#include <QObject>

class LanguageItem;
class Translator;

// The languages this cabinet's customer may use, for the language page. Built once.
class LanguageModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> languageList READ languageList NOTIFY changed)

public:
    explicit LanguageModel(Translator *translator);
    ~LanguageModel() override;

    QList<QObject *> languageList() const;
    QList<LanguageItem *> getLanguageItems() const { return m_languageList; }

signals:
    void changed();

private:
    void setup();
    void clearItems();
    static bool offeredTo(int customerId, int languageId);

    Translator *m_translator;
    QList<LanguageItem *> m_languageList;
};

#endif // LANGUAGEMODEL_H
