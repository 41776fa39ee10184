"""Writes resources/samples/labels.plt, a sheet of label text for checking the
stroke fonts by eye: the 95 Latin characters, Chinese lines (GB2312 bytes),
symbols, several SI sizes, label origins marked with crosses and four
directions.  Run: python3 tools/make_label_sheet.py
"""
import os

ETX = b"\x03"
out = bytearray(b"IN;SP1;LT;\n")
def cross(x, y, s=60):
    out.extend(b"PU%d,%d;PD%d,%d;PU%d,%d;PD%d,%d;PU;\n" % (x - s, y, x + s, y, x, y - s, x, y + s))
def label(x, y, text, si=None, di=None, lo=None, mark=False):
    if si: out.extend(b"SI%s,%s;" % si)
    if di: out.extend(b"DI%s,%s;" % di)
    if lo is not None: out.extend(b"LO%d;" % lo)
    out.extend(b"PU%d,%d;LB" % (x, y) + text.encode("gb2312") + ETX + b"\n")
    if mark: cross(x, y)
latin = "".join(chr(c) for c in range(0x20, 0x7F))
y = 16000
label(400, y, latin[:48], si=(b"0.285", b"0.375"), di=(b"1", b"0"), lo=1)
label(400, y - 300, latin[48:])
label(400, y - 700, "The quick brown fox jumps over the lazy dog. 0123456789", si=(b"0.4", b"0.6"))
label(400, y - 1400, "服装样板 前片 后片 袖子 领子 裁剪 绘图 切割", si=(b"0.285", b"0.6"))
label(400, y - 2100, "欢迎使用绘图切割一体机，尺码：Ｍ，数量：２片。", si=(b"0.285", b"0.5"))
label(400, y - 2700, "ＡＢＣ１２３ αβγΩ АБВЖЯ あいう アイウ ①②③ ⑴⑵ ⒈⒉ Ⅲ ±×÷ →←↑↓ ○□△ ā á ǎ à ü", si=(b"0.285", b"0.5"))
label(400, y - 3400, "Line one\r\nLine two 第二行\r\nLine three 第三行", si=(b"0.285", b"0.375"))
# Label origins around marked pen positions (small crosses).
x0 = 600
for i, lo in enumerate((1, 3, 5, 7, 9, 11, 16, 19)):
    label(x0 + i * 3000, y - 5200, "LO%d 标签" % lo, si=(b"0.285", b"0.375"), lo=lo, mark=True)
# Directions: 90 degrees and 45 degrees, and upside down.
label(2000, y - 11000, "DI0,1 竖排 upward", di=(b"0", b"1"), lo=1, mark=True)
label(6000, y - 9000, "DI1,1 斜向 45 deg", di=(b"1", b"1"), mark=True)
label(16000, y - 6600, "DI-1,0 倒置 upside down", di=(b"-1", b"0"), mark=True)
label(12000, y - 10500, "DI1,-1 向下 down", di=(b"1", b"-1"), mark=True)
out.extend(b"DI1,0;LO1;SI;PU0,0;")
# A frame around the sheet.
out.extend(b"PU0,0;PD25000,0,25000,16800,0,16800,0,0;PU;\n")
open(os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "resources", "samples", "labels.plt"), "wb").write(bytes(out))
