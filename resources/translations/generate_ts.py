#!/usr/bin/env python3
"""Writes the 15 catalogues tultr_<code>.ts from the message table below.

Run it after adding texts to the table; every area that adds screens keeps its own
table in a module "texts_<area>.py" beside this file, defining MESSAGES in the same
form, so that areas can add texts without touching each other's tables. lrelease turns the files into the ".qm"
catalogues of the resource tree at build time. A language without a text for a
message shows the English source text. English itself carries every source text,
so its catalogue is never empty.
"""
import glob
import importlib.util
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
    "Use first": dict(spa="Usar primero", fra="À utiliser en premier", deu="Zuerst verwenden",
                      ita="Usa per primo", nld="Eerst gebruiken", pol="Użyj najpierw",
                      por="Usar primeiro", rus="Использовать первым", ara="يُستخدم أولاً",
                      kor="먼저 사용", zh_cn="优先使用", jpn="先に使用"),
    "Split view": dict(spa="Vista dividida", fra="Affichage partagé", deu="Geteilte Ansicht",
                       ita="Vista divisa", nld="Gesplitste weergave", pol="Widok dzielony",
                       por="Visualização dividida", rus="Разделённый вид", ara="عرض مقسّم",
                       kor="분할 보기", zh_cn="分屏显示", jpn="分割表示"),
    "Group dots": dict(spa="Puntos de grupo", fra="Points de groupe", deu="Gruppenpunkte",
                       ita="Punti di gruppo", nld="Groepsstippen", pol="Kropki grup",
                       por="Pontos de grupo", rus="Точки групп", ara="نقاط المجموعات",
                       kor="그룹 점", zh_cn="分组圆点", jpn="グループの点"),
    "Label font size": dict(spa="Tamaño de letra", fra="Taille du texte", deu="Schriftgröße",
                            ita="Dimensione carattere", nld="Lettergrootte", pol="Rozmiar czcionki",
                            por="Tamanho da fonte", rus="Размер шрифта", ara="حجم الخط",
                            kor="글꼴 크기", zh_cn="字体大小", jpn="文字サイズ"),
    "Individual day parts": dict(spa="Turnos por zona", fra="Services par zone",
                                 deu="Tageszeiten je Zone", ita="Fasce orarie per zona",
                                 nld="Dagdelen per zone", pol="Pory dnia dla stref",
                                 por="Turnos por zona", rus="Части дня по зонам",
                                 ara="فترات يوم لكل منطقة", kor="구역별 시간대", zh_cn="分区时段",
                                 jpn="ゾーン別の時間帯"),
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
    "Timer colors": dict(spa="Colores del temporizador", fra="Couleurs des minuteries",
                         deu="Timerfarben", ita="Colori del timer", nld="Timerkleuren",
                         pol="Kolory timera", por="Cores do temporizador", rus="Цвета таймера",
                         ara="ألوان المؤقت", kor="타이머 색상", zh_cn="计时器颜色",
                         jpn="タイマーの色"),
    "Advanced zone options": dict(spa="Opciones avanzadas de zona", fra="Options de zone avancées",
                                  deu="Erweiterte Zonenoptionen", ita="Opzioni di zona avanzate",
                                  nld="Geavanceerde zoneopties", pol="Zaawansowane opcje stref",
                                  por="Opções avançadas de zona", rus="Доп. настройки зон",
                                  ara="خيارات المنطقة المتقدمة", kor="고급 구역 옵션",
                                  zh_cn="高级区域选项", jpn="ゾーンの詳細設定"),
    "Universal pan sounds": dict(spa="Sonidos de bandeja universal", fra="Sons du bac universel",
                                 deu="Töne für Universalschalen", ita="Suoni teglia universale",
                                 nld="Geluiden universele bak", pol="Dźwięki pojemnika uniwersalnego",
                                 por="Sons da bandeja universal", rus="Звуки универсального лотка",
                                 ara="أصوات الوعاء العام", kor="범용 팬 소리", zh_cn="通用托盘提示音",
                                 jpn="汎用トレーの音"),
    "Discard sound": dict(spa="Sonido de desecho", fra="Son de mise au rebut",
                          deu="Entsorgungston", ita="Suono di scarto", nld="Weggooigeluid",
                          pol="Dźwięk wyrzucenia", por="Som de descarte", rus="Звук утилизации",
                          ara="صوت التخلص", kor="폐기 알림음", zh_cn="丢弃提示音", jpn="廃棄音"),
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
        "Reserve Cabinet #%1": dict(spa="Gabinete de reserva n.º %1", fra="Armoire de réserve n° %1",
                                    deu="Reserveschrank Nr. %1", ita="Armadio di riserva n. %1",
                                    nld="Reservekast nr. %1", pol="Szafa rezerwowa nr %1",
                                    por="Gabinete de reserva n.º %1", rus="Резервный шкаф № %1",
                                    ara="خزانة الاحتياط رقم %1", kor="예비 캐비닛 #%1",
                                    zh_cn="备用柜 #%1", jpn="予備キャビネット #%1"),
        "Point-of-Use Cabinet #%1": dict(spa="Gabinete de servicio n.º %1",
                                         fra="Armoire de service n° %1",
                                         deu="Ausgabeschrank Nr. %1", ita="Armadio di servizio n. %1",
                                         nld="Uitgiftekast nr. %1", pol="Szafa wydawcza nr %1",
                                         por="Gabinete de serviço n.º %1", rus="Шкаф выдачи № %1",
                                         ara="خزانة التقديم رقم %1", kor="서빙 캐비닛 #%1",
                                         zh_cn="出餐柜 #%1", jpn="提供用キャビネット #%1"),
        "Name Not Set": dict(spa="Nombre no definido", fra="Nom non défini",
                             deu="Name nicht festgelegt", ita="Nome non impostato",
                             nld="Naam niet ingesteld", pol="Nazwa nieustawiona",
                             por="Nome não definido", rus="Имя не задано",
                             ara="لم يتم تعيين الاسم", kor="이름 미설정", zh_cn="未设置名称",
                             jpn="名前未設定"),
    },
    "PreferencesPage": PREFERENCES,
    "LanguagePage": {"Cancel": COMMON["Cancel"], "Accept": COMMON["Accept"]},
    "BinItem": {
        "DISCARD": dict(spa="DESECHAR", fra="JETER", deu="ENTSORGEN", ita="SCARTARE",
                        nld="WEGGOOIEN", pol="WYRZUĆ", por="DESCARTAR", rus="ВЫБРОСИТЬ",
                        ara="تخلص منه", kor="폐기", zh_cn="丢弃", jpn="廃棄"),
        "Preheating": dict(spa="Precalentando", fra="Préchauffage", deu="Vorheizen",
                           ita="Preriscaldamento", nld="Voorverwarmen", pol="Nagrzewanie",
                           por="Pré-aquecendo", rus="Разогрев", ara="تسخين مسبق", kor="예열 중",
                           zh_cn="预热中", jpn="予熱中"),
        "WRONG PAN": dict(spa="BANDEJA INCORRECTA", spa_mx="CHAROLA INCORRECTA", fra="MAUVAIS BAC",
                          deu="FALSCHE SCHALE", ita="TEGLIA ERRATA", nld="VERKEERDE BAK",
                          pol="ZŁY POJEMNIK", por="BANDEJA ERRADA", rus="НЕ ТОТ ЛОТОК",
                          ara="وعاء خاطئ", kor="잘못된 팬", zh_cn="托盘错误", jpn="トレー違い"),
    },
    "OverTempDialog": {
        "Cabinet over temperature": dict(
            spa="Temperatura del gabinete demasiado alta", fra="Surchauffe de l'armoire",
            deu="Übertemperatur im Schrank", ita="Sovratemperatura dell'armadio",
            nld="Overtemperatuur van de kast", pol="Przegrzanie szafy",
            por="Superaquecimento do gabinete", rus="Перегрев шкафа", ara="ارتفاع حرارة الخزانة",
            kor="캐비닛 과열", zh_cn="柜体温度过高", jpn="キャビネット過熱"),
        "Check that the vents are clear and that the cabinet stands away from heat sources.": dict(
            spa="Compruebe que las rejillas de ventilación estén despejadas y que el gabinete "
                "esté alejado de fuentes de calor.",
            fra="Vérifiez que les grilles d'aération sont dégagées et que l'armoire est éloignée "
                "de toute source de chaleur.",
            deu="Prüfen Sie, ob die Lüftungsöffnungen frei sind und der Schrank nicht neben "
                "Wärmequellen steht.",
            ita="Verificare che le prese d'aria siano libere e che l'armadio sia lontano da fonti "
                "di calore.",
            nld="Controleer of de ventilatieopeningen vrij zijn en de kast niet bij warmtebronnen "
                "staat.",
            pol="Sprawdź, czy otwory wentylacyjne są drożne, a szafa stoi z dala od źródeł ciepła.",
            por="Verifique se as aberturas de ventilação estão desobstruídas e se o gabinete está "
                "longe de fontes de calor.",
            rus="Убедитесь, что вентиляционные отверстия свободны, а шкаф стоит вдали от "
                "источников тепла.",
            ara="تأكد من أن فتحات التهوية غير مسدودة وأن الخزانة بعيدة عن مصادر الحرارة.",
            kor="통풍구가 막혀 있지 않은지, 캐비닛이 열원에서 떨어져 있는지 확인하십시오.",
            zh_cn="请检查通风口是否通畅，柜体是否远离热源。",
            jpn="通気口がふさがれていないこと、キャビネットが熱源から離れていることを確認してください。"),
        "Acknowledge": dict(spa="Confirmar", fra="Acquitter", deu="Quittieren", ita="Conferma",
                            nld="Bevestigen", pol="Potwierdź", por="Confirmar", rus="Подтвердить",
                            ara="تأكيد", kor="확인", zh_cn="确认", jpn="確認"),
    },
    "main": {
        "<b>System Error:</b><br>Modbus Link Broken.": dict(
            spa="<b>Error del sistema:</b><br>Enlace Modbus interrumpido.",
            fra="<b>Erreur système :</b><br>Liaison Modbus rompue.",
            deu="<b>Systemfehler:</b><br>Modbus-Verbindung unterbrochen.",
            ita="<b>Errore di sistema:</b><br>Collegamento Modbus interrotto.",
            nld="<b>Systeemfout:</b><br>Modbus-verbinding verbroken.",
            pol="<b>Błąd systemu:</b><br>Zerwane połączenie Modbus.",
            por="<b>Erro do sistema:</b><br>Link Modbus interrompido.",
            rus="<b>Системная ошибка:</b><br>Связь Modbus прервана.",
            ara="<b>خطأ في النظام:</b><br>انقطع اتصال Modbus.",
            kor="<b>시스템 오류:</b><br>Modbus 연결이 끊어졌습니다.",
            zh_cn="<b>系统错误：</b><br>Modbus 连接中断。",
            jpn="<b>システムエラー：</b><br>Modbus リンクが切断されました。"),
    },
    "UtilitiesPage": {
        "Zone Diagnostics": dict(spa="Diagnóstico de zonas", fra="Diagnostic des zones",
                                 deu="Zonendiagnose", ita="Diagnostica zone", nld="Zonediagnose",
                                 pol="Diagnostyka stref", por="Diagnóstico de zonas",
                                 rus="Диагностика зон", ara="تشخيص المناطق", kor="구역 진단",
                                 zh_cn="区域诊断", jpn="ゾーン診断"),
    },
    "ZoneDiagnosticsPage": {
        # The state of a heater, not the command to stop it.
        "Off": dict(spa="Apagado", fra="Éteint", deu="Aus", ita="Spento", nld="Uit", pol="Wył.",
                    por="Desligado", rus="Выкл.", ara="مطفأ", kor="꺼짐", zh_cn="已关闭", jpn="オフ"),
        "Lower heater": dict(spa="Resistencia inferior", fra="Résistance inférieure",
                             deu="Untere Heizung", ita="Resistenza inferiore",
                             nld="Onderste verwarming", pol="Grzałka dolna",
                             por="Resistência inferior", rus="Нижний нагреватель",
                             ara="السخان السفلي", kor="하부 히터", zh_cn="下加热器", jpn="下部ヒーター"),
        "Upper heater": dict(spa="Resistencia superior", fra="Résistance supérieure",
                             deu="Obere Heizung", ita="Resistenza superiore",
                             nld="Bovenste verwarming", pol="Grzałka górna",
                             por="Resistência superior", rus="Верхний нагреватель",
                             ara="السخان العلوي", kor="상부 히터", zh_cn="上加热器", jpn="上部ヒーター"),
        "Zone": dict(spa="Zona", fra="Zone", deu="Zone", ita="Zona", nld="Zone", pol="Strefa",
                     por="Zona", rus="Зона", ara="المنطقة", kor="구역", zh_cn="区域", jpn="ゾーン"),
        "Target": dict(spa="Objetivo", fra="Consigne", deu="Soll", ita="Impostata", nld="Doel",
                       pol="Zadana", por="Alvo", rus="Заданная", ara="المستهدفة", kor="목표",
                       zh_cn="目标", jpn="目標"),
        "Actual": dict(spa="Real", fra="Réelle", deu="Ist", ita="Effettiva", nld="Werkelijk",
                       pol="Rzeczywista", por="Real", rus="Фактическая", ara="الفعلية", kor="실제",
                       zh_cn="实际", jpn="実測"),
        "Zone %1": dict(spa="Zona %1", fra="Zone %1", deu="Zone %1", ita="Zona %1", nld="Zone %1",
                        pol="Strefa %1", por="Zona %1", rus="Зона %1", ara="المنطقة %1",
                        kor="구역 %1", zh_cn="区域 %1", jpn="ゾーン %1"),
        "No zone temperatures yet": dict(
            spa="Aún no hay temperaturas de zona", fra="Aucune température de zone pour l'instant",
            deu="Noch keine Zonentemperaturen", ita="Nessuna temperatura di zona disponibile",
            nld="Nog geen zonetemperaturen", pol="Brak temperatur stref",
            por="Ainda não há temperaturas de zona", rus="Температуры зон пока не получены",
            ara="لا توجد درجات حرارة للمناطق بعد", kor="아직 구역 온도가 없습니다",
            zh_cn="暂无区域温度", jpn="ゾーン温度はまだありません"),
    },
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


def merge_area_tables(folder):
    for path in sorted(glob.glob(os.path.join(folder, "texts_*.py"))):
        spec = importlib.util.spec_from_file_location(os.path.basename(path)[:-3], path)
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        for context, messages in module.MESSAGES.items():
            MESSAGES.setdefault(context, {}).update(messages)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    merge_area_tables(here)
    for code in CODES:
        write_catalogue(here, code)
