#!/usr/bin/env python3
"""Writes the menu-tool test files: binary menu files ("*.tul") from their record
layouts (18-byte header, 26-byte configuration record, 134-byte product records, two
82-byte day-part records; little-endian, packed, each starting with a CRC-16/MODBUS of
the bytes after it), JSON interchange files, and the fuzz corpora (the same files and
randomly damaged copies). Run from anywhere; output goes beside this script and to
tests/menu/corpus/. Deterministic: the random damage uses a fixed seed."""

import json
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, '..', '..', 'menu', 'corpus')


def crc16(data):
    crc = 0xFFFF
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def with_crc(body):
    return struct.pack('<H', crc16(body)) + body


def config_record(language=0, use_first=0, group_dots=0, split_view=0, individual=0,
                  font=0, md5=bytes(range(16))):
    body = struct.pack('<BBBBBBBB', 0, language, 0, use_first, group_dots, split_view,
                       individual, font) + md5
    assert len(body) == 24
    return with_crc(body)


def product_record(kind, pid, name, hold=0, warn=0, upper=0, lower=0, lid=0, bottom=0,
                   pan=1, default=0, members=(), fan=0):
    raw = name.encode('utf-8')[:64]
    body = struct.pack('<BBI', ord(kind), 0, pid) + raw.ljust(64, b'\0')
    body += struct.pack('<IIIIBBBB', hold, warn, upper, lower, lid, bottom, pan, default)
    ids = list(members)[:10] + [0] * (10 - min(len(members), 10))
    body += struct.pack('<10I', *ids) + struct.pack('<BB', fan, 0)
    assert len(body) == 132
    return with_crc(body)


def daypart_record(ids):
    ids = list(ids) + [0] * (20 - len(ids))
    return with_crc(struct.pack('<20i', *ids))


def menu_file(products, dayparts, config=None, version=5, count=None,
              config_offset=None, products_offset=None, dayparts_offset=None):
    config = config if config is not None else config_record()
    body = config + b''.join(products) + b''.join(dayparts)
    c_off = 18 if config_offset is None else config_offset
    p_off = 18 + len(config) if products_offset is None else products_offset
    d_off = 18 + len(config) + sum(map(len, products)) if dayparts_offset is None else dayparts_offset
    n = len(products) if count is None else count
    header = struct.pack('<hBBIII', version, n, 0, c_off, p_off, d_off)
    return with_crc(header) + body


def spoil(record, at=10):
    """The same record with one byte after the CRC changed, so its CRC no longer holds."""
    b = bytearray(record)
    b[at] ^= 0x5A
    return bytes(b)


def ten_products():
    recs = [product_record('p', i, 'Product %d' % i, hold=600 + i, warn=300, upper=170,
                           lower=160, lid=1, bottom=0, pan=1 + i % 3, fan=50)
            for i in range(1, 9)]
    recs.append(product_record('g', 50, 'Mix', upper=170, pan=1, lid=1, default=1,
                               members=(1, 2)))
    recs.append(product_record('g', 51, 'Short', upper=165, pan=2, lid=2, default=0,
                               members=(5, 0, 7)))
    return recs


DP0 = [1, 2, 3, 4, 5, 6, 7, 8, 50, 51, 1, 2, 3, 4, 5, 6, 7, 8, 50, 51]
DP1 = [8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0, 0, 51, 50, 0, 0, 0, 0, 0, 1]


