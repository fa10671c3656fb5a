#!/usr/bin/env python3
"""Draws the before/after pictures of the README's user guide into docs/pictures/.

Builds the command-line tool (Release, build/release), writes the demo database, and for each
edit of the guide runs `slotsmith ... --yes` on a fresh copy of it. The pictures show a slice of
the bank as `slotsmith list` prints it before and after the edit. Which slot went where is read
from the folders themselves (a slot's contents are its identity), so a picture shows what the
edit did, not what this script expects it to do.

Run it again after an edit's behaviour changes and commit the pictures: python3
scripts/make-guide-pictures.py
"""

import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
from dataclasses import dataclass
from html import escape
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "release"
TOOL = BUILD / "src" / "cli" / "slotsmith"
PICTURES = ROOT / "docs" / "pictures"


@dataclass
class Edit:
    picture: str  # file name in docs/pictures, without .svg
    bank: str  # "sounds" or "models"
    arguments: list  # after `slotsmith COMMAND DB`
    command: str
    named: set  # the slots the edit names (consolidate: the unused models it drops)
    first: int = 0  # the first slot of the slice shown
    rows: int = 16
    named_label: str = "the slots the edit names"


EDITS = [
    Edit("copy", "sounds", ["sounds", "2-3", "--to", "8"], "copy", {2, 3},
         named_label="the slots the edit names, and their copies"),
    Edit("move", "sounds", ["sounds", "11-13", "--to", "3"], "move", {11, 12, 13},
         named_label="the slots the edit names, and where they are afterwards"),
    Edit("delete", "sounds", ["sounds", "4,6"], "delete", {4, 6}),
    Edit("remove", "sounds", ["sounds", "4,6"], "remove", {4, 6}),
    Edit("consolidate", "models", [], "consolidate", set(), first=12,
         named_label="unused models, which the edit drops"),
    Edit("replace", "sounds", ["--find", "4", "--with", "12", "--sounds", "0-15"], "replace",
         set()),
]

ROW = 20
CELL_PAD = 6
FONT = "font-family='DejaVu Sans, Verdana, sans-serif' font-size='12'"
MONO = "font-family='DejaVu Sans Mono, monospace' font-size='12'"
COLORS = {
    "named": "#ffd08a",  # a slot the edit names, and where it is afterwards
    "shifted": "#d6e6f5",  # moved to make room or to close a gap
    "emptied": "#e4e4e4",  # empty afterwards
    "rewritten": "#fff1d6",  # the same sound, its model references rewritten
    "plain": "#ffffff",
}


def run(*arguments, check=True):
    return subprocess.run([str(a) for a in arguments], check=check, capture_output=True,
                          text=True, encoding="latin-1")


def build_tool():
    run("cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
        "-DSLOTSMITH_BENCH=OFF")
    subprocess.run(["cmake", "--build", str(BUILD), "-j", "2", "--target", "slotsmith"],
                   check=True, stdout=subprocess.DEVNULL)


def listing(database, bank):
    """The rows of `slotsmith list DB BANK`, split into cells."""
    return [line.split("\t") for line in run(TOOL, "list", database, bank).stdout.splitlines()]


def identities(database, bank):
    """Per slot, a digest of the slot folder's files, or None for an empty slot."""
    folder = Path(database) / ("Sounds" if bank == "sounds" else "Models")
    suffix = ".sound" if bank == "sounds" else ".model"
    result = []
    for slot in range(1000):
        path = folder / f"{slot:03d}{suffix}"
        marker = path / ("sound.script" if bank == "sounds" else "MName")
        if not marker.exists():
            result.append(None)
            continue
        digest = hashlib.sha1()
        for item in sorted(path.iterdir()):
            digest.update(item.name.encode() + b"\0" + item.read_bytes())
        result.append(digest.hexdigest())
    return result


