# Texts on the keys of the on-screen keyboard (see generate_ts.py).
MESSAGES = {
    "KeyboardAlpha": {
        # The space bar.
        "Space": dict(spa="Espacio", fra="Espace", deu="Leerzeichen", ita="Spazio", nld="Spatie",
                      pol="Spacja", por="Espaço", rus="Пробел", ara="مسافة", kor="스페이스",
                      zh_cn="空格", jpn="スペース"),
        # The key that leaves the symbols for the letters of the language.
        "ABC": dict(spa="ABC", fra="ABC", deu="ABC", ita="ABC", nld="ABC", pol="ABC", por="ABC",
                    rus="АБВ", ara="أبج", kor="가나다", zh_cn="拼音", jpn="かな"),
    },
}
