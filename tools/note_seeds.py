#!/usr/bin/env python3
"""Writes the crafted calculation notes of the note reader's tests and fuzz corpus.

Each file is a small PDF made to mislead or exhaust a reader: bombs of one,
two and three deflate stages, file specifications of other forms, duplicated
object numbers, 32 000 embedded-file entries, damaged files. The unit table
(tests/reader/note_reader_test.cpp) names each one with the outcome expected.

    tools/note_seeds.py [folder [name...]]   (default: fuzz/corpus/note_reader, every file)
"""
import os
import sys
import zlib

STUDY = b'{"format": "TORVEL-etude", "version": 1, "etude": "Ressort"}\n'
MIB = 1 << 20


def deflate_zeros(count, level=9):
    """The deflate (zlib) stream of `count` zero bytes, made piece by piece."""
    z = zlib.compressobj(level)
    chunk = bytes(MIB)
    out = []
    left = count
    while left > 0:
        n = min(left, len(chunk))
        out.append(z.compress(chunk[:n]))
        left -= n
    out.append(z.flush())
    return b"".join(out)


def stream(data, filters=b"", extra=b""):
    f = b" /Filter " + filters if filters else b""
    return (b"<< /Type /EmbeddedFile /Length %d%s%s >>\nstream\n" % (len(data), f, extra)
            + data + b"\nendstream")


def document(objects, xref=True, pick=None, root=1):
    """A PDF of `objects` [(number, body)], in that order, with a table of
    where each object starts (the last of a number, or the one `pick` names
    by its index in the list)."""
    out = bytearray(b"%PDF-1.7\n%\xe2\xe3\xcf\xd3\n")
    offsets = {}
    for i, (number, body) in enumerate(objects):
        if pick is None or number not in pick or pick[number] == i:
            offsets[number] = len(out)
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    size = max(offsets) + 1
    at = len(out)
    if xref:
        out += b"xref\n0 %d\n0000000000 65535 f \n" % size
        for n in range(1, size):
            out += (b"%010d 00000 n \n" % offsets[n]) if n in offsets else b"0000000000 65535 f \n"
        out += b"trailer\n<< /Size %d /Root %d 0 R >>\n" % (size, root)
    else:
        out += b"trailer\n<< /Root %d 0 R >>\n" % root
    out += b"startxref\n%d\n%%%%EOF\n" % at
    return bytes(out)


