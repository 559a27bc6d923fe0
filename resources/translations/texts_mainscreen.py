# Texts of the main screen's cabinet map: bin state words and the zone fault banner
# (see generate_ts.py and README.md).


def t(spa, fra, deu, ita, nld, pol, por, rus, ara, kor, zh_cn, jpn, **regional):
    """One text in the twelve languages that have their own; spa_mx/fra_ca as keywords."""
    texts = dict(spa=spa, fra=fra, deu=deu, ita=ita, nld=nld, pol=pol, por=por, rus=rus,
                 ara=ara, kor=kor, zh_cn=zh_cn, jpn=jpn)
    texts.update(regional)
    return texts


MESSAGES = {
    "BinItem": {
        "FAULT": t("FALLA", "DÉFAUT", "STÖRUNG", "GUASTO", "STORING", "AWARIA", "FALHA", "СБОЙ",
                   "عطل", "고장", "故障", "故障"),
        "WARNING": t("AVISO", "ALERTE", "WARNUNG", "AVVISO", "WAARSCHUWING", "UWAGA", "AVISO",
                     "ВНИМАНИЕ", "تحذير", "경고", "警告", "警告"),
    },
    "CabinetView": {
        "Zone %1: temperature probe open. Call service.": t(
            "Zona %1: sonda de temperatura abierta. Llame al servicio técnico.",
            "Zone %1 : sonde de température ouverte. Appelez le service technique.",
            "Zone %1: Temperaturfühler offen. Kundendienst rufen.",
            "Zona %1: sonda di temperatura aperta. Chiamare l'assistenza.",
            "Zone %1: temperatuursensor open. Bel de service.",
            "Strefa %1: czujnik temperatury rozwarty. Wezwij serwis.",
            "Zona %1: sonda de temperatura aberta. Chame a assistência técnica.",
            "Зона %1: обрыв датчика температуры. Вызовите сервис.",
            "المنطقة %1: مسبار الحرارة مفتوح. اتصل بالصيانة.",
            "구역 %1: 온도 센서 단선. 서비스를 요청하세요.",
            "区域 %1：温度探头开路。请联系维修。",
            "ゾーン %1：温度センサー断線。サービスに連絡してください。"),
        "Zone %1: temperature probe shorted. Call service.": t(
            "Zona %1: sonda de temperatura en cortocircuito. Llame al servicio técnico.",
            "Zone %1 : sonde de température en court-circuit. Appelez le service technique.",
            "Zone %1: Temperaturfühler kurzgeschlossen. Kundendienst rufen.",
            "Zona %1: sonda di temperatura in cortocircuito. Chiamare l'assistenza.",
            "Zone %1: temperatuursensor kortgesloten. Bel de service.",
            "Strefa %1: zwarcie czujnika temperatury. Wezwij serwis.",
            "Zona %1: sonda de temperatura em curto-circuito. Chame a assistência técnica.",
            "Зона %1: короткое замыкание датчика температуры. Вызовите сервис.",
            "المنطقة %1: دائرة قصر في مسبار الحرارة. اتصل بالصيانة.",
            "구역 %1: 온도 센서 단락. 서비스를 요청하세요.",
            "区域 %1：温度探头短路。请联系维修。",
            "ゾーン %1：温度センサー短絡。サービスに連絡してください。"),
        "Zone %1: heater over temperature. Call service.": t(
            "Zona %1: calentador con temperatura excesiva. Llame al servicio técnico.",
            "Zone %1 : surchauffe de l'élément chauffant. Appelez le service technique.",
            "Zone %1: Heizung überhitzt. Kundendienst rufen.",
            "Zona %1: riscaldatore in sovratemperatura. Chiamare l'assistenza.",
            "Zone %1: verwarming te heet. Bel de service.",
            "Strefa %1: przegrzanie grzałki. Wezwij serwis.",
            "Zona %1: aquecedor superaquecido. Chame a assistência técnica.",
            "Зона %1: перегрев нагревателя. Вызовите сервис.",
            "المنطقة %1: ارتفاع حرارة السخان. اتصل بالصيانة.",
            "구역 %1: 히터 과열. 서비스를 요청하세요.",
            "区域 %1：加热器温度过高。请联系维修。",
            "ゾーン %1：ヒーター過熱。サービスに連絡してください。"),
    },
}
