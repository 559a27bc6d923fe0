#include "translator.h"
#include "corelog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFont>
#include <QGuiApplication>

const LanguageInfo Translator::gLanguageFiles[Translator::languageCount] = {
    {"English(US)", "tultr_eng_USA", "eng_USA"},
    {"Espa\xc3\xb1ol", "tultr_spa", "spa"},
    {"Fran\xc3\xa7" "ais", "tultr_fra", "fra"},
    {"Espa\xc3\xb1ol(MX)", "tultr_spa_mx", "spa_mx"},
    {"Fran\xc3\xa7" "ais(CA)", "tultr_fra_ca", "fra_ca"},
    {"Deutsch", "tultr_deu", "deu"},
    {"Italiano", "tultr_ita", "ita"},
    {"Nederlands", "tultr_nld", "nld"},
    {"Polski", "tultr_pol", "pol"},
    {"Portugu\xc3\xaas", "tultr_por", "por"},
    // A Latin capital P followed by Cyrillic letters, as the cabinets have always shown it.
    {"P\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9", "tultr_rus", "rus"},
    {"\xd8\xb9\xd8\xb1\xd8\xa8\xd9\x8a", "tultr_ara", "ara"},
    {"\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4", "tultr_kor", "kor"},
    {"\xe4\xb8\xad\xe6\x96\x87", "tultr_zh_cn", "zh_cn"},
    {"\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", "tultr_jpn", "jpn"},
};

Translator::Translator(QObject *parent) : QObject(parent)
{
    // Installed from the start, empty, so that every later switch only swaps its content.
    QCoreApplication::installTranslator(&translator);
}

Translator::~Translator()
{
    QCoreApplication::removeTranslator(&translator);
}

int Translator::indexOfCode(const QString &code)
{
    for (int id = 0; id < languageCount; ++id) {
        if (code == QLatin1String(gLanguageFiles[id].code))
            return id;
    }
    return -1;
}

void Translator::set_languageId(int id)
{
    if (id == m_languageId)
        return;
    m_languageId = id;
    emit languageIdChanged(id);
}

void Translator::setLanguage(int languageID)
{
    if (!isValidId(languageID) || languageID == m_languageId)
        return;
    QCoreApplication::removeTranslator(&translator);
    const QString file = getLanguageFile(languageID);
    if (!translator.load(file))
        qCDebug(lcCore) << "Failed to load TS file:" << file;
    QCoreApplication::installTranslator(&translator);
    if (!m_fontHeld)
        applyFont(languageID);
    // This order closes the loop with the settings store: it takes the code last and,
    // when the code is new to it, calls back with the id that is already current.
    set_languageId(languageID);
    emit languageChanged(languageID);
    emit retranslate();
    set_languageIdString(QString::fromLatin1(gLanguageFiles[languageID].code));
}

void Translator::holdApplicationFont()
{
    m_fontHeld = true;
}

void Translator::releaseApplicationFont()
{
    if (!m_fontHeld)
        return;
    m_fontHeld = false;
    applyFont(m_languageId);
}

// Plain texts take the application font: it must draw the language's script itself, not
// through whatever fallback font happens to be installed. Setting the font it already
// has would only make every text resolve its font again.
void Translator::applyFont(int id)
{
    if (!isValidId(id) || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QFont font = QGuiApplication::font();
    const QString family = fontFamily(id);
    if (font.family() == family)
        return;
    font.setFamily(family);
    QGuiApplication::setFont(font);
}

void Translator::setLanguageByString(const QString &languageString)
{
    const int id = indexOfCode(languageString);
    if (id >= 0)
        setLanguage(id);
}

QString Translator::fontFamily(int id)
{
    // Chinese and Japanese share code points but not glyph shapes: each has its font.
    // Arabic texts carry Latin words and signs, which DejaVu Sans draws as well.
    switch (id) {
    case LANGUAGE_ID_KOR: return QStringLiteral("Noto Sans CJK KR");
    case LANGUAGE_ID_ZH_CN: return QStringLiteral("Noto Sans CJK SC");
    case LANGUAGE_ID_JPN: return QStringLiteral("Noto Sans CJK JP");
    default: return QStringLiteral("DejaVu Sans");
    }
}

QString Translator::getLanguageName(int id) const
{
    return isValidId(id) ? QString::fromUtf8(gLanguageFiles[id].displayName) : QString();
}

int Translator::getLanguageId(const QString &code) const
{
    const int id = indexOfCode(code);
    return id >= 0 ? id : LANGUAGE_ID_ENG;
}

QString Translator::getLanguageIdString(int id) const
{
    return isValidId(id) ? QString::fromLatin1(gLanguageFiles[id].code) : QString();
}

QString Translator::getLanguageFile(int id) const
{
    return isValidId(id) ? QStringLiteral(":/") + QLatin1String(gLanguageFiles[id].fileBaseName)
                         : QString();
}

void Translator::set_languageIdString(const QString &code)
{
    m_languageIdString = code;
    emit languageIdStringChanged(code);
}
