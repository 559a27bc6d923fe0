# Texts of a display that is not the master: where it sends the cook for what only the
# master keeps (see generate_ts.py).

MESSAGES = {
    "ErrorLogPanel": {
        "The cabinet's complete Errors Log is kept on the primary display.": dict(
            spa="El registro de errores completo del gabinete se guarda en la pantalla principal.",
            fra="Le journal des erreurs complet de l'armoire est conservé sur l'écran principal.",
            deu="Das vollständige Fehlerprotokoll des Schranks wird am Hauptdisplay geführt.",
            ita="Il registro errori completo dell'armadio è conservato sul display principale.",
            nld="Het volledige foutenlogboek van de kast staat op het hoofdscherm.",
            pol="Pełny dziennik błędów szafy jest przechowywany na głównym wyświetlaczu.",
            por="O registro de erros completo do gabinete fica no visor principal.",
            rus="Полный журнал ошибок шкафа хранится на основном дисплее.",
            ara="يُحفظ سجل الأخطاء الكامل للخزانة على الشاشة الرئيسية.",
            kor="캐비닛의 전체 오류 기록은 기본 디스플레이에 보관됩니다.",
            zh_cn="此柜的完整错误日志保存在主显示屏上。",
            jpn="キャビネットの完全なエラー履歴はメインディスプレイに保存されています。"),
    },
}