def classify(edit, before_ids, after_ids, before_rows, after_rows):
    """The colour of every row before and after, and the arrows from before to after."""
    before_kinds = ["named" if slot in edit.named else "plain" for slot in range(1000)]
    after_kinds = []
    arrows = []
    first_place = {}
    for slot, identity in enumerate(before_ids):
        if identity is not None:
            first_place.setdefault(identity, slot)
    for slot, identity in enumerate(after_ids):
        source = first_place.get(identity) if identity is not None else None
        if identity is None:
            after_kinds.append("emptied" if before_ids[slot] is not None else "plain")
        elif source is None:
            same_sound = after_rows[slot][1] == before_rows[slot][1]
            after_kinds.append("rewritten" if same_sound else "named")
        elif source in edit.named and edit.command in ("copy", "move"):
            after_kinds.append("named")
            if source != slot:
                arrows.append((source, slot))
        elif source != slot:
            after_kinds.append("shifted")
        else:
            after_kinds.append("plain")
    return before_kinds, after_kinds, arrows


def column_widths(bank):
    return [40, 130, 130, 120] if bank == "sounds" else [40, 130, 120]


def draw_table(x, y, rows, kinds, first, count, bank, title, compare=None):
    widths = column_widths(bank)
    headers = ["#", "Sound", "Model 1", "Model 2"] if bank == "sounds" else ["#", "Model",
                                                                              "Status"]
    parts = [f"<text x='{x}' y='{y - 28}' {FONT} font-weight='bold'>{escape(title)}</text>"]
    cx = x
    for header, width in zip(headers, widths):
        parts.append(f"<rect x='{cx}' y='{y - ROW}' width='{width}' height='{ROW}' "
                     f"fill='#eef1f4' stroke='#b8c2cc'/>")
        parts.append(f"<text x='{cx + CELL_PAD}' y='{y - 6}' {FONT} fill='#333'>{header}</text>")
        cx += width
    for index in range(count):
        slot = first + index
        top = y + index * ROW
        cells = rows[slot]
        cx = x
        for column, (text, width) in enumerate(zip(cells, widths)):
            if column == 0:
                text = str(int(text))
            changed = compare is not None and compare[slot][column] != text and column > 1
            weight = " font-weight='bold'" if changed else ""
            colour = "#8a8a8a" if text.startswith("--") else "#222"
            parts.append(f"<rect x='{cx}' y='{top}' width='{width}' height='{ROW}' "
                         f"fill='{COLORS[kinds[slot]]}' stroke='#d0d6dc'/>")
            anchor = (f"x='{cx + width - CELL_PAD}' text-anchor='end'" if column == 0 else
                      f"x='{cx + CELL_PAD}'")
            parts.append(f"<text {anchor} y='{top + 14}' {FONT} fill='{colour}'{weight}>"
                         f"{escape(text)}</text>")
            cx += width
    return parts, sum(widths)


def draw_legend(x, y, kinds, named_label):
    labels = {
        "named": named_label,
        "shifted": "moved to make room or to close the gap",
        "emptied": "empty afterwards",
        "rewritten": "model references rewritten (bold)",
    }
    parts = []
    for kind in [k for k in labels if k in kinds]:
        parts.append(f"<rect x='{x}' y='{y - 11}' width='14' height='14' fill='{COLORS[kind]}' "
                     f"stroke='#999'/>")
        parts.append(f"<text x='{x + 20}' y='{y}' {FONT} fill='#333'>{labels[kind]}</text>")
        y += 20
    return parts, y


def picture(edit, command_line, before_rows, after_rows, before_kinds, after_kinds, arrows):
    gap = 70
    left = 10
    top = 64
    width = sum(column_widths(edit.bank))
    right = left + width + gap
    parts = [f"<text x='{left}' y='18' {MONO} "
             f"fill='#1d3145'>$ {escape(command_line)}</text>"]
    # A find and replace changes cells, not slots: those cells are bold on both sides.
    compare = after_rows if edit.command == "replace" else None
    table, _ = draw_table(left, top, before_rows, before_kinds, edit.first, edit.rows,
                          edit.bank, "Before", compare)
    parts += table
    compare = before_rows if edit.command == "replace" else None
    table, _ = draw_table(right, top, after_rows, after_kinds, edit.first, edit.rows, edit.bank,
                          "After", compare)
    parts += table
    last = edit.first + edit.rows
    for source, target in arrows:
        if edit.first <= source < last and edit.first <= target < last:
            y1 = top + (source - edit.first) * ROW + ROW / 2
            y2 = top + (target - edit.first) * ROW + ROW / 2
            x1 = left + width + 4
            x2 = right - 8
            parts.append(f"<path d='M{x1} {y1} C{x1 + 30} {y1} {x2 - 30} {y2} {x2} {y2}' "
                         f"fill='none' stroke='#e08a12' stroke-width='1.5' "
                         f"marker-end='url(#head)'/>")
    shown = set(before_kinds[edit.first:last]) | set(after_kinds[edit.first:last])
    legend, bottom = draw_legend(left, top + edit.rows * ROW + 24, shown, edit.named_label)
    parts += legend
    total_width = right + width + 10
    height = bottom + 4
    head = ("<defs><marker id='head' viewBox='0 0 8 8' refX='7' refY='4' markerWidth='8' "
            "markerHeight='8' orient='auto'><path d='M0 0 L8 4 L0 8 z' fill='#e08a12'/>"
            "</marker></defs>")
    return (f"<svg xmlns='http://www.w3.org/2000/svg' width='{total_width}' height='{height}' "
            f"viewBox='0 0 {total_width} {height}'>\n{head}\n"
            f"<rect width='100%' height='100%' fill='#ffffff'/>\n" + "\n".join(parts) +
            "\n</svg>\n")


