#!/usr/bin/env python3
"""Writes the button bar's icons (resources/icons/*.svg), drawn for this
project: one 32 x 32 line style, dark blue strokes, one accent colour for the
machine actions.  Run it again after changing a glyph; the SVGs are committed.
"""
import os

OUT = os.path.join(os.path.dirname(__file__), "..", "resources", "icons")
INK = "#1f4e79"
ACCENT = {"start": "#2e8b57", "pause": "#c8961e", "stop": "#c0392b", "auto_on": "#2e8b57"}

GLYPHS = {
    # files
    "add": '<path d="M8 4h11l6 6v18H8z"/><path d="M19 4v6h6"/><path d="M16.5 14v10M11.5 19h10"/>',
    "save": '<path d="M6 6h17l3 3v17H6z"/><path d="M10 6v7h11V6"/><rect x="10" y="18" width="12" height="8"/>',
    "delete": '<path d="M7 9h18M13 9V6h6v3"/><path d="M9 9l1.5 17h11L23 9"/><path d="M14 13v9M18 13v9"/>',
    "queue_in": '<path d="M5 8h14M5 14h14M5 20h8"/><path d="M22 16v10M17 21h10"/>',
    "queue_out": '<path d="M5 8h14M5 14h14M5 20h8"/><path d="M17 21h10"/>',
    "queue_all_out": '<path d="M5 8h14M5 14h14M5 20h8"/><path d="M18 17l8 8M26 17l-8 8"/>',
    # print control
    "start": '<path d="M10 6l16 10-16 10z" fill="{a}" stroke="{a}"/>',
    "pause": '<path d="M11 7v18M21 7v18" stroke="{a}" stroke-width="5"/>',
    "stop": '<rect x="8" y="8" width="16" height="16" fill="{a}" stroke="{a}"/>',
    "reset": '<path d="M24 16a8 8 0 1 1-3-6.2"/><path d="M22 4v6h-6"/>',
    # jogging: the carriage left and right, the paper forward and back
    "left": '<path d="M26 16H7M13 9l-7 7 7 7"/>',
    "right": '<path d="M6 16h19M19 9l7 7-7 7"/>',
    "feed": '<path d="M16 6v19M9 19l7 7 7-7"/><path d="M6 5h20"/>',
    "back": '<path d="M16 26V7M9 13l7-7 7 7"/><path d="M6 27h20"/>',
    # head test, paper cut-off, offset, settings, network
    "test": '<path d="M11 4h10v9H11z"/><path d="M13 13v3M16 13v5M19 13v3"/><path d="M7 24h4M14 24h4M21 24h4"/>',
    "cutoff": '<circle cx="9" cy="22" r="3.5"/><circle cx="9" cy="10" r="3.5"/><path d="M12 20l14-12M12 12l14 12"/>',
    "offset": '<path d="M6 5v22"/><path d="M10 16h15M20 11l5 5-5 5"/>',
    "params": '<circle cx="16" cy="16" r="4"/><path d="M16 4v4M16 24v4M4 16h4M24 16h4M7.5 7.5l2.8 2.8M21.7 21.7l2.8 2.8M7.5 24.5l2.8-2.8M21.7 10.3l2.8-2.8"/>',
    "ip": '<rect x="5" y="6" width="22" height="14" rx="1"/><path d="M16 20v5M10 26h12"/><path d="M10 13h3M15 13h7"/>',
    "auto_off": '<rect x="4" y="10" width="24" height="12" rx="6"/><circle cx="10" cy="16" r="3.5"/>',
    "auto_on": '<rect x="4" y="10" width="24" height="12" rx="6" fill="{a}" stroke="{a}"/><circle cx="22" cy="16" r="3.5" fill="#ffffff" stroke="#ffffff"/>',
    "language": '<circle cx="16" cy="16" r="11"/><path d="M5 16h22M16 5c-5 6-5 16 0 22M16 5c5 6 5 16 0 22"/>',
    # drawing tools
    "fit": '<path d="M5 11V5h6M21 5h6v6M27 21v6h-6M11 27H5v-6"/><rect x="11" y="11" width="10" height="10"/>',
    "start_point": '<circle cx="16" cy="16" r="9"/><circle cx="16" cy="16" r="2.5" fill="{i}"/><path d="M16 3v6M16 23v6M3 16h6M23 16h6"/>',
    "move_view": '<path d="M16 4v24M4 16h24M12 8l4-4 4 4M12 24l4 4 4-4M8 12l-4 4 4 4M24 12l4 4-4 4"/>',
    "select": '<path d="M8 5l14 11-7 1 4 8-3 1.5-4-8-4 5z"/>',
    "move_line": '<path d="M5 24L17 8"/><path d="M20 20h8M24 16v8"/>',
    "text": '<path d="M7 7h18M16 7v19M12 26h8"/>',
}

LOGO = ('<svg xmlns="http://www.w3.org/2000/svg" width="96" height="32" viewBox="0 0 96 32">'
        '<rect x="1" y="1" width="94" height="30" rx="6" fill="#eef3f8" stroke="{i}" stroke-width="1.5"/>'
        '<path d="M10 24V8h6a4 4 0 0 1 0 8h-6" fill="none" stroke="{i}" stroke-width="2.2"/>'
        '<path d="M26 8l5 16 5-16" fill="none" stroke="#2e8b57" stroke-width="2.2"/>'
        '<path d="M44 22h44" stroke="{i}" stroke-width="1.5" stroke-dasharray="4 3"/>'
        '<path d="M44 12h30" stroke="{i}" stroke-width="2.2"/></svg>')


def svg(body, accent):
    body = body.replace("{a}", accent).replace("{i}", INK)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
            f'<g fill="none" stroke="{INK}" stroke-width="2.2" stroke-linecap="round" '
            f'stroke-linejoin="round">{body}</g></svg>\n')


def main():
    os.makedirs(OUT, exist_ok=True)
    names = []
    for name, body in GLYPHS.items():
        with open(os.path.join(OUT, name + ".svg"), "w") as f:
            f.write(svg(body, ACCENT.get(name, INK)))
        names.append(name)
    with open(os.path.join(OUT, "logo.svg"), "w") as f:
        f.write(LOGO.replace("{i}", INK) + "\n")
    names.append("logo")
    with open(os.path.join(OUT, "icons.qrc"), "w") as f:
        f.write('<RCC>\n  <qresource prefix="/icons">\n')
        for n in sorted(names):
            f.write(f'    <file>{n}.svg</file>\n')
        f.write('  </qresource>\n</RCC>\n')


if __name__ == "__main__":
    main()
