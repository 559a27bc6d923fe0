#include "languagemodel.h"

#include "cabinetcore.h"
#include "languageitem.h"
#include "translator.h"

#include <QFile>

namespace {
enum { CUSTOMER_ID_TANDOR = 2, CUSTOMER_ID_QRB = 3, CUSTOMER_ID_HALVO = 5 };
}

LanguageModel::LanguageModel(Translator *translator)
    : QObject(translator), m_translator(translator)
{
    setup();
}

LanguageModel::~LanguageModel()
{
    clearItems();
}

QList<QObject *> LanguageModel::languageList() const
{
    QList<QObject *> list;
    list.reserve(m_languageList.size());
    for (LanguageItem *item : m_languageList)
        list.append(item);
    return list;
}

bool LanguageModel::offeredTo(int customerId, int languageId)
{
    if (customerId == CUSTOMER_ID_QRB || customerId == CUSTOMER_ID_TANDOR)
        return languageId <= Translator::LANGUAGE_ID_FRA;
    if (customerId == CUSTOMER_ID_HALVO)
        return languageId <= Translator::LANGUAGE_ID_SPA;
    return true;
}

void LanguageModel::setup()
{
    clearItems();
    if (!m_translator)
        return;
    const CabinetCore *core = CabinetCore::of(m_translator);
    const int customerId = core ? core->get_customerId() : 0;
    for (int id = 0; id < Translator::languageCount; ++id) {
        if (!offeredTo(customerId, id))
            continue;
        const bool available = QFile::exists(m_translator->getLanguageFile(id) + QStringLiteral(".qm"));
        m_languageList.append(new LanguageItem(m_translator->getLanguageName(id), id, available));
    }
    emit changed();
}

void LanguageModel::clearItems()
{
    qDeleteAll(m_languageList);
    m_languageList.clear();
}
