# Texts of the shell: dock, service page tabs, dialogs, Errors Log, Day-Parts page and
# start-up status (see generate_ts.py and README.md).


def t(spa, fra, deu, ita, nld, pol, por, rus, ara, kor, zh_cn, jpn, **regional):
    """One text in the twelve languages that have their own; spa_mx/fra_ca as keywords."""
    texts = dict(spa=spa, fra=fra, deu=deu, ita=ita, nld=nld, pol=pol, por=por, rus=rus,
                 ara=ara, kor=kor, zh_cn=zh_cn, jpn=jpn)
    texts.update(regional)
    return texts


CANCEL = t("Cancelar", "Annuler", "Abbrechen", "Annulla", "Annuleren", "Anuluj", "Cancelar",
           "Отмена", "إلغاء", "취소", "取消", "キャンセル")
ACCEPT = t("Aceptar", "Accepter", "Übernehmen", "Accetta", "Accepteren", "Akceptuj", "Aceitar",
           "Принять", "قبول", "적용", "确定", "適用")
CLOSE = t("Cerrar", "Fermer", "Schließen", "Chiudi", "Sluiten", "Zamknij", "Fechar", "Закрыть",
          "إغلاق", "닫기", "关闭", "閉じる")
DAY_PARTS = t("Turnos", "Services", "Tageszeiten", "Fasce orarie", "Dagdelen", "Pory dnia",
              "Turnos", "Части дня", "فترات اليوم", "시간대", "时段", "時間帯")
ERRORS_LOG = t("Registro de errores", "Journal des erreurs", "Fehlerprotokoll", "Registro errori",
               "Foutenlogboek", "Dziennik błędów", "Registro de erros", "Журнал ошибок",
               "سجل الأخطاء", "오류 기록", "错误日志", "エラー履歴")

