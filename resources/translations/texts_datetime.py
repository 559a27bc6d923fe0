# Texts of the Date and Time and Cabinet Names service pages (see generate_ts.py).

CANCEL = dict(spa="Cancelar", fra="Annuler", deu="Abbrechen", ita="Annulla", nld="Annuleren",
              pol="Anuluj", por="Cancelar", rus="Отмена", ara="إلغاء", kor="취소", zh_cn="取消",
              jpn="キャンセル")
SAVE = dict(spa="Guardar", fra="Enregistrer", deu="Speichern", ita="Salva", nld="Opslaan",
            pol="Zapisz", por="Salvar", rus="Сохранить", ara="حفظ", kor="저장", zh_cn="保存",
            jpn="保存")
NOT_SAVED = dict(
    spa="No se pudo guardar la configuración.<br>Solo se aplica hasta que se reinicie el gabinete.",
    fra="Les réglages n'ont pas pu être enregistrés.<br>Ils ne s'appliquent que jusqu'au redémarrage de l'armoire.",
    deu="Die Einstellungen konnten nicht gespeichert werden.<br>Sie gelten nur bis zum Neustart des Schranks.",
    ita="Impossibile salvare le impostazioni.<br>Valgono solo fino al riavvio dell'armadio.",
    nld="De instellingen konden niet worden opgeslagen.<br>Ze gelden alleen tot de kast opnieuw start.",
    pol="Nie udało się zapisać ustawień.<br>Obowiązują tylko do ponownego uruchomienia szafy.",
    por="Não foi possível salvar as configurações.<br>Elas valem apenas até o armário reiniciar.",
    rus="Не удалось сохранить настройки.<br>Они действуют только до перезапуска шкафа.",
    ara="تعذر حفظ الإعدادات.<br>تسري فقط حتى إعادة تشغيل الخزانة.",
    kor="설정을 저장할 수 없습니다.<br>캐비닛을 다시 시작할 때까지만 적용됩니다.",
    zh_cn="无法保存设置。<br>设置仅在柜体重新启动前有效。",
    jpn="設定を保存できませんでした。<br>キャビネットを再起動するまでの間だけ有効です。")
NOT_SAVED_TEXT = "The settings could not be saved.<br>They apply only until the cabinet restarts."

MESSAGES = {
    "DateTimePage": {
        "AM": dict(spa="a. m.", fra="AM", deu="AM", ita="AM", nld="AM", pol="AM", por="AM",
                   rus="AM", ara="ص", kor="오전", zh_cn="上午", jpn="午前"),
        "PM": dict(spa="p. m.", fra="PM", deu="PM", ita="PM", nld="PM", pol="PM", por="PM",
                   rus="PM", ara="م", kor="오후", zh_cn="下午", jpn="午後"),
        "12-hour clock": dict(spa="Reloj de 12 horas", fra="Horloge 12 heures",
                              deu="12-Stunden-Uhr", ita="Orologio a 12 ore", nld="12-uursklok",
                              pol="Zegar 12-godzinny", por="Relógio de 12 horas",
                              rus="12-часовой формат", ara="نظام 12 ساعة", kor="12시간제",
                              zh_cn="12 小时制", jpn="12時間表示"),
        "Daylight saving time": dict(spa="Horario de verano", fra="Heure d'été", deu="Sommerzeit",
                                     ita="Ora legale", nld="Zomertijd", pol="Czas letni",
                                     por="Horário de verão", rus="Летнее время",
                                     ara="التوقيت الصيفي", kor="서머타임", zh_cn="夏令时",
                                     jpn="夏時間"),
        "Network time (NTP)": dict(spa="Hora de red (NTP)", fra="Heure réseau (NTP)",
                                   deu="Netzwerkzeit (NTP)", ita="Ora di rete (NTP)",
                                   nld="Netwerktijd (NTP)", pol="Czas sieciowy (NTP)",
                                   por="Hora da rede (NTP)", rus="Время из сети (NTP)",
                                   ara="وقت الشبكة (NTP)", kor="네트워크 시간(NTP)",
                                   zh_cn="网络时间 (NTP)", jpn="ネットワーク時刻 (NTP)"),
        NOT_SAVED_TEXT: NOT_SAVED,
        "Cancel": CANCEL,
        "Save": SAVE,
    },
    "CabinetNamesPage": {
        "Cabinet number": dict(spa="Número de gabinete", fra="Numéro d'armoire", deu="Schranknummer",
                               ita="Numero armadio", nld="Kastnummer", pol="Numer szafy",
                               por="Número do armário", rus="Номер шкафа", ara="رقم الخزانة",
                               kor="캐비닛 번호", zh_cn="柜体编号", jpn="キャビネット番号"),
        "Shown as": dict(spa="Se muestra como", fra="Affiché comme", deu="Angezeigt als",
                         ita="Visualizzato come", nld="Weergegeven als", pol="Wyświetlane jako",
                         por="Exibido como", rus="Отображается как", ara="يظهر باسم",
                         kor="표시 이름", zh_cn="显示为", jpn="表示名"),
        NOT_SAVED_TEXT: NOT_SAVED,
        "Cancel": CANCEL,
        "Save": SAVE,
    },
}
