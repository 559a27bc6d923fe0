pragma Singleton
import QtQuick 2.15

// The one look of the interface: colours, type sizes, spacing and the smallest touch
// target. Pages take every colour and size from here so that the screens stay readable
// at arm's length on the dark background.
QtObject {
    id: theme

    // The smallest thing a gloved finger can hit reliably, in both directions.
    readonly property int touchTarget: 56

    // What a site may re-skin on the skin screen: ten colours and type sizes, kept in the
    // application settings under "uiSkin/<name>" and read when the theme is made. Sizes
    // stay within limits that keep every page's texts inside their controls.
    readonly property var skinNames: skinTable().names
    readonly property var skinDefaults: skinTable().defaults
    readonly property var skinSizeLimits: skinTable().limits
    property var skin: readSkin()

    // A function, not properties, so that the skin can be read while the theme is made.
    function skinTable() {
        return {
            "names": ["background", "surface", "surfaceRaised", "border", "text", "textSecondary",
                      "accent", "accentStrong", "fontBody", "fontTitle"],
            "defaults": {
                "background": "#101418", "surface": "#1c2329", "surfaceRaised": "#263238",
                "border": "#607d8b", "text": "#ffffff", "textSecondary": "#b0bec5",
                "accent": "#42a5f5", "accentStrong": "#1565c0", "fontBody": 22, "fontTitle": 28
            },
            "limits": { "fontBody": [18, 24], "fontTitle": [24, 32] }
        }
    }
    function isSkinSize(name) {
        return skinTable().limits[name] !== undefined
    }
    // A stored value as the theme can use it: a colour "#rrggbb", a size within its
    // limits; anything else (a hand-edited file, a key of another version) is the default.
    // The table may be passed in by a caller that already made it.
    function skinValue(name, stored, table) {
        table = table || skinTable()
        var limits = table.limits[name]
        if (limits !== undefined) {
            var size = parseInt(stored)
            return isNaN(size) ? table.defaults[name] : Math.max(limits[0], Math.min(limits[1], size))
        }
        var text = stored === undefined || stored === null ? "" : String(stored)
        return /^#[0-9a-fA-F]{6}$/.test(text) ? text.toLowerCase() : table.defaults[name]
    }
    function readSkin() {
        var table = skinTable()
        // Screens shown without the settings store (or a stand-in without values) keep
        // the defaults.
        var store = typeof configManager !== "undefined" && configManager
                    && typeof configManager.value === "function" ? configManager : null
        var values = {}
        for (var i = 0; i < table.names.length; ++i) {
            var name = table.names[i]
            values[name] = skinValue(name, store ? store.value("uiSkin/" + name, table.defaults[name])
                                                 : table.defaults[name], table)
        }
        return values
    }
    // Takes the stored skin again: every screen follows at once.
    function reloadSkin() {
        skin = readSkin()
    }

    // Surfaces, from the window background up to a pressed control.
    readonly property color background: skin.background
    readonly property color surface: skin.surface
    readonly property color surfaceRaised: skin.surfaceRaised
    readonly property color surfacePressed: "#37474f"
    readonly property color border: skin.border
    readonly property color scrim: "#b0000000"

    // Text on the surfaces above.
    readonly property color text: skin.text
    readonly property color textSecondary: skin.textSecondary
    readonly property color textDisabled: "#78909c"
    readonly property color disabled: "#404040"

    // A control that is on, selected or ready to act; a selected row.
    readonly property color accent: skin.accent
    readonly property color accentStrong: skin.accentStrong
    readonly property color accentPressed: "#0d47a1"
    readonly property color selection: "#1e64b4"
    readonly property color textOnAccent: "#ffffff"

    // States the cook must tell apart at a glance.
    readonly property color ok: "#2e7d32"
    readonly property color warning: "#ffb300"
    readonly property color danger: "#c62828"
    readonly property color dangerPressed: "#8e0000"
    readonly property color status: "#ffca28"
    readonly property color wrongPan: "#d500f9"

    // Type sizes in pixels.
    readonly property int fontSmall: 18
    readonly property int fontBody: skin.fontBody
    readonly property int fontLarge: 26
    readonly property int fontTitle: skin.fontTitle

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

    // A path, address or code inside a sentence: isolated left to right, so that in
    // Arabic its slashes and dots stay where they belong.
    function leftToRight(text) {
        return "\u2066" + text + "\u2069"
    }
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
