#include "languageitem.h"

LanguageItem::LanguageItem(const QString &name, int id, bool available, QObject *parent)
    : QObject(parent), m_name(name), m_id(id), m_isAvailable(available)
{
}

void LanguageItem::setAvailable(bool available)
{
    m_isAvailable = available;
    emit changed();
}
