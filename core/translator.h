#ifndef TRANSLATOR_H
#define TRANSLATOR_H

#include <QObject>
#include <QString>
#include <QTranslator>

// One row of the fixed language table; the row index is the language id, which is also
// the index into every per-language name list (products, groups, day parts).
struct LanguageInfo
{
    const char *displayName; // UTF-8
    const char *fileBaseName;
    const char *code;
};

// Owns the one message catalogue installed into the application and switches it at run
// time. Everyone who shows translated text follows its signals.
class Translator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString emptyStr READ getEmptyString NOTIFY languageChanged)
    Q_PROPERTY(QString languageIdString READ get_languageIdString WRITE set_languageIdString
                   NOTIFY languageIdStringChanged)
    Q_PROPERTY(int languageId READ languageId WRITE set_languageId NOTIFY languageIdChanged)

public:
    enum LanguageId_enum {
        LANGUAGE_ID_ENG = 0,
        LANGUAGE_ID_SPA,
        LANGUAGE_ID_FRA,
        LANGUAGE_ID_SPA_MX,
        LANGUAGE_ID_FRA_CA,
        LANGUAGE_ID_DEU,
        LANGUAGE_ID_ITA,
        LANGUAGE_ID_NDL,
        LANGUAGE_ID_POL,
        LANGUAGE_ID_POR,
        LANGUAGE_ID_RUS,
        LANGUAGE_ID_ARA,
        LANGUAGE_ID_KOR,
        LANGUAGE_ID_ZH_CN,
        LANGUAGE_ID_JPN,
        LANGUAGE_ID_MAX
    };
    Q_ENUM(LanguageId_enum)

    static constexpr int languageCount = LANGUAGE_ID_MAX;
    static const LanguageInfo gLanguageFiles[languageCount];

    explicit Translator(QObject *parent = nullptr);
    ~Translator() override;

    // The id of a language code, or -1 when the code is not in the table.
    static int indexOfCode(const QString &code);
    static bool isValidId(int id) { return unsigned(id) < unsigned(languageCount); }
    // The font that draws a language's script; the shell's theme selects the same.
    static QString fontFamily(int id);
    // While held, a language switch leaves the application font alone; the release sets
    // the font of the language then current, once. The shell holds it until its first
    // frame is on the screen, so that start-up does not resolve a font twice.
    void holdApplicationFont();
    void releaseApplicationFont();

public slots:
    int getNumOfAllLanguages() const { return languageCount; }
    int getNumOfUsedLanguages() const { return languageCount; }
    int getLanguage() const { return m_languageId; }
    int languageId() const { return m_languageId; }
    void set_languageId(int id);

    void setLanguage(int languageID);
    void setLanguageByString(const QString &languageString);

    QString getLanguageName(int id) const;
    int getLanguageId(const QString &code) const;
    QString getLanguageIdString(int id) const;
    QString getLanguageFile(int id) const;
    QString getEmptyString() const { return QString(); }

    QString get_languageIdString() const { return m_languageIdString; }
    void set_languageIdString(const QString &code);

signals:
    void languageChanged(int languageId);
    void retranslate();
    void languageIdStringChanged(QString value);
    void languageIdChanged(int languageId);

private:
    void applyFont(int id);

    QTranslator translator;
    bool m_fontHeld = false;
    int m_languageId = -1;
    QString m_languageIdString;
};

#endif // TRANSLATOR_H