MESSAGES = {
    "Dock": {
        "Home": t("Inicio", "Accueil", "Start", "Home", "Start", "Start", "Início", "Главная",
                  "الرئيسية", "홈", "主页", "ホーム"),
        "Settings": t("Ajustes", "Réglages", "Einstellungen", "Impostazioni", "Instellingen",
                      "Ustawienia", "Configurações", "Настройки", "الإعدادات", "설정", "设置",
                      "設定"),
        "Day Part": t("Turno", "Service", "Tageszeit", "Fascia oraria", "Dagdeel", "Pora dnia",
                      "Turno", "Часть дня", "فترة اليوم", "시간대", "时段", "時間帯"),
    },
    "ServicePages": {
        "Preferences": t("Preferencias", "Préférences", "Einstellungen", "Preferenze",
                         "Voorkeuren", "Preferencje", "Preferências", "Параметры", "التفضيلات",
                         "환경설정", "偏好设置", "環境設定"),
        "Language": t("Idioma", "Langue", "Sprache", "Lingua", "Taal", "Język", "Idioma", "Язык",
                      "اللغة", "언어", "语言", "言語"),
        "Day-Parts": DAY_PARTS,
        "Errors Log": ERRORS_LOG,
        "Utilities": t("Utilidades", "Utilitaires", "Werkzeuge", "Utilità", "Hulpmiddelen",
                       "Narzędzia", "Utilitários", "Сервис", "الأدوات", "유틸리티", "实用工具",
                       "ユーティリティ"),
    },
    "SimpleDialog": {"Close": CLOSE},
    "NoticePanel": {"Close": CLOSE},
    "FirstStartPanel": {
        "This cabinet is not configured yet.": t(
            "Este gabinete aún no está configurado.", "Cette armoire n'est pas encore configurée.",
            "Dieser Schrank ist noch nicht eingerichtet.", "Questo armadio non è ancora configurato.",
            "Deze kast is nog niet ingesteld.", "Ta szafa nie jest jeszcze skonfigurowana.",
            "Este gabinete ainda não está configurado.", "Этот шкаф ещё не настроен.",
            "لم يتم إعداد هذه الخزانة بعد.", "이 캐비닛은 아직 설정되지 않았습니다.",
            "此柜体尚未配置。", "このキャビネットはまだ設定されていません。"),
    },
    "main": {
        "Copying firmware update files...<br>DO NOT unplug USB or power off the unit": t(
            "Copiando archivos de actualización del firmware...<br>NO desconecte el USB ni apague la unidad",
            "Copie des fichiers de mise à jour du micrologiciel...<br>NE débranchez PAS la clé USB et n'éteignez PAS l'appareil",
            "Firmware-Updatedateien werden kopiert...<br>USB-Stick NICHT abziehen und Gerät NICHT ausschalten",
            "Copia dei file di aggiornamento del firmware...<br>NON scollegare l'USB e NON spegnere l'unità",
            "Firmware-updatebestanden worden gekopieerd...<br>Koppel de USB NIET los en schakel het apparaat NIET uit",
            "Kopiowanie plików aktualizacji oprogramowania...<br>NIE odłączaj USB i NIE wyłączaj urządzenia",
            "Copiando arquivos de atualização do firmware...<br>NÃO desconecte o USB nem desligue a unidade",
            "Копирование файлов обновления прошивки...<br>НЕ извлекайте USB и НЕ выключайте устройство",
            "جارٍ نسخ ملفات تحديث البرنامج الثابت...<br>لا تفصل USB ولا تطفئ الجهاز",
            "펌웨어 업데이트 파일을 복사하는 중...<br>USB를 분리하거나 전원을 끄지 마십시오",
            "正在复制固件更新文件...<br>请勿拔出 USB 或关闭设备电源",
            "ファームウェア更新ファイルをコピーしています...<br>USB を抜いたり電源を切ったりしないでください"),
    },
    "MasterSync": {
        "Synchronizing displays": t(
            "Sincronizando pantallas", "Synchronisation des écrans", "Anzeigen werden synchronisiert",
            "Sincronizzazione dei display", "Schermen worden gesynchroniseerd",
            "Synchronizacja wyświetlaczy", "Sincronizando telas", "Синхронизация дисплеев",
            "جارٍ مزامنة الشاشات", "디스플레이 동기화 중", "正在同步显示屏", "ディスプレイを同期中"),
    },
    "DaypartsToUsePanel": {"Day-Parts": DAY_PARTS, "Cancel": CANCEL, "Accept": ACCEPT},
    "ErrorLogPanel": {
        "Errors Log": ERRORS_LOG,
        "Date/Time": t("Fecha/Hora", "Date/Heure", "Datum/Uhrzeit", "Data/Ora", "Datum/Tijd",
                       "Data/Godzina", "Data/Hora", "Дата/время", "التاريخ/الوقت", "날짜/시간",
                       "日期/时间", "日付/時刻"),
        "ID": t("ID", "ID", "ID", "ID", "ID", "ID", "ID", "Код", "الرمز", "코드", "代码", "コード"),
        "Error name": t("Error", "Erreur", "Fehler", "Errore", "Fout", "Błąd", "Erro", "Ошибка",
                        "الخطأ", "오류", "错误", "エラー"),
        "Number of records: ": t(
            "Número de registros: ", "Nombre d'enregistrements : ", "Anzahl der Einträge: ",
            "Numero di record: ", "Aantal records: ", "Liczba wpisów: ", "Número de registros: ",
            "Число записей: ", "عدد السجلات: ", "기록 수: ", "记录数：", "記録数："),
        "First record: ": t(
            "Primer registro: ", "Premier enregistrement : ", "Erster Eintrag: ", "Primo record: ",
            "Eerste record: ", "Pierwszy wpis: ", "Primeiro registro: ", "Первая запись: ",
            "أول سجل: ", "첫 기록: ", "第一条记录：", "最初の記録："),
        "Last record: ": t(
            "Último registro: ", "Dernier enregistrement : ", "Letzter Eintrag: ", "Ultimo record: ",
            "Laatste record: ", "Ostatni wpis: ", "Último registro: ", "Последняя запись: ",
            "آخر سجل: ", "마지막 기록: ", "最后一条记录：", "最後の記録："),
        "Clear All": t("Borrar todo", "Tout effacer", "Alle löschen", "Cancella tutto",
                       "Alles wissen", "Wyczyść wszystko", "Apagar tudo", "Очистить всё",
                       "مسح الكل", "모두 지우기", "全部清除", "すべて消去"),
        "Refresh": t("Actualizar", "Actualiser", "Aktualisieren", "Aggiorna", "Vernieuwen",
                     "Odśwież", "Atualizar", "Обновить", "تحديث", "새로 고침", "刷新", "更新"),
        "Clearing All Error Logs": t(
            "Borrando todos los registros de errores", "Effacement de tous les journaux d'erreurs",
            "Alle Fehlerprotokolle werden gelöscht", "Cancellazione di tutti i registri errori",
            "Alle foutenlogboeken wissen", "Usuwanie wszystkich dzienników błędów",
            "Apagando todos os registros de erros", "Удаление всех журналов ошибок",
            "مسح جميع سجلات الأخطاء", "모든 오류 기록 지우기", "清除所有错误日志",
            "すべてのエラー履歴を消去"),
        "Continue or Cancel": t(
            "Continuar o cancelar", "Continuer ou annuler", "Fortfahren oder abbrechen",
            "Continuare o annullare", "Doorgaan of annuleren", "Kontynuuj lub anuluj",
            "Continuar ou cancelar", "Продолжить или отменить", "متابعة أو إلغاء",
            "계속 또는 취소", "继续或取消", "続行またはキャンセル"),
        "Continue": t("Continuar", "Continuer", "Fortfahren", "Continua", "Doorgaan", "Kontynuuj",
                      "Continuar", "Продолжить", "متابعة", "계속", "继续", "続行"),
        "Cancel": CANCEL,
    },
    "ExportErrorLogButton": {
        "Export Error Log": t(
            "Exportar registro de errores", "Exporter le journal des erreurs",
            "Fehlerprotokoll exportieren", "Esporta registro errori", "Foutenlogboek exporteren",
            "Eksportuj dziennik błędów", "Exportar registro de erros", "Экспорт журнала ошибок",
            "تصدير سجل الأخطاء", "오류 기록 내보내기", "导出错误日志", "エラー履歴をエクスポート"),
        "The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.": t(
            "No se pudo escribir el registro de errores en %1. Compruebe que la unidad USB esté conectada y no esté llena, y vuelva a intentarlo.",
            "Impossible d'écrire le journal des erreurs dans %1. Vérifiez que la clé USB est branchée et n'est pas pleine, puis réessayez.",
            "Das Fehlerprotokoll konnte nicht nach %1 geschrieben werden. Prüfen Sie, ob der USB-Stick eingesteckt und nicht voll ist, und versuchen Sie es erneut.",
            "Impossibile scrivere il registro errori in %1. Verificare che l'unità USB sia collegata e non piena, quindi riprovare.",
            "Het foutenlogboek kon niet naar %1 worden geschreven. Controleer of de USB-stick is aangesloten en niet vol is en probeer het opnieuw.",
            "Nie można zapisać dziennika błędów w %1. Sprawdź, czy pamięć USB jest podłączona i nie jest pełna, i spróbuj ponownie.",
            "Não foi possível gravar o registro de erros em %1. Verifique se a unidade USB está conectada e não está cheia e tente novamente.",
            "Не удалось записать журнал ошибок в %1. Проверьте, что USB-накопитель подключён и не заполнен, и повторите попытку.",
            "تعذّر حفظ سجل الأخطاء في %1. تأكد من توصيل ذاكرة USB وأنها غير ممتلئة، ثم أعد المحاولة.",
            "오류 기록을 %1에 저장할 수 없습니다. USB 드라이브가 연결되어 있고 가득 차지 않았는지 확인한 후 다시 시도하십시오.",
            "无法将错误日志写入 %1。请检查 U 盘已插好且未满，然后重试。",
            "エラー履歴を %1 に書き込めませんでした。USB ドライブが接続され、空き容量があることを確認してから、もう一度お試しください。"),
        "Close": CLOSE,
    },
}
