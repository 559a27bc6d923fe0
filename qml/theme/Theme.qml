pragma Singleton
import QtQuick 2.15

// The one look of the interface: colours, type sizes, spacing and the smallest touch
// target. Pages take every colour and size from here so that the screens stay readable
// at arm's length on the dark background.
QtObject {
    id: theme

    // The smallest thing a gloved finger can hit reliably, in both directions.
    readonly property int touchTarget: 56

    // Surfaces, from the window background up to a pressed control.
    readonly property color background: "#101418"
    readonly property color surface: "#1c2329"
    readonly property color surfaceRaised: "#263238"
    readonly property color surfacePressed: "#37474f"
    readonly property color border: "#607d8b"
    readonly property color scrim: "#b0000000"

    // Text on the surfaces above.
    readonly property color text: "#ffffff"
    readonly property color textSecondary: "#b0bec5"
    readonly property color textDisabled: "#78909c"
    readonly property color disabled: "#404040"

    // A control that is on, selected or ready to act; a selected row.
    readonly property color accent: "#42a5f5"
    readonly property color accentStrong: "#1565c0"
    readonly property color accentPressed: "#0d47a1"
    readonly property color selection: "#1e64b4"
    readonly property color textOnAccent: "#ffffff"

    // States the cook must tell apart at a glance.
    readonly property color ok: "#2e7d32"
    readonly property color warning: "#ffb300"
    readonly property color danger: "#c62828"
    readonly property color dangerPressed: "#8e0000"
    readonly property color status: "#ffca28"

    // Type sizes in pixels.
    readonly property int fontSmall: 18
    readonly property int fontBody: 22
    readonly property int fontLarge: 26
    readonly property int fontTitle: 28

    // Spacing and shapes.
    readonly property int spacingSmall: 8
    readonly property int spacing: 16
    readonly property int spacingLarge: 24
    readonly property int radius: 6
    readonly property int borderWidth: 2
    readonly property int scrollBarWidth: 12

    // Fonts the shell selects for each interface language: CJK texts need the font of
    // their own script variant, and Hangul and Arabic are missing from most Latin fonts.
    readonly property string latinFamily: "DejaVu Sans"
    // Arabic texts carry Latin words, digits and signs (USB, °F, file paths): of the
    // installed faces only DejaVu Sans draws both scripts.
    readonly property string arabicFamily: "DejaVu Sans"
    readonly property string koreanFamily: "Noto Sans CJK KR"
    readonly property string chineseFamily: "Noto Sans CJK SC"
    readonly property string japaneseFamily: "Noto Sans CJK JP"

    readonly property int languageId: typeof tro !== "undefined" && tro ? tro.languageId : 0
    readonly property string fontFamily: fontFor(languageId)
    readonly property bool rightToLeft: languageId === 11

    // Appended to a translated text, qsTr("...") + Theme.retranslate(), for pages that may
    // also be shown without the translator: the binding then follows every language switch
    // as one reading the translator's emptyStr does.
    function retranslate() {
        return typeof tro !== "undefined" && tro ? tro.emptyStr : ""
    }

    function fontFor(id) {
        switch (id) {
        case 11: return arabicFamily
        case 12: return koreanFamily
        case 13: return chineseFamily
        case 14: return japaneseFamily
        default: return latinFamily
        }
    }
}
