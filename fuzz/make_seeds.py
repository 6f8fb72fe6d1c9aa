#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets (fuzz/corpus/<target>/).

The transaction seeds follow the script format of fuzz/reply_script.h: byte 0
is the mode (bit 0: write), then one op byte per send with its operands.
Run it again after changing that format; findings kept in the corpus
(crash-*, regression-*) are left alone.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent

GOOD, STATUS, RAW, SILENT, STORE_ACK, BAD_CHECK, SHORT, PULL = range(8)
BYTEWISE, SPLIT2, FIRST_ALONE = 0x08, 0x10, 0x18
# INSIDE_WRITE (bit 5) is ignored by the script format now; its seeds stay as
# plain variants.
INSIDE_WRITE, STRAY, PULL_AFTER = 0x20, 0x40, 0x80


def good(i, flags=0):
    value = (i * 1031 + 7) & 0xFFFF
    return bytes([GOOD | flags, value >> 8, value & 0xFF])


def frames(n, flags=0, start=0):
    return b"".join(good(start + i, flags) for i in range(n))


def script(write, body):
    return bytes([1 if write else 0]) + body


def transaction_seeds():
    return {
        "read-pass": script(False, frames(60)),
        "write-pass": script(True, frames(60) + bytes([STORE_ACK])),
        "write-store-silent": script(True, frames(60) + bytes([SILENT])),
        "write-store-bad-status": script(True, frames(60) + bytes([STATUS, 0x59, 0, 0])),
        "write-store-pulled": script(True, frames(60) + bytes([PULL])),
        "read-silent-at-0": script(False, b""),
        "read-bad-status-at-0": script(False, bytes([STATUS, 0x15, 1, 35])),
        "read-bad-check-once-at-5": script(False, frames(5) + bytes([BAD_CHECK, 1, 2, 3]) + frames(55, start=5)),
        "write-bad-check-always-at-9": script(True, frames(9) + bytes([BAD_CHECK, 0, 9, 1]) * 5 + frames(51, start=9)),
        "read-short-once-at-7": script(False, frames(7) + bytes([SHORT, 0x12, 0x34]) + frames(53, start=7)),
        "read-short-always-at-3": script(False, frames(3) + bytes([SHORT, 0, 3]) * 5),
        "write-pulled-at-30": script(True, frames(30) + bytes([PULL])),
        "read-pulled-inside-write-at-12": script(False, frames(12) + bytes([PULL | INSIDE_WRITE])),
        "write-pull-after-complete": script(True, frames(20) + good(20, PULL_AFTER) + frames(39, start=21) + bytes([STORE_ACK])),
        "read-bytewise": script(False, frames(60, BYTEWISE)),
        "read-split": script(False, frames(60, SPLIT2)),
        "write-first-alone": script(True, frames(60, FIRST_ALONE) + bytes([STORE_ACK | FIRST_ALONE])),
        "read-inside-write": script(False, frames(60, INSIDE_WRITE)),
        "read-inside-write-split": script(False, frames(60, INSIDE_WRITE | SPLIT2)),
        "write-stray-bytes": script(True, frames(60, STRAY) + bytes([STORE_ACK | STRAY])),
        "read-stray-after-short": script(False, frames(10) + bytes([SHORT | STRAY, 1, 2]) + frames(50, start=10)),
        "read-raw": script(False, bytes([RAW, 4, 0x59, 0x01, 0x23, 0x22, RAW, 6, 0x59, 0, 5, 5, 0, 0xA5, RAW, 2, 0x59, 0x01])),
        "write-silent-at-59": script(True, frames(59) + bytes([SILENT])),
    }


def crlf(lines):
    return "".join(line + "\r\n" for line in lines).encode("latin-1")


def vxc_seeds():
    default = (HERE.parent / "data" / "default.vxc").read_bytes()
    return {
        "default.vxc": default,
        "default-lf.vxc": default.replace(b"\r\n", b"\n"),
        "default-cr.vxc": default.replace(b"\r\n", b"\r"),
        "partial.vxc": crlf(["3", "15"]),
        "repeated.vxc": crlf(["8", "1", "8", "0", "20", "5"]),
        "odd-lines.vxc": crlf(["1", "14.0", "2"]),
        "bad-key.vxc": crlf(["1", "14.0", "abc", "1", "2", "31.5"]),
        "key40-empty.vxc": crlf(["40", "", "41", "1"]),
        "comma.vxc": crlf(["1", "14,0", "18", "1.234.5", "49", "0,3"]),
        "choices.vxc": crlf(["19", "7", "40", "-5", "41", "2147483647", "13", "-2147483648"]),
        "skipped-keys.vxc": crlf(["0", "x", "34", "y", "44", "z", "99", "", "-1", "q"]),
        "bad-flag.vxc": crlf(["8", "yes"]),
        "blanks.vxc": crlf([" 20 ", "+5", "\t3", "-0"]),
        "latin1.vxc": "1\r\n14\u00b70\r\n7\r\n\u00e9\r\n".encode("latin-1"),
        "no-final-end.vxc": b"1\r\n14.0\r\n5\r\n25.0",
        "empty.vxc": b"",
        "byte-order-mark.vxc": b"\xef\xbb\xbf" + crlf(["1", "14.0"]),
        "blank-tail.vxc": crlf(["1", "14.0", "", " ", ""]) + b"\n\n",
        "utf16le.vxc": b"\xff\xfe" + default.decode("latin-1").encode("utf-16-le"),
        "utf16be.vxc": b"\xfe\xff" + default.decode("latin-1").encode("utf-16-be"),
    }


def write(target, seeds):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    write("transaction_engine", transaction_seeds())
    write("vxc_reader", vxc_seeds())