def binary_files():
    # Neighbouring options differ, so that a byte read from the wrong offset shows.
    good_config = config_record(language=2, use_first=1, group_dots=0, split_view=1,
                                individual=0, font=30)
    prods = ten_products()
    dps = [daypart_record(DP0), daypart_record(DP1)]
    files = {}
    files['good.tul'] = menu_file(prods, dps, good_config)
    files['zero_products.tul'] = menu_file([], dps)
    files['version4.tul'] = menu_file(prods, dps, good_config, version=4)
    hdr_bad = bytearray(files['good.tul'])
    hdr_bad[0] ^= 0xFF
    files['bad_header_crc.tul'] = bytes(hdr_bad)
    bad3 = list(prods)
    bad3[2] = spoil(bad3[2])
    files['bad_product3.tul'] = menu_file(bad3, dps, good_config)
    files['bad_config_and_daypart2.tul'] = menu_file(
        prods, [dps[0], spoil(dps[1])], spoil(good_config, 5))
    whole = files['good.tul']
    files['truncated.tul'] = whole[:18 + 26 + 134 * 4 + 60]
    files['short_header.tul'] = whole[:10]
    files['daypart_offset_past_end.tul'] = menu_file(prods, dps, good_config,
                                                     dayparts_offset=0xFFFFFFF0)
    files['products_past_end.tul'] = menu_file(prods, dps, good_config, count=255)
    files['config_offset_past_end.tul'] = menu_file(prods, dps, good_config,
                                                    config_offset=len(whole) - 10)
    # Names that would break a comma-separated line; a name of 64 bytes with no zero;
    # a group without members.
    named = [product_record('p', 12, 'Fries, large', hold=600, warn=540, upper=170, lower=160,
                            lid=2, bottom=1, pan=2, fan=80),
             product_record('p', 13, 'Two\nlines', hold=60, warn=20, upper=150, lower=140),
             product_record('p', 14, 'N' * 64, hold=60, warn=20, upper=150, lower=140),
             product_record('g', 50, 'Mix', upper=170, pan=1, lid=1, default=1),
             product_record('x', 60, 'Unknown kind')]
    for language in (0, 1, 2, 7):
        files['names_lang%d.tul' % language] = menu_file(
            named, [daypart_record([12, 13, 14, 50]), daypart_record([0, 99])],
            config_record(language=language))
    many = [product_record('p', i, 'P%d' % i, hold=60, warn=20, upper=150, lower=140)
            for i in range(1, 121)]
    files['too_many_products.tul'] = menu_file(many, dps)
    # The benchmark's file: 80 products and 20 groups.
    bench = [product_record('p', i, 'Product %d' % i, hold=600, warn=300, upper=170, lower=160,
                            lid=1, pan=1, fan=50) for i in range(1, 81)]
    bench += [product_record('g', 100 + g, 'Group %d' % g, upper=170, pan=1, lid=1, default=0,
                             members=[1 + (g * 4 + k) % 80 for k in range(4)]) for g in range(20)]
    files['bench_100.tul'] = menu_file(bench, [daypart_record(range(1, 21)),
                                               daypart_record(range(21, 41))])
    return files


LANGS = ['eng_USA', 'spa', 'fra', 'spa_mx', 'fra_ca', 'deu', 'ita', 'nld', 'pol', 'por',
         'rus', 'ara', 'kor', 'zh_cn', 'jpn']


def json_menu(products=(), groups=(), layout=(), version=1, header=None):
    head = header if header is not None else {'menuVersion': version, 'menuDescription': 'test'}
    return {'header': head, 'menu': {'products': list(products), 'productGroups': list(groups),
                                     'layout': list(layout)}}


