.pragma library

// Seconds as hh:mm:ss.
function hms(seconds) {
    var s = Math.max(0, Math.floor(Number(seconds) || 0))
    function two(n) { return (n < 10 ? "0" : "") + n }
    return two(Math.floor(s / 3600)) + ":" + two(Math.floor(s / 60) % 60) + ":" + two(s % 60)
}

// hh:mm:ss (hours up to 23, minutes and seconds up to 59) as seconds; -1 otherwise.
function seconds(text) {
    var parts = String(text).split(":")
    if (parts.length !== 3)
        return -1
    var v = []
    for (var i = 0; i < 3; ++i) {
        if (!/^\d{1,2}$/.test(parts[i]))
            return -1
        v.push(parseInt(parts[i], 10))
    }
    if (v[0] > 23 || v[1] > 59 || v[2] > 59)
        return -1
    return v[0] * 3600 + v[1] * 60 + v[2]
}

// The zone splits a product may take on a zone of `trays` bins.
function splits(trays) {
    if (trays === 2)
        return ["1/2", "1/1"]
    if (trays === 3)
        return ["1/3", "1/2", "2/3", "1/1"]
    return ["1/4", "1/2", "3/4", "1/1"]
}

// Names for every language: an empty one takes the name typed for `current` (the input
// language), and only that one; with none there, the name stays empty and is refused.
function filledNames(names, current) {
    var source = String(names[current] || "")
    var result = []
    for (var l = 0; l < 15; ++l)
        result.push(String(names[l] || "") === "" ? source : String(names[l]))
    return result
}

function emptyNames() {
    var names = []
    for (var l = 0; l < 15; ++l)
        names.push("")
    return names
}