def names_picture(database):
    """SoundNames as `slotsmith names` writes it, beside the list it comes from."""
    lines = (Path(database) / "SoundNames").read_bytes().decode("latin-1").splitlines()[:12]
    rows = listing(database, "sounds")
    kinds = ["plain"] * 1000
    table, width = draw_table(10, 64, rows, kinds, 0, 12, "sounds", "The sound list")
    x = 10 + width + 40
    parts = [f"<text x='10' y='18' {MONO} "
             f"fill='#1d3145'>$ slotsmith names NeuronDB</text>"] + table
    parts.append(f"<text x='{x}' y='{64 - 6}' {FONT} font-weight='bold'>NeuronDB/SoundNames</text>")
    parts.append(f"<rect x='{x}' y='64' width='230' height='{12 * ROW}' fill='#f7f7f4' "
                 f"stroke='#c9c9c0'/>")
    for index, line in enumerate(lines):
        text = line.replace("\t", "  ")
        parts.append(f"<text x='{x + 8}' y='{64 + index * ROW + 14}' {MONO} xml:space='preserve' "
                     f"fill='#222'>{escape(text)}</text>")
    total_width = x + 240
    height = 64 + 12 * ROW + 20
    return (f"<svg xmlns='http://www.w3.org/2000/svg' width='{total_width}' height='{height}' "
            f"viewBox='0 0 {total_width} {height}'>\n"
            f"<rect width='100%' height='100%' fill='#ffffff'/>\n" + "\n".join(parts) +
            "\n</svg>\n")


def main():
    build_tool()
    PICTURES.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        demo = Path(scratch) / "demo"
        run(TOOL, "demo", demo)
        for edit in EDITS:
            database = Path(scratch) / "NeuronDB"
            shutil.rmtree(database, ignore_errors=True)
            shutil.copytree(demo, database)
            before_rows = listing(database, edit.bank)
            if edit.command == "consolidate":
                edit.named = {n for n, row in enumerate(before_rows) if row[2] == "!!UNUSED!!"}
            before_ids = identities(database, edit.bank)
            arguments = [a for a in edit.arguments if a != "--yes"] + ["--yes"]
            result = run(TOOL, edit.command, database, *arguments, check=False)
            if result.returncode != 0:
                sys.exit(f"slotsmith {edit.command} failed:\n{result.stderr}")
            after_rows = listing(database, edit.bank)
            after_ids = identities(database, edit.bank)
            kinds = classify(edit, before_ids, after_ids, before_rows, after_rows)
            command_line = " ".join(["slotsmith", edit.command, "NeuronDB", *arguments])
            svg = picture(edit, command_line, before_rows, after_rows, *kinds)
            (PICTURES / f"{edit.picture}.svg").write_text(svg, encoding="utf-8")
        database = Path(scratch) / "NeuronDB"
        shutil.rmtree(database)
        shutil.copytree(demo, database)
        run(TOOL, "names", database)
        (PICTURES / "names.svg").write_text(names_picture(database), encoding="utf-8")
    print(f"Pictures written to {PICTURES.relative_to(ROOT)}/")


if __name__ == "__main__":
    os.chdir(ROOT)
    main()