def json_files():
    files = {}
    files['outline_header_empty.json'] = {'header': {}, 'menu': {'products': [], 'productGroups': [], 'layout': []}}
    files['outline_nothing.json'] = {'other': 1}
    files['outline_groups_object.json'] = {'header': {'menuVersion': 1},
                                           'menu': {'products': [], 'productGroups': {}, 'layout': []}}
    files['outline_products_missing.json'] = {'header': {'menuVersion': 1},
                                              'menu': {'productGroups': [], 'layout': []}}
    files['outline_layout_number.json'] = {'header': {'menuVersion': 1},
                                           'menu': {'products': [], 'productGroups': [], 'layout': 3}}
    files['outline_menu_empty.json'] = {'header': {'menuVersion': 1}, 'menu': {}}
    files['version2.json'] = json_menu([{'productId': 1}], version=2)
    files['layout_empty.json'] = json_menu([{'productId': 1, 'productName': {'eng_USA': 'One'}}])
    products = [
        {'productId': 5, 'productName': {'eng_USA': 'Fries', 'fra': 'Frites', 'deu': 'Pommes'},
         'holdingTime': 600, 'warningTime': 540, 'resetTime': 30, 'lowerTemp': 160,
         'upperTemp': 170, 'fanSpeed': 80, 'timerColor': '#00ff00', 'productLocked': True,
         'lidType': 'vented', 'bottomType': 'False', 'zoneSplits': '1/1'},
        {'productId': 6, 'productName': {'eng_USA': 'Nuggets'}, 'lidType': 'Vented',
         'timerColor': ''},
        {'productName': {'eng_USA': 'No id'}},
        {'productId': 0, 'productName': {'eng_USA': 'Zero'}},
        {'productId': 7, 'productName': {'eng_USA': 'Seven'}, 'lidType': 'Solid', 'zoneSplits': 3},
        {'productId': 7, 'productName': {'eng_USA': 'Seven again'}},
    ]
    groups = [
        {'groupId': 70, 'groupName': {'eng_USA': 'Sides'}, 'lowerTemp': 150, 'upperTemp': 160,
         'fanSpeed': 40, 'lidType': 'Solid', 'zoneSplits': '1/1', 'defaultProd': 5,
         'products': [{'productId': 5}, {}, {'productId': 6}, {'productId': 99}]},
        {'groupName': {'eng_USA': 'No group id'}, 'products': [{'productId': 5}]},
        {'groupId': 71, 'groupName': {'eng_USA': 'Empty'}, 'products': []},
    ]

    def dp(name_obj, locations):
        return {'daypartName': name_obj, 'inUse': False,
                'productLocations': [{'bin': b, 'productId': p} for b, p in locations]}

    layout = [dp({'eng_USA': 'Breakfast', 'xx': 'ignored'}, [(1, 5), (2, 6), (3, 70), (0, 5),
                                                            (21, 5), (2, 7), (4, 99), (20, 71)]),
              dp({'eng_USA': 'Lunch', 'spa': 'Almuerzo'}, [(1, 6), (4, 5)]),
              dp({'eng_USA': 'Late'}, [])]
    layout += [dp({'eng_USA': 'Part %d' % i}, [(1, 5)]) for i in range(3, 12)]
    files['apply.json'] = json_menu(products, groups, layout)
    files['apply_groups_first.json'] = {'menu': {'productGroups': groups[:1], 'layout': [],
                                                 'products': products[:2]},
                                        'header': {'menuVersion': 1}}
    bench_products = [{'productId': i, 'productName': {l: 'P%d %s' % (i, l) for l in LANGS},
                       'holdingTime': 600, 'warningTime': 300, 'resetTime': 0, 'lowerTemp': 160,
                       'upperTemp': 170, 'fanSpeed': 50, 'timerColor': '#fffffd',
                       'productLocked': False, 'lidType': 'Solid', 'bottomType': 'Normal',
                       'zoneSplits': '1/4'} for i in range(1, 81)]
    bench_groups = [{'groupId': 100 + g, 'groupName': {l: 'G%d %s' % (g, l) for l in LANGS},
                     'lowerTemp': 160, 'upperTemp': 170, 'fanSpeed': 50, 'lidType': 'Solid',
                     'zoneSplits': '1/4', 'defaultProd': 1,
                     'products': [{'productId': 1 + (g * 4 + k) % 80} for k in range(4)]}
                    for g in range(20)]
    bench_layout = [{'daypartName': {l: 'D%d %s' % (d, l) for l in LANGS}, 'inUse': True,
                     'productLocations': [{'bin': b + 1, 'productId': 1 + (d * 20 + b) % 80}
                                          for b in range(20)]} for d in range(10)]
    files['bench_100.json'] = json_menu(bench_products, bench_groups, bench_layout)
    return files


def damaged(data, rng, count):
    out = []
    for _ in range(count):
        b = bytearray(data)
        kind = rng.randrange(3)
        if kind == 0 and b:
            for _ in range(rng.randrange(1, 8)):
                b[rng.randrange(len(b))] = rng.randrange(256)
        elif kind == 1:
            b = b[:rng.randrange(len(b) + 1)]
        else:
            at = rng.randrange(len(b) + 1)
            b[at:at] = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 16)))
        out.append(bytes(b))
    return out


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def main():
    rng = random.Random(19)
    binaries = binary_files()
    for name, data in binaries.items():
        write(os.path.join(HERE, name), data)
    jsons = {name: json.dumps(doc, indent=4, ensure_ascii=False).encode('utf-8')
             for name, doc in json_files().items()}
    jsons['outline_not_json.json'] = b'{"header": {"menuVersion": 1}, "menu": ['
    # A key given twice counts with its last value; json.dumps cannot write these.
    jsons['outline_repeated_key.json'] = (b'{"header":{"menuVersion":1},"menu":{"products":[],'
                                          b'"productGroups":[],"layout":[]},"menu":{"products":[1]}}\n')
    jsons['outline_repeated_key_last_good.json'] = (b'{"header":{"menuVersion":1},"menu":{"products":1},'
                                                    b'"menu":{"products":[],"productGroups":[],"layout":[]}}\n')
    for name, data in jsons.items():
        write(os.path.join(HERE, name), data)
    for kind, files in (('binarymenu', binaries), ('jsonmenu', jsons)):
        folder = os.path.join(CORPUS, kind)
        for name, data in files.items():
            if not name.startswith('bench_'):
                write(os.path.join(folder, name), data)
        seeds = [files[n] for n in sorted(files) if not n.startswith('bench_')][:6]
        for i, data in enumerate(d for s in seeds for d in damaged(s, rng, 5)):
            write(os.path.join(folder, 'damaged_%02d' % i), data)


if __name__ == '__main__':
    main()
