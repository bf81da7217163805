#!/usr/bin/env python3
"""Reads the wall from a screenshot of the game, as a player's eyes would.

Usage: wall.py SHOT.png
Prints "N <cells across>", "GEOMETRY <left> <top> <cell side>" (screen pixels), "CURSOR <column> <row>" (0 0 when none shows) and one
"ROW <cells>" line per row, top to bottom: R red splot, B blue splot, G green
(the winning line), Y grease spot, . white, ? anything else. Exits 1 when no
wall shows.
"""
import subprocess
import sys

GRID = b"\xc0\xc0\xc0"
CURSOR = (0, 128, 0)
NAMES = {(255, 0, 0): "R", (0, 0, 255): "B", (0, 255, 0): "G", (255, 255, 0): "Y", (255, 255, 255): "."}


def load(path):
    """Width, height and the RGB bytes of a picture."""
    width, height = map(int, subprocess.run(["identify", "-format", "%w %h", path], check=True,
                                            capture_output=True, text=True).stdout.split())
    return width, height, subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                                         capture_output=True).stdout


def main():
    width, height, px = load(sys.argv[1])
    stride = width * 3

    def pixel(x, y):
        i = y * stride + x * 3
        return tuple(px[i:i + 3])

    def grid_in_row(y, x0=0, x1=None):
        row = px[y * stride + x0 * 3:y * stride + (width if x1 is None else x1) * 3]
        return sum(1 for i in range(0, len(row), 3) if row[i:i + 3] == GRID)

    # Vertical grid lines: columns with a long run of grid colour.
    column_counts = [0] * width
    for y in range(height):
        row = px[y * stride:(y + 1) * stride]
        start = row.find(GRID)
        while start >= 0:
            if start % 3 == 0:
                column_counts[start // 3] += 1
            start = row.find(GRID, start + 1)
    columns = [x for x in range(width) if column_counts[x] >= 100]
    # Neighbouring columns (a line two pixels wide) count once.
    lines = [x for i, x in enumerate(columns) if i == 0 or x - columns[i - 1] > 3]
    if len(lines) < 6:
        sys.exit(1)
    n = len(lines)
    cell = (lines[-1] - lines[0]) / (n - 1)
    left = lines[0]
    top = next((y for y in range(height) if grid_in_row(y, left, lines[-1]) >= 0.8 * (lines[-1] - left)), None)
    if top is None:
        sys.exit(1)

    print("N", n)
    print("GEOMETRY", left, top, cell)
    cursor = (0, 0)
    rows = []
    for r in range(n):
        cells = ""
        for c in range(n):
            x, y = int(left + (c + 0.5) * cell), int(top + (r + 0.5) * cell)
            cells += NAMES.get(pixel(x, y), "?")
            # The dotted cursor square runs along the cell's inner top edge.
            edge_y = int(top + r * cell + 0.08 * cell + 0.5)
            dots = sum(1 for k in range(int(0.15 * cell), int(0.85 * cell))
                       for dy in (-1, 0, 1) if pixel(int(left + c * cell + k), edge_y + dy) == CURSOR)
            if dots >= 0.2 * cell:
                cursor = (c + 1, r + 1)
        rows.append(cells)
    print("CURSOR", *cursor)
    for cells in rows:
        print("ROW", cells)


if __name__ == "__main__":
    main()
