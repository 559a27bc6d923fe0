# Texts of a failed probe on Zone Diagnostics and of the PIN pad's hint (see generate_ts.py).
def T(spa, fra, deu, ita, nld, pol, por, rus, ara, kor, zh_cn, jpn):
    return dict(spa=spa, fra=fra, deu=deu, ita=ita, nld=nld, pol=pol, por=por, rus=rus, ara=ara,
                kor=kor, zh_cn=zh_cn, jpn=jpn)


MESSAGES = {
    "ZoneDiagnosticsPage": {
        # A temperature probe whose circuit is broken, or short-circuited.
        "open": T("abierta", "ouverte", "offen", "aperta", "open", "rozwarta", "aberta", "обрыв",
                  "مفتوح", "개방", "开路", "断線"),
        "shorted": T("en corto", "en court-circuit", "kurzgeschlossen", "in corto", "kortgesloten",
                     "zwarcie", "em curto", "замыкание", "قصر", "단락", "短路", "短絡"),
    },
    "PinPad": {
        "This PIN # is of a lower level: this lock needs a higher level's PIN #.": T(
            "Este PIN # es de un nivel inferior: este bloqueo necesita el PIN # de un nivel superior.",
            "Ce NIP # est d'un niveau inférieur : ce verrou demande le NIP # d'un niveau supérieur.",
            "Diese PIN # hat eine niedrigere Stufe: Diese Sperre braucht die PIN # einer höheren Stufe.",
            "Questo PIN # è di livello inferiore: questo blocco richiede il PIN # di un livello superiore.",
            "Deze PIN # is van een lager niveau: dit slot vraagt de PIN # van een hoger niveau.",
            "Ten PIN # ma niższy poziom: ta blokada wymaga PIN # wyższego poziomu.",
            "Este PIN # é de um nível inferior: este bloqueio precisa do PIN # de um nível superior.",
            "Этот PIN-код # более низкого уровня: для этой блокировки нужен PIN-код # более высокого уровня.",
            "رمز PIN # هذا من مستوى أدنى: يحتاج هذا القفل إلى رمز PIN # من مستوى أعلى.",
            "이 PIN #은 하위 등급입니다. 이 잠금에는 상위 등급의 PIN #이 필요합니다.",
            "此 PIN 码 # 级别较低：此锁需要更高级别的 PIN 码 #。",
            "この PIN # は下位レベルです。このロックには上位レベルの PIN # が必要です。"),
    },
}
