# Texts of the Utilities page's screenshot action and platform information (see generate_ts.py).
PLATFORM_INFO = dict(spa="Información de la plataforma", fra="Infos plateforme",
                     deu="Plattforminfo", ita="Info piattaforma", nld="Platforminfo",
                     pol="Informacje o platformie", por="Informações da plataforma",
                     rus="Сведения о платформе", ara="معلومات المنصة", kor="플랫폼 정보",
                     zh_cn="平台信息", jpn="プラットフォーム情報")

MESSAGES = {
    "ScreenshotButton": {
        "Take Screenshot": dict(spa="Capturar pantalla", fra="Capture d'écran",
                                deu="Bildschirmfoto", ita="Cattura schermata",
                                nld="Schermafbeelding maken", pol="Zrzut ekranu",
                                por="Capturar tela", rus="Снимок экрана", ara="التقاط الشاشة",
                                kor="화면 캡처", zh_cn="截屏", jpn="画面キャプチャ"),
    },
    "PlatformInfoButton": {
        "Platform Info": PLATFORM_INFO,
    },
    "PlatformInfoDialog": {
        "Platform Info": PLATFORM_INFO,
        "Close": dict(spa="Cerrar", fra="Fermer", deu="Schließen", ita="Chiudi", nld="Sluiten",
                      pol="Zamknij", por="Fechar", rus="Закрыть", ara="إغلاق", kor="닫기",
                      zh_cn="关闭", jpn="閉じる"),
    },
}
