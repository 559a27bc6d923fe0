#!/usr/bin/env python3
"""Writes the personality fixtures of this folder (see README.md).

The header checksum is the MD5 digest of the personality object serialised the way the
program serialises it before digesting: Qt's indented JSON form (keys sorted, one member
per line, four spaces per level). Run it again after changing a fixture.
"""
import copy
import hashlib
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def qt_indented(value, indent=0):
    """Qt 5's QJsonDocument::Indented form of one value nested `indent` levels deep."""
    pad = " " * (4 * indent)
    if value is True:
        return "true"
    if value is False:
        return "false"
    if value is None:
        return "null"
    if isinstance(value, int):
        return str(value)
    if isinstance(value, str):
        return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'
    inner = " " * (4 * (indent + 1))
    if isinstance(value, list):
        body = ",\n".join(inner + qt_indented(v, indent + 1) for v in value)
        return "[\n" + (body + "\n" if value else "") + pad + "]"
    if isinstance(value, dict):
        body = ",\n".join(inner + '"' + k + '": ' + qt_indented(value[k], indent + 1)
                          for k in sorted(value))
        return "{\n" + (body + "\n" if value else "") + pad + "}"
    raise TypeError(value)


def document_text(personality, checksum=None):
    """The whole file: header with the digest, then the personality."""
    buffer = qt_indented(personality) + "\n"
    digest = hashlib.md5(buffer.encode()).hexdigest() if checksum is None else checksum
    return qt_indented({"header": {"checksum": digest}, "personality": personality}) + "\n"


def built_in_nfc_map(zone_order, zones, left_poll, right_poll):
    """The NFC map the program builds for a cabinet model, written out as a file holds it."""
    records = [{} for _ in range(zones)]
    address, channel = 2, 0
    for i in range(zones):
        z = zone_order[i]
        records[i]["zone"] = z
        records[z]["left-bin"] = {"binIndex": 2 * i, "address": address,
                                  "channel": channel, "pollOrder": left_poll}
        records[z]["right-bin"] = {"binIndex": 2 * i + 1, "address": address,
                                   "channel": channel + 1, "pollOrder": right_poll}
        channel += 2
        if channel > 9:
            address, channel = address + 1, 0
    return {"zone%d" % i: records[i] for i in range(zones)}


def cabinet(rows, zones_per_row, bins_per_zone, orientation_id, **changes):
    zones = rows * zones_per_row
    bins = zones * bins_per_zone
    p = {
        "version": 9,
        # version 1
        "hasFan": True, "hasMirrorDisplay": False, "hasSecondaryDisplay": False,
        "iAmMaster": True, "iosystemcfg": 6, "isIndividualDpSelectable": True,
        "mirrorDisplay": False, "nfcEnabled": False, "numberOfRows": rows,
        "zonesPerRow": zones_per_row, "numOfTempProbes": zones,
        "orientationPortrait": False, "powerSource": 120, "powerSourceChoice": False,
        "pressGoDockPosition": 0, "singleColumnUnit": zones_per_row == 1,
        "syncNeeded": False, "tempHandling": 0, "tempLayout": 0,
        "traysPerZone": bins_per_zone, "uiRole": 0, "zones2handle": zones,
        "zones2handleStart": 0, "orientationId": orientation_id, "verticalFlip": False,
        "numberOfZones": zones, "traysPerCabinet": bins, "zoneViewType": 0,
        "perBinTemps": False, "pressGoBannerEnable": False, "cabinetConfiguration": 10,
        "mio2uitmap": list(range(bins)), "ui2mioZoneMap": list(range(zones)),
        "productLocationMap": list(range(bins)),
        "ioBoardToZoneMap": {"io[0]": {"firstZone": 0, "secondZone": zones - 1}},
        "zoneMap": list(range(zones)), "binTestTemps": [170] * bins,
        # version 2
        "linkedUseFirst": False, "discardOption": True, "numIOBoards": 1,
        "discardOptionType": 0, "lumoEnabled": True, "productIDDisplayEnable": False,
        "topHeaterCurrent": 0, "bottomHeaterCurrent": 0, "shelfNumbersEnable": True,
        "haccpDataCollection": True, "temperatureUnit": 0, "touchBasedTransfer": False,
        "shelfNumberingOrder": 0,
        # version 3
        "advancedZoneOptionsEnable": False, "viewZoneTemperature": True,
        "cleaningModeEnable": True,
        # version 4
        "topTempOffset": 0, "bottomTempOffset": 0, "topHeaterResistance": 0,
        "bottomHeaterResistance": 0, "maxCurrent": 15, "controlBoardType": 1,
        # version 5 to 9
        "startingShelfNumber": 1, "singleBinZone": 0, "zoneNumberingOrder": 0,
        "timerColorEnable": True, "screenCleanModeEnable": True,
        "timerDecrementEnable": True, "preferencesPageLock": False, "customerId": 0,
    }
    p.update(changes)
    return p


