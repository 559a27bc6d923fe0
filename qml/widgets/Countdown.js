.pragma library

// A tile's countdown is written again every second on every counting tile: its texts are
// put together from two-digit texts made once, so that the seconds build no number texts
// for the script engine's collector to gather.
var pairs = (function () {
    var all = []
    for (var i = 0; i < 100; ++i)
        all.push((i < 10 ? "0" : "") + i)
    return all
})()

// Minutes keep counting past the hour: a 2 h hold starts at 120:00.
function format(seconds) {
    var negative = seconds < 0
    var total = Math.abs(seconds)
    var m = Math.floor(total / 60)
    var s = total % 60
    return (negative ? "-" : "") + (m < 100 ? pairs[m] : String(m)) + ":" + pairs[s]
}

// How long the countdown is, signed as it is: it changes only when a digit or the sign
// comes or goes.
function shape(seconds) {
    var m = Math.floor(Math.abs(seconds) / 60)
    var digits = m < 100 ? 2 : String(m).length
    return seconds < 0 ? -digits : digits
}

// The countdown of that shape with its digits all alike, as it is laid out.
function pattern(shape) {
    var digits = Math.abs(shape)
    var text = shape < 0 ? "-" : ""
    for (var i = 0; i < digits; ++i)
        text += "0"
    return text + ":00"
}