def base(names=b"[(etude.torvel) 4 0 R]"):
    return [
        (1, b"<< /Type /Catalog /Pages 2 0 R /Names << /EmbeddedFiles 6 0 R >> >>"),
        (2, b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>"),
        (3, b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"),
        (6, b"<< /Names " + names + b" >>"),
    ]


def note(study_object, filespec=b"<< /Type /Filespec /F (etude.torvel) /UF (etude.torvel) /EF << /F 5 0 R >> >>",
         more=(), **kw):
    return document(base() + [(4, filespec), (5, study_object)] + list(more), **kw)


def seeds(wanted=lambda name: True):
    s = {}
    s["study-plain.pdf"] = note(stream(STUDY))
    s["study-deflated.pdf"] = note(stream(zlib.compress(STUDY), b"/FlateDecode"))
    s["study-hex-deflated.pdf"] = note(
        stream(zlib.compress(STUDY).hex().encode() + b">", b"[/ASCIIHexDecode /FlateDecode]"))
    s["study-at-limit.pdf"] = note(stream(zlib.compress(b"x" * MIB), b"/FlateDecode"))
    s["over-limit.pdf"] = note(stream(zlib.compress(b"x" * (MIB + 1)), b"/FlateDecode"))
    # One stage: 64 MiB from 64 KiB; two stages: 1 GiB from a few hundred bytes;
    # three: 4 GiB.
    s["bomb-1-stage.pdf"] = note(stream(deflate_zeros(64 * MIB), b"/FlateDecode"))
    if wanted("bomb-2-stages.pdf"):
        once = deflate_zeros(1 << 30)
        s["bomb-2-stages.pdf"] = note(stream(zlib.compress(once, 9), b"[/FlateDecode /FlateDecode]"))
    if wanted("bomb-3-stages.pdf"):
        once = deflate_zeros(4 << 30)
        s["bomb-3-stages.pdf"] = note(
            stream(zlib.compress(zlib.compress(once, 9), 9), b"[/FlateDecode /FlateDecode /FlateDecode]"))
    bomb = stream(zlib.compress(deflate_zeros(256 * MIB), 9), b"[/FlateDecode /FlateDecode]")
    # A small decoy in plain sight; the study's own file dictionary is
    # reached through an indirect /EF and holds a bomb.
    s["filespec-indirect-ef.pdf"] = document(base(b"[(etude.torvel) 4 0 R (notes.txt) 8 0 R]") + [
        (4, b"<< /Type /Filespec /F (etude.torvel) /EF 7 0 R >>"),
        (5, bomb),
        (7, b"<< /F 5 0 R >>"),
        (8, b"<< /Type /Filespec /F (notes.txt) /EF << /F 9 0 R >> >>"),
        (9, stream(b"rien")),
    ])
    s["filespec-uf-only.pdf"] = note(stream(STUDY), b"<< /Type /Filespec /UF (etude.torvel) /EF << /UF 5 0 R >> >>")
    s["filespec-direct-stream.pdf"] = note(stream(STUDY), b"<< /Type /Filespec /F (etude.torvel) /EF << /F " +
                                           stream(STUDY) + b" >> >>")
    s["filespec-string.pdf"] = document(base(b"[(etude.torvel) (etude.torvel)]"))
    s["filespec-direct.pdf"] = document(base(
        b"[(etude.torvel) << /Type /Filespec /F (etude.torvel) /EF << /F 5 0 R >> >>]") + [(5, stream(STUDY))])
    s["filespec-unicode-name.pdf"] = note(
        stream(STUDY), b"<< /Type /Filespec /UF <FEFF00E9002E0074006F007200760065006C> /EF << /F 5 0 R >> >>")
    s["filespec-other-name.pdf"] = note(stream(STUDY), b"<< /Type /Filespec /F (etude.txt) /EF << /F 5 0 R >> >>")
    # The same number twice: the table of the file says which one is read.
    small = stream(zlib.compress(STUDY), b"/FlateDecode")
    objects = base() + [(4, b"<< /Type /Filespec /F (etude.torvel) /EF << /F 5 0 R >> >>"), (5, bomb), (5, small)]
    s["duplicate-object-bomb-listed.pdf"] = document(objects, pick={5: 5})
    s["duplicate-object-study-listed.pdf"] = document(objects, pick={5: 6})
    s["duplicate-object-no-table.pdf"] = document(objects, xref=False)
    # 32 000 file entries before the study in the name tree.
    entries = b"".join(b"(p%05d.txt) << /F (p%05d.txt) /EF << /F 9 0 R >> >>\n" % (i, i) for i in range(32000))
    s["many-ef-entries.pdf"] = document(base(b"[" + entries + b"(etude.torvel) 4 0 R]") + [
        (4, b"<< /Type /Filespec /F (etude.torvel) /EF << /F 5 0 R >> >>"), (5, stream(STUDY)), (9, stream(b"x"))])
    # Damaged files.
    whole = s["study-deflated.pdf"]
    s["damaged-cut-in-half.pdf"] = whole[: len(whole) // 2]
    s["damaged-no-end-mark.pdf"] = whole[:-7]
    s["damaged-table.pdf"] = whole.replace(b" 00000 n \n", b" 00000 n\r\n", 3).replace(b"startxref\n", b"startxref\n9")
    packed = zlib.compress(STUDY * 40)
    # A block of a type deflate does not have.
    s["damaged-stream.pdf"] = note(stream(packed[:2] + bytes([0x07]) + packed[3:], b"/FlateDecode"))
    s["damaged-filter.pdf"] = note(stream(zlib.compress(STUDY), b"/TorvelDecode"))
    s["damaged-stream-cut.pdf"] = note(stream(packed[: len(packed) // 2], b"/FlateDecode"))
    s["damaged-length.pdf"] = note(stream(STUDY).replace(b"/Length %d" % len(STUDY), b"/Length 99999999"))
    s["damaged-nesting.pdf"] = document(base() + [(4, b"[" * 200000 + b"]" * 200000)])
    s["not-a-pdf.pdf"] = b'{"format": "TORVEL-etude"}\n%%EOF\n'
    return s


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus", "note_reader")
    os.makedirs(folder, exist_ok=True)
    names = set(sys.argv[2:])
    for name, data in seeds(lambda n: not names or n in names).items():
        if names and name not in names:
            continue
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print("%-36s %9d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
