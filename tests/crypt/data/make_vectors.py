#!/usr/bin/env python3
"""Writes the known-answer files of the book cipher tests.

Run once; the outputs are kept beside this script and the tests compare our
C++ cipher against them. Everything here is written from the definition of
the book cipher with Python's own SHA-1 and Base64, so it shares no code
with the program: key = SHA-1(passphrase); RC4 key schedule with that
20-byte key; every non-empty text restarts i and j at 0 but keeps the
permutation; output is Base64. Texts are visited per record in book-file
order: slots 0-45, spouse, children 1-10.
"""
import base64
import hashlib
import struct

PASSPHRASE = b"Tr\xe8s secret"  # Windows-1252 bytes, as the window passes them


class Cipher:
    def __init__(self, passphrase):
        key = hashlib.sha1(passphrase).digest()
        s = list(range(256))
        j = 0
        for i in range(256):
            j = (j + s[i] + key[i % len(key)]) % 256
            s[i], s[j] = s[j], s[i]
        self.s = s

    def field(self, data):
        s = self.s
        i = j = 0
        out = bytearray()
        for b in data:
            i = (i + 1) % 256
            j = (j + s[i]) % 256
            s[i], s[j] = s[j], s[i]
            out.append(b ^ s[(s[i] + s[j]) % 256])
        return bytes(out)


def record(texts, locked=0, category=0):
    """texts: dict file position (0-56) -> bytes."""
    return ([texts.get(k, b"") for k in range(57)], locked, category)


SPOUSE = 46          # file position of the spouse
CHILD = 47           # file position of the first child
records = [
    record({0: b"Ann", 1: b"Smith", 4: b"1 rue des Lilas\r\nB\xe2timent C", 16: b"12/05/1980",
            9: b"+33 4 78 00 00 00", 17: b"ann@example.org", SPOUSE: b"Bob",
            CHILD: b"Zoe", CHILD + 1: b"Max"}, locked=1, category=3),
    record({}, category=2),  # every text empty: uses nothing of the cipher
    record({0: b"Ann", 2: b"M", 3: b"abc", 5: b"Lyon",
            23: bytes(range(0x80, 0x100)) + b"\r\nsecond line\r\n"}),
    record({1: b"Doe", SPOUSE: b"Eve", **{CHILD + c: b"child %d" % (c + 1) for c in range(10)}},
           category=7),
]


def book_bytes(flag, recs):
    fmt = b"known-answer fixture"
    out = bytearray([flag]) + struct.pack("<i", len(fmt)) + fmt
    for texts, locked, category in recs:
        for t in texts:
            out += struct.pack("<i", len(t)) + t
        out += bytes([locked, category])
    return bytes(out)


def encrypt(recs):
    c = Cipher(PASSPHRASE)
    out = []
    for texts, locked, category in recs:
        out.append(([base64.b64encode(c.field(t)) if t else b"" for t in texts], locked, category))
    return out


with open("plain.zdl", "wb") as f:
    f.write(book_bytes(0, records))
with open("encrypted.zdl", "wb") as f:
    f.write(book_bytes(1, encrypt(records)))

# One run over single texts, printed as rows for the test's table.
c = Cipher(b"key")
for t in [b"a", b"abc", b"abcd", b"Ann", b"Ann", b"\r\n", b"\xe9t\xe9"]:
    print(t, base64.b64encode(c.field(t)).decode())
