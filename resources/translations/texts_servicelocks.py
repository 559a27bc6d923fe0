# Why a service page's lock cannot be opened on this cabinet or display.
MESSAGES = {
    "ServiceCarousel": {
        "The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.": dict(
            spa="La conexión a la nube (LuMo) configura el Wi-Fi de este gabinete.",
            fra="La connexion au nuage (LuMo) configure le Wi-Fi de cette armoire.",
            deu="Die Cloud-Verbindung (LuMo) richtet das WLAN dieses Schranks ein.",
            ita="La connessione cloud (LuMo) configura il Wi-Fi di questo armadio.",
            nld="De cloudverbinding (LuMo) stelt de wifi van deze kast in.",
            pol="Połączenie z chmurą (LuMo) konfiguruje Wi-Fi tej szafy.",
            por="A ligação à nuvem (LuMo) configura o Wi-Fi deste armário.",
            rus="Wi-Fi этого шкафа настраивает облачное подключение (LuMo).",
            ara="يضبط الاتصال السحابي (LuMo) شبكة Wi-Fi لهذه الخزانة.",
            kor="이 캐비닛의 Wi-Fi는 클라우드 연결(LuMo)이 설정합니다.",
            zh_cn="此柜的 Wi-Fi 由云连接 (LuMo) 设置。",
            jpn="このキャビネットの Wi-Fi はクラウド接続 (LuMo) が設定します。"),
        "This page can be unlocked on the primary display only.": dict(
            spa="Esta página solo se puede desbloquear en la pantalla principal.",
            fra="Cette page ne peut être déverrouillée que sur l'écran principal.",
            deu="Diese Seite kann nur am Hauptdisplay entsperrt werden.",
            ita="Questa pagina può essere sbloccata solo sul display principale.",
            nld="Deze pagina kan alleen op het hoofdscherm worden ontgrendeld.",
            pol="Tę stronę można odblokować tylko na głównym wyświetlaczu.",
            por="Esta página só pode ser desbloqueada no ecrã principal.",
            rus="Эту страницу можно разблокировать только на основном дисплее.",
            ara="لا يمكن فتح قفل هذه الصفحة إلا على الشاشة الرئيسية.",
            kor="이 페이지는 주 디스플레이에서만 잠금 해제할 수 있습니다.",
            zh_cn="此页面只能在主显示屏上解锁。",
            jpn="このページはメインディスプレイでのみロック解除できます。"),
    },
}
