# Texts of the "Files Import/Export" panel and of the update list's locks (see
# generate_ts.py).

LOCK = dict(spa="Bloquear", fra="Verrouiller", deu="Sperren", ita="Blocca", nld="Vergrendelen",
            pol="Zablokuj", por="Bloquear", rus="Заблокировать", ara="قفل", kor="잠금",
            zh_cn="锁定", jpn="ロック")
UNLOCK = dict(spa="Desbloquear", fra="Déverrouiller", deu="Entsperren", ita="Sblocca",
              nld="Ontgrendelen", pol="Odblokuj", por="Desbloquear", rus="Разблокировать",
              ara="فتح القفل", kor="잠금 해제", zh_cn="解锁", jpn="ロック解除")
ERROR = dict(spa="ERROR", fra="ERREUR", deu="FEHLER", ita="ERRORE", nld="FOUT", pol="BŁĄD",
             por="ERRO", rus="ОШИБКА", ara="خطأ", kor="오류", zh_cn="错误", jpn="エラー")
PIN = dict(spa="PIN #", fra="NIP #", deu="PIN #", ita="PIN #", nld="PIN #", pol="PIN #", por="PIN #",
           rus="PIN-код #", ara="رمز PIN #", kor="PIN #", zh_cn="PIN 码 #", jpn="PIN #")
TOO_MANY = dict(
    spa="Demasiados intentos fallidos.\nLlame al servicio técnico.",
    fra="Trop de tentatives échouées.\nAppelez le service technique.",
    deu="Zu viele Fehlversuche.\nRufen Sie den Kundendienst.",
    ita="Troppi tentativi falliti.\nChiamare l'assistenza.",
    nld="Te veel mislukte pogingen.\nBel de service.",
    pol="Zbyt wiele nieudanych prób.\nWezwij serwis.",
    por="Demasiadas tentativas falhadas.\nChame a assistência.",
    rus="Слишком много неудачных попыток.\nВызовите сервисную службу.",
    ara="محاولات فاشلة كثيرة جداً.\nاتصل بالصيانة.",
    kor="실패한 시도가 너무 많습니다.\n서비스에 문의하십시오.",
    zh_cn="失败次数过多。\n请联系维修服务。",
    jpn="失敗が多すぎます。\nサービスに連絡してください。")

MESSAGES = {
    "UtilitiesPage": {
        "Files Import/Export": dict(
            spa="Importar/exportar archivos", fra="Import/export de fichiers",
            deu="Dateien importieren/exportieren", ita="Importa/esporta file",
            nld="Bestanden importeren/exporteren", pol="Import/eksport plików",
            por="Importar/exportar arquivos", rus="Импорт/экспорт файлов",
            ara="استيراد/تصدير الملفات", kor="파일 가져오기/내보내기", zh_cn="文件导入/导出",
            jpn="ファイルの取り込み/書き出し"),
    },
    "FilesImportExportPanel": {
        "Menu Update": dict(spa="Actualizar menú", fra="Mise à jour du menu",
                            deu="Menü-Update", ita="Aggiorna menu", nld="Menu bijwerken",
                            pol="Aktualizacja menu", por="Atualizar menu", rus="Обновление меню",
                            ara="تحديث القائمة", kor="메뉴 업데이트", zh_cn="菜单更新",
                            jpn="メニュー更新"),
        "Menu Export": dict(spa="Exportar menú", fra="Export du menu", deu="Menü-Export",
                            ita="Esporta menu", nld="Menu exporteren", pol="Eksport menu",
                            por="Exportar menu", rus="Экспорт меню", ara="تصدير القائمة",
                            kor="메뉴 내보내기", zh_cn="菜单导出", jpn="メニュー書き出し"),
    },
    "UpdateItemLock": {"Lock": LOCK, "Unlock": UNLOCK},
    "UpdatesListView": {
        "Too many failed attempts.\nCall service.": TOO_MANY,
        "PIN #": PIN,
        "ERROR": ERROR,
    },
}
