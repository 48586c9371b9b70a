#!/usr/bin/env python3
"""Writes the malformed-file corpus of tests/data/malformed/: small word books, parameter
files, candidate files and text files that are broken in one way each, and NOTES with one line
per file. Run it again after changing a case; the files are committed."""
import os
import random

HERE = os.path.join(os.path.dirname(__file__), '..', 'tests', 'data', 'malformed')
BOM = b'\xff\xfe'
GOOD = '"go","ɡoʊ","ゴウ","行く","",""'


def u16(text, bom=True):
    return (BOM if bom else b'') + text.encode('utf-16-le', 'surrogatepass')


def book(*lines, bom=True, end='\r\n'):
    return u16(end.join(lines) + end, bom)


HEADER = ('題名', '01グループ', '単語理解')
rng = random.Random(2026)
cases = [
    # word books: (file, bytes, note)
    ('good.utx', book(*HEADER, GOOD, '"come","kʌm","カム","来る","",""'), 'a correct book of two words'),
    ('odd_length.utx', book(*HEADER, GOOD)[:-1], 'UTF-16 with an odd number of bytes: the last byte is half a unit'),
    ('truncated_mid_line.utx', book(*HEADER, GOOD, GOOD)[:70], 'cut off in the middle of a word line'),
    ('lone_high_surrogate.utx', book(*HEADER, '"a\ud800b","","","語","",""'), 'a high surrogate without its low half'),
    ('lone_low_surrogate.utx', book(*HEADER, '"\udc00","","","語","",""'), 'a low surrogate without its high half'),
    ('surrogates_swapped.utx', book(*HEADER, '"\udc00\ud800","","","語","",""'), 'a low half before a high half'),
    ('nul_in_title.utx', book('題\x00名', '01', '単語理解', GOOD), 'a NUL character in the title'),
    ('nul_in_field.utx', book(*HEADER, '"g\x00o","","","行く","",""'), 'a NUL character inside a quoted field'),
    ('nul_bytes_only.utx', b'\x00' * 64, 'nothing but NUL bytes'),
    ('utf8_with_mark.utx', b'\xef\xbb\xbf' + ('\r\n'.join(HEADER + (GOOD,)) + '\r\n').encode(), 'UTF-8 with its byte-order mark'),
    ('utf8_without_mark.utx', ('\r\n'.join(HEADER + (GOOD,)) + '\r\n').encode(), 'UTF-8 without a byte-order mark'),
    ('utf16_big_endian.utx', b'\xfe\xff' + ('\r\n'.join(HEADER + (GOOD,)) + '\r\n').encode('utf-16-be'), 'UTF-16 big-endian with its mark'),
    ('no_mark.utx', book(*HEADER, GOOD, bom=False), 'UTF-16 LE without a byte-order mark'),
    ('two_marks.utx', BOM + book(*HEADER, GOOD), 'the byte-order mark twice'),
    ('cr_only.utx', book(*HEADER, GOOD, GOOD, end='\r'), 'lines ended by a lone CR'),
    ('lf_only.utx', book(*HEADER, GOOD, GOOD, end='\n'), 'lines ended by a lone LF'),
    ('mixed_breaks.utx', u16('題名\r01\n単語理解\r\n' + GOOD + '\n\r' + GOOD + '\r'), 'CR, LF, CR LF and LF CR mixed'),
    ('no_final_break.utx', u16('\r\n'.join(HEADER + (GOOD,))), 'no line break after the last line'),
    ('five_fields.utx', book(*HEADER, '"a","b","c","d","e"', GOOD), 'a line of five fields among good ones'),
    ('seven_fields.utx', book(*HEADER, '"a","b","c","d","e","f","g"'), 'a line of seven fields (the seventh is dropped)'),
    ('eight_fields.utx', book(*HEADER, '"a","b","c","d","e","f","g","h"', GOOD), 'a line of eight fields among good ones'),
    ('unbalanced_quote.utx', book(*HEADER, '"go,"ɡoʊ","ゴウ","行く","",""', GOOD), 'a quote that is never closed'),
    ('doubled_quotes.utx', book(*HEADER, '"say ""hi""","","","挨拶","",""'), 'quotes doubled inside a field'),
    ('unquoted_fields.utx', book(*HEADER, 'go,goU,gou,iku,x,y'), 'fields without quotes'),
    ('blanks_between_fields.utx', book(*HEADER, ' "go" ,\t"g" , "k" , "行く" , "" , "" '), 'blanks and tabs around the fields'),
    ('only_commas.utx', book(*HEADER, ',,,,,', ',,,,,,,,,,'), 'lines of commas only'),
    ('empty_lines.utx', book(*HEADER, '', GOOD, '', ''), 'empty lines among the words'),
    ('control_characters.utx', book(*HEADER, '"\x01\x02\x1b","\x7f","","語","",""'), 'control characters in fields'),
    ('long_field.utx', book(*HEADER, '"' + 'x' * 20000 + '","","","長い","",""'), 'a field of 20 000 characters'),
    ('many_words.utx', book(*HEADER, *[f'"w{i}","","","語{i}","",""' for i in range(3000)]), '3 000 words'),
    ('header_only.utx', book(*HEADER), 'the three header lines and no word'),
    ('two_lines.utx', book('題名', '01'), 'only two lines: no book'),
    ('one_line.utx', book('題名'), 'a single line'),
    ('empty.utx', b'', 'an empty file'),
    ('mark_only.utx', BOM, 'the byte-order mark and nothing else'),
    ('single_byte.utx', b'\x41', 'one byte'),
    ('binary_garbage.utx', bytes(rng.randrange(256) for _ in range(4096)), '4 KB of random bytes'),
    ('binary_with_breaks.utx', BOM + b''.join(bytes([rng.randrange(256), 0]) if i % 17 else b'\r\x00\n\x00' for i in range(2000)), 'random units with line breaks'),
    ('older_type_name.utx', book('題名', '01', '発　音', GOOD), 'the older type name 発　音'),
    ('unknown_type_name.utx', book('題名', '01', '自由', GOOD), 'a type name the program does not know'),
    ('title_with_mark_char.utx', book('\ufeff題名', '\ufeff01', '単語理解', GOOD), 'header lines that begin with U+FEFF'),
    ('markers_and_escapes.utx', book(*HEADER, '"a#$22b#$0Dc","#$0D#$0D","#$2","#$22#$22","#$","#"'), 'escapes and line-break markers, whole and cut'),
    ('trailing_comma.utx', book(*HEADER, GOOD + ','), 'a comma after the sixth field (a seventh, empty field)'),
    # parameter files
    ('garbage.rng', bytes(rng.randrange(256) for _ in range(512)), 'a parameter file of random bytes'),
    ('bad_numbers.rng', b'MainLeft,abc\r\nMainTop,-99999999999\r\nMainWidth,0\r\nMainFontSize,9999\r\nIPAFontSize,-5\r\nInpMode,77\r\n', 'numbers that are no numbers or far out of range'),
    ('no_values.rng', b'MainLeft\r\nMainTop,\r\n,5\r\nMainFont,"\r\nFreeUBox,"XYZ"\r\n', 'keys without values and values without keys'),
    ('utf16.rng', u16('MainLeft,10\r\nMainFont,"Times"\r\n'), 'a parameter file in UTF-16'),
    ('long_font.rng', ('MainFont,"' + 'F' * 5000 + '"\r\n').encode(), 'a font name of 5 000 characters'),
    ('quotes.rng', b'MainFont,"a""b"\r\nIPAFont,"unclosed\r\nMyJpFont,x"y\r\n', 'quotes doubled, unclosed and inside a value'),
    # candidate files
    ('cand_bad_code.txt', u16('E,00601,0x259\r\nA,00230\r\n'), 'a candidate file whose five-character field is no code'),
    ('cand_eleven_fields.txt', u16('E,1,2,3,4,5,6,7,8,9,10\r\n'), 'a key with ten candidates'),
    ('cand_empty_lines.txt', u16('\r\n\r\nE\r\n,\r\n'), 'empty lines, a key alone and a lone comma'),
    ('cand_binary.txt', bytes(rng.randrange(256) for _ in range(600)), 'a candidate file of random bytes'),
    ('cand_big_code.txt', u16('E,99999,65536,00000\r\n'), 'codes beyond the BMP and zero'),
    # text files
    ('text_odd_length.txt', u16('a\r\nb\r\n')[:-1], 'a text file with an odd number of bytes'),
    ('text_no_mark.txt', u16('abc\r\n', bom=False), 'a text file without its mark'),
    ('text_surrogates.txt', u16('\ud800x\udc00\r\n'), 'lone surrogates in a text file'),
    ('text_cr_only.txt', u16('a\rb\rc'), 'lines ended by a lone CR'),
    ('text_binary.txt', bytes(rng.randrange(256) for _ in range(777)), 'a text file of random bytes'),
]

os.makedirs(HERE, exist_ok=True)
notes = []
for name, data, note in cases:
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)
    notes.append(f'{name}: {note}')
notes.append('(made at test time) one_mb_line.utx: a single line of 1 MB after the header')
notes.append('(made at test time) folder.utx: a directory named like a book')
with open(os.path.join(HERE, 'NOTES'), 'w', encoding='utf-8') as f:
    f.write('\n'.join(notes) + '\n')
print(len(cases), 'files')
