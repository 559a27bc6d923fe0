# Texts of the factory end-of-line test on the shell (see generate_ts.py).
MESSAGES = {
    "EolTestLayer": {
        "<b>EOL Address Detection Started</b>": dict(
            spa="<b>Detección de dirección EOL iniciada</b>",
            fra="<b>Détection de l'adresse EOL lancée</b>",
            deu="<b>EOL-Adresserkennung gestartet</b>",
            ita="<b>Rilevamento indirizzo EOL avviato</b>",
            nld="<b>EOL-adresdetectie gestart</b>",
            pol="<b>Rozpoczęto wykrywanie adresu EOL</b>",
            por="<b>Detecção de endereço EOL iniciada</b>",
            rus="<b>Определение адреса EOL запущено</b>",
            ara="<b>بدأ اكتشاف عنوان EOL</b>",
            kor="<b>EOL 주소 감지 시작됨</b>",
            zh_cn="<b>已开始 EOL 地址检测</b>",
            jpn="<b>EOL アドレス検出を開始しました</b>"),
        "Close": dict(spa="Cerrar", fra="Fermer", deu="Schließen", ita="Chiudi", nld="Sluiten",
                      pol="Zamknij", por="Fechar", rus="Закрыть", ara="إغلاق", kor="닫기",
                      zh_cn="关闭", jpn="閉じる"),
    },
}
