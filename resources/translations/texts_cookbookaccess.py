# Texts of the cookbook that say why products cannot be edited on a cabinet (see
# generate_ts.py).

MESSAGES = {
    "Cookbook": {
        "Products can be edited on the primary display only.": dict(
            spa="Los productos solo se pueden editar en la pantalla principal.",
            fra="Les produits ne peuvent être modifiés que sur l'écran principal.",
            deu="Produkte können nur am Hauptdisplay bearbeitet werden.",
            ita="I prodotti si possono modificare solo sul display principale.",
            nld="Producten kunnen alleen op het hoofdscherm worden bewerkt.",
            pol="Produkty można edytować tylko na głównym wyświetlaczu.",
            por="Os produtos só podem ser editados no visor principal.",
            rus="Продукты можно изменять только на основном дисплее.",
            ara="لا يمكن تعديل المنتجات إلا على الشاشة الرئيسية.",
            kor="제품은 기본 디스플레이에서만 편집할 수 있습니다.",
            zh_cn="只能在主显示屏上编辑产品。",
            jpn="製品はメインディスプレイでのみ編集できます。"),
        "Product editing is turned off for this cabinet.": dict(
            spa="La edición de productos está desactivada en este gabinete.",
            fra="La modification des produits est désactivée sur cette armoire.",
            deu="Die Produktbearbeitung ist für diesen Schrank ausgeschaltet.",
            ita="La modifica dei prodotti è disattivata per questo armadio.",
            nld="Producten bewerken is uitgeschakeld voor deze kast.",
            pol="Edycja produktów jest wyłączona w tej szafie.",
            por="A edição de produtos está desativada neste gabinete.",
            rus="Изменение продуктов отключено для этого шкафа.",
            ara="تعديل المنتجات متوقف في هذه الخزانة.",
            kor="이 캐비닛에서는 제품 편집이 꺼져 있습니다.",
            zh_cn="此柜已关闭产品编辑。",
            jpn="このキャビネットでは製品の編集がオフになっています。"),
    },
}
