#!/usr/bin/env python3
"""Writes the 15 catalogues tultr_<code>.ts from the message table below.

Run it after adding texts to the table; lrelease turns the files into the ".qm"
catalogues of the resource tree at build time. A language without a text for a
message shows the English source text. English itself carries every source text,
so its catalogue is never empty.
"""
import os
from xml.sax.saxutils import escape

CODES = ["eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld", "pol", "por",
         "rus", "ara", "kor", "zh_cn", "jpn"]
LOCALES = {"eng_USA": "en_US", "spa": "es", "fra": "fr", "spa_mx": "es_MX", "fra_ca": "fr_CA",
           "deu": "de", "ita": "it", "nld": "nl", "pol": "pl", "por": "pt", "rus": "ru",
           "ara": "ar", "kor": "ko", "zh_cn": "zh_CN", "jpn": "ja"}
# spa_mx and fra_ca take the texts of spa and fra unless they have their own.
FALLBACK = {"spa_mx": "spa", "fra_ca": "fra"}

# context -> source text -> {code: translation}
COMMON = {
    "Cancel": dict(spa="Cancelar", fra="Annuler", deu="Abbrechen", ita="Annulla", nld="Annuleren",
                   pol="Anuluj", por="Cancelar", rus="Отмена", ara="إلغاء", kor="취소", zh_cn="取消",
                   jpn="キャンセル"),
    "Save": dict(spa="Guardar", fra="Enregistrer", deu="Speichern", ita="Salva", nld="Opslaan",
                 pol="Zapisz", por="Salvar", rus="Сохранить", ara="حفظ", kor="저장", zh_cn="保存",
                 jpn="保存"),
    "Accept": dict(spa="Aceptar", fra="Accepter", deu="Übernehmen", ita="Accetta", nld="Accepteren",
                   pol="Akceptuj", por="Aceitar", rus="Принять", ara="قبول", kor="적용", zh_cn="确定",
                   jpn="適用"),
}
PREFERENCES = {
    "Use first": {},
    "Split view": {},
    "Group dots": {},
    "Label font size": dict(spa="Tamaño de letra", fra="Taille du texte", deu="Schriftgröße",
                            ita="Dimensione carattere", nld="Lettergrootte", pol="Rozmiar czcionki",
                            por="Tamanho da fonte", rus="Размер шрифта", ara="حجم الخط",
                            kor="글꼴 크기", zh_cn="字体大小", jpn="文字サイズ"),
    "Individual day parts": {},
    "Sound level": dict(spa="Volumen", fra="Volume sonore", deu="Lautstärke", ita="Volume",
                        nld="Geluidsniveau", pol="Głośność", por="Volume", rus="Громкость",
                        ara="مستوى الصوت", kor="음량", zh_cn="音量", jpn="音量"),
    "Temperature unit": dict(spa="Unidad de temperatura", fra="Unité de température",
                             deu="Temperatureinheit", ita="Unità di temperatura",
                             nld="Temperatuureenheid", pol="Jednostka temperatury",
                             por="Unidade de temperatura", rus="Единица температуры",
                             ara="وحدة الحرارة", kor="온도 단위", zh_cn="温度单位", jpn="温度単位"),
    "Screen cleaning": dict(spa="Limpieza de pantalla", fra="Nettoyage de l'écran",
                            deu="Bildschirmreinigung", ita="Pulizia dello schermo",
                            nld="Schermreiniging", pol="Czyszczenie ekranu", por="Limpeza da tela",
                            rus="Очистка экрана", ara="تنظيف الشاشة", kor="화면 청소",
                            zh_cn="屏幕清洁", jpn="画面清掃"),
    "Never": dict(spa="Nunca", fra="Jamais", deu="Nie", ita="Mai", nld="Nooit", pol="Nigdy",
                  por="Nunca", rus="Никогда", ara="أبداً", kor="안 함", zh_cn="从不", jpn="しない"),
    "Every": dict(spa="Cada", fra="Toutes les", deu="Alle", ita="Ogni", nld="Elke", pol="Co",
                  por="A cada", rus="Каждые", ara="كل", kor="매", zh_cn="每", jpn="毎"),
    "minutes": dict(spa="minutos", fra="minutes", deu="Minuten", ita="minuti", nld="minuten",
                    pol="minut", por="minutos", rus="минут", ara="دقائق", kor="분", zh_cn="分钟",
                    jpn="分"),
    "Invalid time value": dict(spa="Valor de tiempo no válido", fra="Valeur de temps non valide",
                               deu="Ungültiger Zeitwert", ita="Valore di tempo non valido",
                               nld="Ongeldige tijdwaarde", pol="Nieprawidłowa wartość czasu",
                               por="Valor de tempo inválido", rus="Недопустимое значение времени",
                               ara="قيمة وقت غير صالحة", kor="잘못된 시간 값", zh_cn="无效的时间值",
                               jpn="無効な時間値"),
    "Timer colors": {},
    "Advanced zone options": {},
    "Universal pan sounds": {},
    "Discard sound": {},
    "Continuous": dict(spa="Continuo", fra="Continu", deu="Dauerhaft", ita="Continuo",
                       nld="Doorlopend", pol="Ciągły", por="Contínuo", rus="Непрерывно",
                       ara="مستمر", kor="연속", zh_cn="连续", jpn="連続"),
    "Duration": dict(spa="Duración", fra="Durée", deu="Dauer", ita="Durata", nld="Duur",
                     pol="Czas trwania", por="Duração", rus="Длительность", ara="المدة",
                     kor="지속 시간", zh_cn="持续时间", jpn="時間"),
    "Cancel": COMMON["Cancel"],
    "Save": COMMON["Save"],
}
MESSAGES = {
    "ConfigurationManager": {
        "Reserve Cabinet #%1": {},
        "Point-of-Use Cabinet #%1": {},
        "Name Not Set": dict(spa="Nombre no definido", fra="Nom non défini",
                             deu="Name nicht festgelegt", ita="Nome non impostato",
                             nld="Naam niet ingesteld", pol="Nazwa nieustawiona",
                             por="Nome não definido", rus="Имя не задано",
                             ara="لم يتم تعيين الاسم", kor="이름 미설정", zh_cn="未设置名称",
                             jpn="名前未設定"),
    },
    "PreferencesPage": PREFERENCES,
    "LanguagePage": {"Cancel": COMMON["Cancel"], "Accept": COMMON["Accept"]},
}


def translation(code, source, texts):
    if code == "eng_USA":
        return source
    return texts.get(code) or texts.get(FALLBACK.get(code, ""))


def write_catalogue(folder, code):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{LOCALES[code]}">']
    for context, messages in MESSAGES.items():
        lines += ["<context>", f"    <name>{context}</name>"]
        for source, texts in messages.items():
            text = translation(code, source, texts)
            lines += ["    <message>", f"        <source>{escape(source)}</source>"]
            if text:
                lines.append(f"        <translation>{escape(text)}</translation>")
            else:
                lines.append('        <translation type="unfinished"></translation>')
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    with open(os.path.join(folder, f"tultr_{code}.ts"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for code in CODES:
        write_catalogue(here, code)
