# Texts of the screens that say a save failed and nothing was changed (see generate_ts.py
# and README.md).

NOTHING_CHANGED = dict(
    spa="No se pudieron guardar los ajustes.<br>No se cambió nada.",
    fra="Les réglages n'ont pas pu être enregistrés.<br>Rien n'a été modifié.",
    deu="Die Einstellungen konnten nicht gespeichert werden.<br>Es wurde nichts geändert.",
    ita="Impossibile salvare le impostazioni.<br>Non è stato modificato nulla.",
    nld="De instellingen konden niet worden opgeslagen.<br>Er is niets gewijzigd.",
    pol="Nie udało się zapisać ustawień.<br>Nic nie zmieniono.",
    por="Não foi possível salvar as configurações.<br>Nada foi alterado.",
    rus="Не удалось сохранить настройки.<br>Ничего не изменено.",
    ara="تعذّر حفظ الإعدادات.<br>لم يتم تغيير أي شيء.",
    kor="설정을 저장하지 못했습니다.<br>변경된 내용이 없습니다.",
    zh_cn="无法保存设置。<br>未做任何更改。",
    jpn="設定を保存できませんでした。<br>何も変更されていません。")

MESSAGES = {
    "PreferencesPage": {
        "The settings could not be saved.<br>Nothing was changed.": NOTHING_CHANGED,
    },
    "LanguagePage": {
        "The settings could not be saved.<br>Nothing was changed.": NOTHING_CHANGED,
    },
    "SerialModelNumbersDialog": {
        "The settings could not be saved.<br>Nothing was changed.": NOTHING_CHANGED,
    },
    "FirstStartFlow": {
        "The settings could not be saved.<br>Nothing was changed.": NOTHING_CHANGED,
    },
    "PasswordPage": {
        "The new PIN# could not be saved.<br>The old PIN# still applies.": dict(
            spa="No se pudo guardar el nuevo PIN#.<br>El PIN# anterior sigue vigente.",
            fra="Le nouveau NIP# n'a pas pu être enregistré.<br>L'ancien NIP# reste valide.",
            deu="Die neue PIN# konnte nicht gespeichert werden.<br>Die alte PIN# gilt weiter.",
            ita="Impossibile salvare il nuovo PIN#.<br>Il vecchio PIN# resta valido.",
            nld="De nieuwe PIN# kon niet worden opgeslagen.<br>De oude PIN# blijft geldig.",
            pol="Nie udało się zapisać nowego PIN#.<br>Obowiązuje dotychczasowy PIN#.",
            por="Não foi possível salvar o novo PIN#.<br>O PIN# antigo continua válido.",
            rus="Не удалось сохранить новый PIN#.<br>Действует прежний PIN#.",
            ara="تعذّر حفظ رمز PIN# الجديد.<br>يظل رمز PIN# القديم ساريًا.",
            kor="새 PIN#을 저장하지 못했습니다.<br>이전 PIN#이 계속 적용됩니다.",
            zh_cn="无法保存新的 PIN 码#。<br>旧的 PIN 码# 仍然有效。",
            jpn="新しい PIN# を保存できませんでした。<br>以前の PIN# が引き続き有効です。"),
    },
    "ServiceCarousel": {
        "Manager's PIN# could not be reset.<br>The old PIN# still applies.": dict(
            spa="No se pudo restablecer el PIN# del gerente.<br>El PIN# anterior sigue vigente.",
            fra="Le NIP# du gérant n'a pas pu être réinitialisé.<br>L'ancien NIP# reste valide.",
            deu="Die Manager-PIN# konnte nicht zurückgesetzt werden.<br>Die alte PIN# gilt weiter.",
            ita="Impossibile ripristinare il PIN# del responsabile.<br>Il vecchio PIN# resta valido.",
            nld="De PIN# van de manager kon niet worden hersteld.<br>De oude PIN# blijft geldig.",
            pol="Nie udało się zresetować PIN# kierownika.<br>Obowiązuje dotychczasowy PIN#.",
            por="Não foi possível repor o PIN# do gerente.<br>O PIN# antigo continua válido.",
            rus="Не удалось сбросить PIN# менеджера.<br>Действует прежний PIN#.",
            ara="تعذّرت إعادة تعيين رمز PIN# الخاص بالمدير.<br>يظل رمز PIN# القديم ساريًا.",
            kor="관리자 PIN#을 재설정하지 못했습니다.<br>이전 PIN#이 계속 적용됩니다.",
            zh_cn="无法重置经理 PIN 码#。<br>旧的 PIN 码# 仍然有效。",
            jpn="マネージャーの PIN# をリセットできませんでした。<br>以前の PIN# が引き続き有効です。"),
    },
}