FIXTURES = {
    "5x4_primary_nfc.hcc": cabinet(
        5, 2, 2, 1, nfcEnabled=True, controlBoardType=0,
        nfcMap=built_in_nfc_map(list(range(10)), 10, 1, 2)),
    "2x4_primary_mirror.hcc": cabinet(
        2, 2, 2, 9, hasMirrorDisplay=True, syncNeeded=True, nfcEnabled=True, customerId=1,
        nfcMap=built_in_nfc_map([0, 2, 1, 3], 4, 1, 1)),
    "2x4_mirror.hcc": cabinet(
        2, 2, 2, 10, hasMirrorDisplay=True, mirrorDisplay=True, iAmMaster=False,
        syncNeeded=True, nfcEnabled=True, customerId=1,
        nfcMap=built_in_nfc_map([0, 2, 1, 3], 4, 1, 1)),
    # The 5x4 with a display on each side: each holds its half of the ten zones.
    "5x4_primary_second.hcc": cabinet(
        5, 2, 2, 1, uiRole=1, hasSecondaryDisplay=True, syncNeeded=True,
        zones2handleStart=0, zones2handle=5, controlBoardType=0),
    "5x4_second.hcc": cabinet(
        5, 2, 2, 2, uiRole=2, iAmMaster=False, hasSecondaryDisplay=True, syncNeeded=True,
        zones2handleStart=5, zones2handle=5, controlBoardType=0),
    "2x2_primary.hcc": cabinet(2, 1, 2, 17, customerId=3),
    "5x2_primary_nfc.hcc": cabinet(
        5, 1, 2, 32, nfcEnabled=True, customerId=2,
        nfcMap=built_in_nfc_map(list(range(10)), 5, 1, 1)),
}


def odd_inputs():
    """Inputs the reader must refuse without harm; seeds for the fuzz target."""
    base = FIXTURES["5x4_primary_nfc.hcc"]
    too_many = copy.deepcopy(base)
    too_many["numberOfZones"] = 21
    too_many["nfcMap"] = {"zone%d" % i: base["nfcMap"]["zone%d" % (i % 10)] for i in range(21)}
    bad_poll = copy.deepcopy(base)
    bad_poll["nfcMap"]["zone3"]["right-bin"]["pollOrder"] = 3
    gap = copy.deepcopy(base)
    gap["ioBoardToZoneMap"] = {"io[0]": {"firstZone": 0, "secondZone": 4},
                               "io[2]": {"firstZone": 5, "secondZone": 9}}
    return {
        "version_only.hcc": document_text({"version": 1}),
        "top_level_array.hcc": "[1, 2, 3]\n",
        "nfc_21_zones.hcc": document_text(too_many),
        "nfc_poll_order_3.hcc": document_text(bad_poll),
        "io_board_gap.hcc": document_text(gap),
    }


def main():
    for name, personality in FIXTURES.items():
        with open(os.path.join(HERE, name), "w") as f:
            f.write(document_text(personality))
    os.makedirs(os.path.join(HERE, "odd"), exist_ok=True)
    for name, text in odd_inputs().items():
        with open(os.path.join(HERE, "odd", name), "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
