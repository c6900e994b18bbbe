#!/usr/bin/env python3
"""Write the overview document Kvxw_general.rtf from its marked-up source.

Usage: python3 data/tools/make_overview_rtf.py [SOURCE [TARGET]]

SOURCE is data/tools/Kvxw_general.txt (UTF-8) by default, TARGET
data/Load_data/Kvxw_general.rtf. The RTF is pure ASCII: every character
outside ASCII is written as \\'hh escapes of its code page 932 bytes, and a
character without a code page 932 form as \\uN with "?" as its fallback.

Markup of the source, one paragraph per line:
  # text      title: bold, 16 pt, brown
  ## text     section heading: bold, 12 pt, brown
  ### text    sub-heading: bold, 10.5 pt
  - text      list item, written with a leading "・"
  @c text     centred paragraph (may precede any of the above)
  @r text     right-aligned paragraph
  (empty)     empty paragraph
  other       body paragraph, 10 pt
Inside a line: **bold**, __underline__, //italic//, !!red!! (dark red).
A line starting with ";" is a comment and is left out.
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_SOURCE = os.path.join(HERE, 'Kvxw_general.txt')
DEFAULT_TARGET = os.path.join(ROOT, 'data', 'Load_data', 'Kvxw_general.rtf')

# Colour table: 1 black, 2 the program's brown, 3 dark red.
COLOURS = ((0, 0, 0), (99, 69, 24), (160, 0, 0))
BROWN, RED = 2, 3
BODY_SIZE = 20  # half points

BLOCKS = (
    ('### ', dict(bold=True, size=21, colour=1)),
    ('## ', dict(bold=True, size=24, colour=BROWN)),
    ('# ', dict(bold=True, size=32, colour=BROWN)),
)
INLINE = re.compile(r'(\*\*|__|//|!!)')
INLINE_STYLE = {'**': 'b', '__': 'ul', '//': 'i', '!!': 'cf'}


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in '\\{}':
            out.append('\\' + ch)
        elif 0x20 <= code < 0x7F:
            out.append(ch)
        else:
            try:
                data = ch.encode('cp932')
            except UnicodeEncodeError:
                signed = code if code < 0x8000 else code - 0x10000
                if code > 0xFFFF:
                    raise SystemExit('no RTF form for %r outside the basic plane' % ch)
                out.append('\\u%d?' % signed)
                continue
            out.append(''.join("\\'%02x" % b for b in data))
    return ''.join(out)


def inline(text):
    """Body text with the inline marks turned into groups."""
    out = []
    pieces = INLINE.split(text)
    open_marks = []
    for piece in pieces:
        if piece in INLINE_STYLE:
            if open_marks and open_marks[-1] == piece:
                open_marks.pop()
                out.append('}')
            else:
                open_marks.append(piece)
                word = INLINE_STYLE[piece]
                out.append('{\\%s ' % ('cf%d' % RED if word == 'cf' else word))
        else:
            out.append(escape(piece))
    if open_marks:
        raise ValueError('unclosed %s' % ' '.join(open_marks))
    return ''.join(out)


def paragraph(line):
    align = '\\ql'
    if line.startswith('@c '):
        align, line = '\\qc', line[3:]
    elif line.startswith('@r '):
        align, line = '\\qr', line[3:]
    style = dict(bold=False, size=BODY_SIZE, colour=1)
    for prefix, block_style in BLOCKS:
        if line.startswith(prefix):
            style, line = block_style, line[len(prefix):]
            break
    else:
        if line.startswith('- '):
            line = '・' + line[2:]
    head = '\\pard%s\\plain\\fs%d\\cf%d%s ' % (
        align, style['size'], style['colour'], '\\b' if style['bold'] else '')
    return head + inline(line) + '\\par'


def convert(source_text):
    lines = source_text.replace('\r\n', '\n').split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    font = escape('ＭＳ Ｐゴシック')
    colours = ''.join('\\red%d\\green%d\\blue%d;' % c for c in COLOURS)
    out = [
        '{\\rtf1\\ansi\\ansicpg932\\deff0\\uc1',
        '{\\fonttbl{\\f0\\fnil\\fcharset128 %s;}}' % font,
        '{\\colortbl;%s}' % colours,
        '\\viewkind4',
    ]
    for number, line in enumerate(lines, 1):
        if line.startswith(';'):
            continue
        try:
            out.append(paragraph(line))
        except ValueError as error:
            raise SystemExit('line %d: %s' % (number, error))
    out.append('}')
    return '\r\n'.join(out) + '\r\n'


def main(argv):
    source = argv[1] if len(argv) > 1 else DEFAULT_SOURCE
    target = argv[2] if len(argv) > 2 else DEFAULT_TARGET
    with open(source, encoding='utf-8-sig') as f:
        rtf = convert(f.read())
    with open(target, 'w', encoding='ascii', newline='') as f:
        f.write(rtf)
    print('wrote %s (%d bytes)' % (target, len(rtf)))


if __name__ == '__main__':
    main(sys.argv)
