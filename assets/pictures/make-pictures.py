#!/usr/bin/env python3
"""Draws every picture of Splotchery as SVG (Tiny 1.2 features only, so Qt SVG renders them).

Run from anywhere: python3 assets/pictures/make-pictures.py
It rewrites the SVG files in assets/pictures/ and assets/icons/. The build uses the committed SVGs;
this script is here so the art can be tuned and remade. Python 3 standard library only.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.join(os.path.dirname(HERE), "icons")

# ---------------------------------------------------------------------------------------------
# The palette: warm fun-fair colours, shared by every picture.
INK = "#3b1d12"          # outlines: a warm dark brown instead of black
CREAM = "#fff4dc"
CREAM_DARK = "#f1dcb4"
AWNING_RED = "#e2412f"
AWNING_RED_DARK = "#b02a1d"
GOLD = "#f6c143"
GOLD_DARK = "#d79a1c"
GOLD_LIGHT = "#ffe38a"
WOOD = "#c47a3f"
WOOD_DARK = "#8d4f24"
WOOD_LIGHT = "#e2a566"
TEAL = "#2aa39a"
TEAL_DARK = "#1b7a73"
PINK = "#f07aa8"
PAINT = {
    "red": {"base": "#e8403a", "light": "#ff9a86", "dark": "#b3231f", "hat": "#7a1a26",
            "hat_light": "#a8303c", "foot": "#9c1f1c"},
    "blue": {"base": "#3d7ff0", "light": "#9cc4ff", "dark": "#1f4eb5", "hat": "#1d2f6e",
             "hat_light": "#f6c143", "foot": "#1c418f"},
}
LETTER_COLOURS = ["#e8403a", "#f39a2b", "#f7cf3a", "#3d7ff0", "#a35ad6", "#ef6fa5",
                  "#e8403a", "#f39a2b", "#3d7ff0", "#f7cf3a"]


def f(v):
    """A number for SVG: short, no trailing zeros."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def svg(width, height, body, view=None):
    view = view or f"0 0 {width} {height}"
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="{view}">\n{body}</svg>\n')


def write(path, text):
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def splat_path(cx, cy, r, seed, lobes=9, spike=0.28):
    """A paint splat: a round blob with soft bulges, as a closed path of quadratic curves."""
    rnd = random.Random(seed)
    pts = []
    n = lobes * 2
    for i in range(n):
        a = 2 * math.pi * i / n + rnd.uniform(-0.18, 0.18)
        rr = r * (1 + spike * rnd.uniform(0.0, 1.5)) if i % 2 == 0 else r * (1 - spike * 0.5 * rnd.uniform(0.2, 1))
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    # Smooth closed curve through midpoints.
    mids = [((pts[i][0] + pts[(i + 1) % n][0]) / 2, (pts[i][1] + pts[(i + 1) % n][1]) / 2) for i in range(n)]
    d = f"M{f(mids[-1][0])},{f(mids[-1][1])}"
    for i in range(n):
        d += f" Q{f(pts[i][0])},{f(pts[i][1])} {f(mids[i][0])},{f(mids[i][1])}"
    return d + " Z"


def splat(cx, cy, r, colour, seed, outline=None, width=1.0, drops=3, lobes=9, spike=0.28):
    out = f'<path d="{splat_path(cx, cy, r, seed, lobes, spike)}" fill="{colour}"'
    out += f' stroke="{outline}" stroke-width="{f(width)}" stroke-linejoin="round"/>' if outline else "/>"
    rnd = random.Random(seed * 7 + 1)
    for _ in range(drops):
        a = rnd.uniform(0, 2 * math.pi)
        dist = r * rnd.uniform(1.45, 1.8)
        dr = r * rnd.uniform(0.1, 0.18)
        out += f'<circle cx="{f(cx + dist * math.cos(a))}" cy="{f(cy + dist * math.sin(a))}" r="{f(dr)}" fill="{colour}"'
        out += f' stroke="{outline}" stroke-width="{f(width * 0.8)}"/>' if outline else "/>"
    return out


# ---------------------------------------------------------------------------------------------
# The painters. Drawn facing right in a 32 x 32 box (Red's painter stands left of the pump);
# Blue's painter is the mirror image with its own hat.

def outlined_stroke(d, colour, width, ink_extra=1.5):
    return (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="{f(width + ink_extra)}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{f(width)}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def hand(x, y, colour, r=1.7):
    return f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(r)}" fill="{colour}" stroke="{INK}" stroke-width="0.75"/>'


def nozzle(x, y, angle, length=7.0):
    """The hose's brass nozzle held at (x, y), pointing at angle degrees (0 = right, -90 = up)."""
    a = math.radians(angle)
    ex, ey = x + length * math.cos(a), y + length * math.sin(a)
    bx, by = x - 2.2 * math.cos(a), y - 2.2 * math.sin(a)
    d = f"M{f(bx)},{f(by)} L{f(ex)},{f(ey)}"
    tip = (f'<circle cx="{f(ex)}" cy="{f(ey)}" r="1.25" fill="{GOLD_DARK}" stroke="{INK}" stroke-width="0.6"/>')
    return (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="3.3" stroke-linecap="round"/>'
            f'<path d="{d}" fill="none" stroke="{GOLD}" stroke-width="2.0" stroke-linecap="round"/>'
            f'<path d="{d}" fill="none" stroke="{GOLD_LIGHT}" stroke-width="0.6" stroke-linecap="round" '
            f'transform="translate({f(-0.45 * math.sin(a))},{f(0.45 * math.cos(a) - 0.4)})"/>' + tip), (ex, ey)


def eyes(style, cx, cy, look=(0.6, 0.0), big=1.0):
    """Two eyes, the near one (right) a little larger: facing right."""
    out = ""
    for i, (ex, sc) in enumerate(((cx - 3.1, 0.92), (cx + 2.6, 1.0))):
        rx, ry = 2.4 * sc * big, 3.0 * sc * big
        if style in ("open", "wide", "look_up", "determined"):
            out += (f'<ellipse cx="{f(ex)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="#ffffff" '
                    f'stroke="{INK}" stroke-width="0.55"/>')
            pr = 1.5 * sc if style != "wide" else 1.05 * sc
            lx, ly = look
            if style == "look_up":
                lx, ly = 0.5, -1.0
            px, py = ex + lx * (rx - pr - 0.2), cy + ly * (ry - pr - 0.3) + 0.3
            out += f'<circle cx="{f(px)}" cy="{f(py)}" r="{f(pr)}" fill="{INK}"/>'
            out += f'<circle cx="{f(px + 0.45 * sc)}" cy="{f(py - 0.5 * sc)}" r="{f(0.45 * sc)}" fill="#ffffff"/>'
            if style == "determined":
                # A brow slanting down towards the nose.
                out += (f'<path d="M{f(ex - 2.2)},{f(cy - ry - 0.9 + (0 if i else 0.0))} '
                        f'L{f(ex + 2.0)},{f(cy - ry + 0.2 + (0 if i else -0.4))}" stroke="{INK}" '
                        f'stroke-width="1.1" stroke-linecap="round" fill="none"/>')
        elif style == "closed":  # peaceful, sleeping: arcs hanging down
            out += (f'<path d="M{f(ex - 2)},{f(cy)} Q{f(ex)},{f(cy + 1.8)} {f(ex + 2)},{f(cy)}" '
                    f'stroke="{INK}" stroke-width="0.95" stroke-linecap="round" fill="none"/>')
        elif style == "happy":  # laughing: arcs bowing up
            out += (f'<path d="M{f(ex - 2.1)},{f(cy + 0.8)} Q{f(ex)},{f(cy - 2.2)} {f(ex + 2.1)},{f(cy + 0.8)}" '
                    f'stroke="{INK}" stroke-width="1.1" stroke-linecap="round" fill="none"/>')
        elif style == "wink":
            if i == 1:
                out += (f'<path d="M{f(ex - 2.1)},{f(cy + 0.6)} Q{f(ex)},{f(cy - 1.9)} {f(ex + 2.1)},{f(cy + 0.6)}" '
                        f'stroke="{INK}" stroke-width="1.1" stroke-linecap="round" fill="none"/>')
            else:
                out += (f'<ellipse cx="{f(ex)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="#ffffff" '
                        f'stroke="{INK}" stroke-width="0.7"/>')
                out += f'<circle cx="{f(ex + 0.6)}" cy="{f(cy + 0.3)}" r="{f(1.3 * sc)}" fill="{INK}"/>'
                out += f'<circle cx="{f(ex + 1.0)}" cy="{f(cy - 0.2)}" r="0.4" fill="#ffffff"/>'
    return out


def mouth(style, cx, cy):
    if style == "smile":
        return (f'<path d="M{f(cx - 2.4)},{f(cy)} Q{f(cx)},{f(cy + 2.2)} {f(cx + 2.4)},{f(cy - 0.4)}" '
                f'stroke="{INK}" stroke-width="1.0" stroke-linecap="round" fill="none"/>')
    if style == "small":
        return (f'<path d="M{f(cx - 1.3)},{f(cy)} Q{f(cx)},{f(cy + 1.0)} {f(cx + 1.3)},{f(cy - 0.2)}" '
                f'stroke="{INK}" stroke-width="0.9" stroke-linecap="round" fill="none"/>')
    if style == "o":
        return (f'<ellipse cx="{f(cx)}" cy="{f(cy + 0.4)}" rx="1.3" ry="1.6" fill="#6b1a1a" '
                f'stroke="{INK}" stroke-width="0.7"/>')
    if style in ("open", "big"):
        w = 3.0 if style == "open" else 3.6
        h = 3.0 if style == "open" else 3.8
        d = f"M{f(cx - w)},{f(cy - 0.6)} Q{f(cx)},{f(cy - 0.1)} {f(cx + w)},{f(cy - 0.9)} Q{f(cx + 0.3)},{f(cy + h)} {f(cx - w)},{f(cy - 0.6)} Z"
        tongue = f'<ellipse cx="{f(cx + 0.2)}" cy="{f(cy + h * 0.45)}" rx="{f(w * 0.45)}" ry="{f(h * 0.2)}" fill="{PINK}"/>'
        return f'<path d="{d}" fill="#6b1a1a" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>' + tongue
    if style == "grin":
        d = f"M{f(cx - 2.8)},{f(cy - 0.5)} Q{f(cx)},{f(cy + 0.2)} {f(cx + 2.6)},{f(cy - 1.1)} Q{f(cx + 0.2)},{f(cy + 2.6)} {f(cx - 2.8)},{f(cy - 0.5)} Z"
        return f'<path d="{d}" fill="#ffffff" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>'
    if style == "wavy":  # gritted, concentrating
        return (f'<path d="M{f(cx - 2.2)},{f(cy)} q0.75,-0.8 1.5,0 t1.5,0 t1.5,0" '
                f'stroke="{INK}" stroke-width="0.9" stroke-linecap="round" fill="none"/>')
    return ""


def hat(side, hx, hy, tilt):
    """Red wears a painter's beret, Blue a bobble hat: different silhouettes, not only colours."""
    c = PAINT[side]
    if side == "red":
        return (f'<g transform="translate({f(hx)},{f(hy)}) rotate({f(tilt)})">'
                f'<path d="M-0.4,-3.6 q0.2,-1.3 1.3,-1.6" stroke="{INK}" stroke-width="1.3" stroke-linecap="round" fill="none"/>'
                f'<ellipse cx="0" cy="0" rx="7.6" ry="3.4" fill="{c["hat"]}" stroke="{INK}" stroke-width="0.85"/>'
                f'<ellipse cx="-1.8" cy="-1.3" rx="3.2" ry="1.1" fill="{c["hat_light"]}"/>'
                f'</g>')
    return (f'<g transform="translate({f(hx)},{f(hy)}) rotate({f(tilt)})">'
            f'<path d="M-6.2,1.6 Q-6.2,-5.4 0,-5.4 Q6.2,-5.4 6.2,1.6 Z" fill="{c["hat"]}" stroke="{INK}" stroke-width="0.85" stroke-linejoin="round"/>'
            f'<path d="M-6.4,1.7 L6.4,1.7" stroke="{INK}" stroke-width="2.9" stroke-linecap="round"/>'
            f'<path d="M-6.4,1.7 L6.4,1.7" stroke="{c["hat_light"]}" stroke-width="1.6" stroke-linecap="round"/>'
            f'<circle cx="0" cy="-6.2" r="2.0" fill="{c["hat_light"]}" stroke="{INK}" stroke-width="0.8"/>'
            f'</g>')


def spark(x, y, s, colour=GOLD):
    d = (f"M{f(x)},{f(y - s)} Q{f(x + s * 0.18)},{f(y - s * 0.18)} {f(x + s)},{f(y)} "
         f"Q{f(x + s * 0.18)},{f(y + s * 0.18)} {f(x)},{f(y + s)} Q{f(x - s * 0.18)},{f(y + s * 0.18)} {f(x - s)},{f(y)} "
         f"Q{f(x - s * 0.18)},{f(y - s * 0.18)} {f(x)},{f(y - s)} Z")
    return f'<path d="{d}" fill="{colour}" stroke="{INK}" stroke-width="0.5" stroke-linejoin="round"/>'


def zee(x, y, s):
    return (f'<path d="M{f(x)},{f(y)} h{f(s)} l{f(-s)},{f(s)} h{f(s)}" stroke="#ffffff" stroke-width="{f(s * 0.5)}" '
            f'stroke-linecap="round" stroke-linejoin="round" fill="none" opacity="0.95"/>'
            f'<path d="M{f(x)},{f(y)} h{f(s)} l{f(-s)},{f(s)} h{f(s)}" stroke="{INK}" stroke-width="{f(s * 0.22)}" '
            f'stroke-linecap="round" stroke-linejoin="round" fill="none"/>')


# Each pose: how the body sits and what face, arms, nozzle and extras it shows.
# Arms are (shoulder, elbow, hand) points; "front" arms are drawn over the body.
POSES = [
    # 0 rest: dozing, squashed low, arms hanging, a little "z".
    dict(dy=1.2, sx=1.06, sy=0.9, eyes="closed", mouth="small", tilt=-8,
         arms=[((8, 22), (5.5, 25), (5.5, 27.5), False), ((22, 22), (24.5, 25), (24.5, 27.5), False)],
         extras=["zzz"], shadow=1.0),
    # 1 first start: woken up, surprised, arms thrown out.
    dict(dy=-0.6, sx=0.96, sy=1.04, eyes="wide", mouth="o", tilt=6, look=(0, 0),
         arms=[((7, 18), (3.5, 15.5), (2.5, 12.5), False), ((23, 18), (26.5, 15.5), (27.5, 12.5), False)],
         extras=["bang"], shadow=1.0),
    # 2 introduction: waving hello with the near hand.
    dict(dy=0, sx=1, sy=1, eyes="open", mouth="open", tilt=-4, look=(0.7, -0.1),
         arms=[((7.5, 20), (5, 23), (5.5, 26), False), ((23, 17), (27, 13), (27, 8.5), False)],
         extras=["wave"], shadow=1.0),
    # 3 squirting: leaning in, nozzle up towards the wall, the other arm back for balance.
    dict(dy=0.2, sx=1.0, sy=0.98, eyes="determined", mouth="wavy", tilt=-4, look=(1, -0.6), lean=-0.6,
         arms=[((7.5, 19), (3.5, 17.5), (2.5, 14), False), ((22, 20), (25.5, 19.5), (25.5, 16.5), True)],
         nozzle=(25.3, 16.6, -62, 6.2), extras=["jet"], shadow=1.0),
    # 4 ready: bright-eyed, nozzle held up, the other fist up.
    dict(dy=-0.8, sx=0.97, sy=1.03, eyes="look_up", mouth="smile", tilt=0,
         arms=[((8, 19), (4.5, 17), (4.5, 13.5), False), ((22.5, 20), (26, 20), (26.5, 17), False)],
         nozzle=(26.5, 17.2, -78, 6.0), shadow=1.0),
    # 5 end of game: hands on hips, calm and content.
    dict(dy=0, sx=1.04, sy=0.98, eyes="open", mouth="smile", tilt=-3, look=(0, 0.1),
         arms=[((8, 19), (3.5, 21.5), (7.2, 24.5), False), ((22, 19), (26.5, 21.5), (22.8, 24.5), False)],
         shadow=1.0),
    # 6 victory, first frame: a jump with both arms up.
    dict(dy=-3.2, sx=0.94, sy=1.06, eyes="happy", mouth="big", tilt=0,
         arms=[((8.5, 16), (5.5, 11.5), (4.5, 7.5), False), ((21.5, 16), (24.5, 11.5), (25.5, 7.5), False)],
         extras=["sparks"], shadow=0.6, feet_up=True),
    # 7 victory, second frame: landing wide, arms out, confetti.
    dict(dy=1.0, sx=1.1, sy=0.9, eyes="happy", mouth="open", tilt=0,
         arms=[((7, 20), (3, 18.5), (1.8, 15.5), False), ((23, 20), (27, 18.5), (28.2, 15.5), False)],
         extras=["confetti"], shadow=1.1),
    # 8 after squirting: nozzle lowered and dripping, a wink.
    dict(dy=0, sx=1, sy=1, eyes="wink", mouth="grin", tilt=-6, look=(0.6, 0),
         arms=[((8, 19), (3.5, 21.5), (7.2, 24.5), False), ((22.5, 21), (25, 23.5), (26.5, 24.5), False)],
         nozzle=(26.5, 24.5, 20, 4.6), extras=["drip"], shadow=1.0),
]


def painter_pose(side, pose):
    p = POSES[pose]
    c = PAINT[side]
    dy = p["dy"]
    sx, sy = p["sx"], p["sy"]
    cx, cy = 15.0 + p.get("lean", 0), 20.0 + dy
    rx, ry = 9.6 * sx, 9.2 * sy
    parts = []
    grad = f"body-{side}"
    # Ground shadow.
    s = p["shadow"]
    parts.append(f'<ellipse cx="15" cy="30.6" rx="{f(9.5 * s)}" ry="{f(1.3 * s)}" fill="#000000" opacity="0.22"/>')
    # Feet.
    fy = min(29.3, cy + ry - 0.6) if not p.get("feet_up") else cy + ry - 0.2
    for fx in (cx - 4.2, cx + 4.2):
        parts.append(f'<ellipse cx="{f(fx + 0.8)}" cy="{f(fy)}" rx="3.2" ry="1.75" fill="{c["foot"]}" '
                     f'stroke="{INK}" stroke-width="0.8"/>')
    # Arms behind the body.
    def arm(a):
        (x0, y0), (x1, y1), (x2, y2), _ = a
        d = f"M{f(x0)},{f(y0 + dy * 0.6)} Q{f(x1)},{f(y1 + dy * 0.6)} {f(x2)},{f(y2 + dy * 0.6)}"
        return outlined_stroke(d, c["base"], 2.2, 1.5) + hand(x2, y2 + dy * 0.6, c["base"])
    for a in p["arms"]:
        if not a[3]:
            parts.append(arm(a))
    # Body: a round drop of paint with a soft highlight.
    parts.append(f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="url(#{grad})" '
                 f'stroke="{INK}" stroke-width="1.0"/>')
    parts.append(f'<ellipse cx="{f(cx - rx * 0.45)}" cy="{f(cy - ry * 0.55)}" rx="{f(rx * 0.22)}" ry="{f(ry * 0.13)}" '
                 f'fill="#ffffff" opacity="0.75" transform="rotate(-35 {f(cx - rx * 0.45)} {f(cy - ry * 0.55)})"/>')
    # Face, turned a little to the right.
    fx, fy2 = cx + 2.4, cy - 1.8
    parts.append(f'<ellipse cx="{f(fx - 4.6)}" cy="{f(fy2 + 4.2)}" rx="1.5" ry="0.9" fill="{PINK}" opacity="0.8"/>')
    parts.append(f'<ellipse cx="{f(fx + 5.0)}" cy="{f(fy2 + 4.0)}" rx="1.2" ry="0.9" fill="{PINK}" opacity="0.8"/>')
    parts.append(eyes(p["eyes"], fx, fy2, p.get("look", (0.6, 0))))
    parts.append(mouth(p["mouth"], fx + 0.4, fy2 + 5.0))
    # Hat on the crown.
    parts.append(hat(side, cx - 0.6 + p["tilt"] * 0.05, cy - ry + 1.2, p["tilt"]))
    # Nozzle and front arms.
    tip = None
    if "nozzle" in p:
        nx, ny, ang, ln = p["nozzle"]
        hose_from = (nx - 2.5 * math.cos(math.radians(ang)), ny - 2.5 * math.sin(math.radians(ang)))
        # A bit of hose trailing from the nozzle towards the pump.
        hd = f"M{f(hose_from[0])},{f(hose_from[1] + dy * 0.6)} Q{f(hose_from[0] + 3)},{f(29)} {f(31.5)},{f(27.5)}"
        parts.append(outlined_stroke(hd, "#4b5a62", 1.3, 1.2))
        nz, tip = nozzle(nx, ny + dy * 0.6, ang, ln)
        parts.append(nz)
    for a in p["arms"]:
        if a[3]:
            parts.append(arm(a))
    # Extras.
    for e in p.get("extras", []):
        if e == "zzz":
            for (x, y, sz) in ((5.0, 5.2, 3.2), (1.2, 0.9, 2.2)):
                z = zee(x, y, sz)
                if side == "blue":  # mirrored twice, so it still reads as a "z"
                    z = f'<g transform="translate({f(2 * x + sz)},0) scale(-1,1)">{z}</g>'
                parts.append(z)
        elif e == "bang":
            parts.append(f'<path d="M5.4,1.6 L6.0,6.4" stroke="{INK}" stroke-width="2.6" stroke-linecap="round"/>'
                         f'<path d="M5.4,1.6 L6.0,6.4" stroke="{GOLD}" stroke-width="1.4" stroke-linecap="round"/>'
                         f'<circle cx="6.3" cy="9.1" r="1.15" fill="{GOLD}" stroke="{INK}" stroke-width="0.6"/>')
        elif e == "wave":
            parts.append(f'<path d="M29.6,5.6 q1.2,1.6 0.2,3.4" stroke="{INK}" stroke-width="0.8" stroke-linecap="round" fill="none"/>'
                         f'<path d="M24.6,5.2 q-1.2,1.6 -0.3,3.4" stroke="{INK}" stroke-width="0.8" stroke-linecap="round" fill="none"/>')
        elif e == "jet" and tip:
            ex, ey = tip
            d = f"M{f(ex)},{f(ey)} Q{f(ex + 0.6)},{f(ey - 7)} {f(30.6)},{f(1.2)}"
            parts.append(f'<path d="{d}" stroke="{INK}" stroke-width="3.0" stroke-linecap="round" fill="none"/>'
                         f'<path d="{d}" stroke="{c["base"]}" stroke-width="1.9" stroke-linecap="round" fill="none"/>')
            for (x, y, r) in ((26.4, 3.4, 0.8), (29.6, 6.8, 0.7)):
                parts.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(r)}" fill="{c["base"]}" stroke="{INK}" stroke-width="0.45"/>')
            parts.append(nozzle(p["nozzle"][0], p["nozzle"][1] + dy * 0.6, p["nozzle"][2], p["nozzle"][3])[0])
        elif e == "drip" and tip:
            ex, ey = tip
            parts.append(f'<path d="M{f(ex)},{f(ey + 0.6)} q0.9,1.6 0,2.6 q-0.9,-1 0,-2.6 Z" fill="{c["base"]}" '
                         f'stroke="{INK}" stroke-width="0.5"/>')
        elif e == "sparks":
            parts.append(spark(2.5, 3.5, 2.2) + spark(28.5, 3.0, 2.4) + spark(29.5, 12.5, 1.5, "#ffffff"))
        elif e == "confetti":
            rnd = random.Random(7 if side == "red" else 11)
            cols = [c["base"], GOLD, TEAL, PINK, "#ffffff"]
            for i, (x, y) in enumerate(((4, 3), (10, 1.5), (20, 2), (27, 4.5), (30, 9), (2, 9), (15, 0.9))):
                rot = rnd.uniform(0, 180)
                parts.append(f'<rect x="{f(x - 1)}" y="{f(y - 0.5)}" width="2" height="1.1" fill="{cols[i % len(cols)]}" '
                             f'stroke="{INK}" stroke-width="0.35" transform="rotate({f(rot)} {f(x)} {f(y)})"/>')
    return "".join(parts)


STRIDE = 40  # the poses lie side by side in one strip, 40 units apart, each in a 32 x 32 box


def painter_defs(side):
    c = PAINT[side]
    return (f'<defs><radialGradient id="body-{side}" cx="0.38" cy="0.32" r="0.75" fx="0.34" fy="0.28">'
            f'<stop offset="0" stop-color="{c["light"]}"/><stop offset="0.45" stop-color="{c["base"]}"/>'
            f'<stop offset="1" stop-color="{c["dark"]}"/></radialGradient></defs>\n')


def painter_strip(side):
    body = painter_defs(side)
    for i in range(len(POSES)):
        inner = painter_pose(side, i)
        if side == "blue":
            inner = f'<g transform="translate(32,0) scale(-1,1)">{inner}</g>'
        body += f'<g id="pose{i}" transform="translate({i * STRIDE},0)">{inner}</g>\n'
    return svg(STRIDE * (len(POSES) - 1) + 32, 32, body)


def painter_single(side, pose, scale, dx=0, dy=0):
    inner = painter_pose(side, pose)
    if side == "blue":
        inner = f'<g transform="translate(32,0) scale(-1,1)">{inner}</g>'
    return f'<g transform="translate({f(dx)},{f(dy)}) scale({f(scale)})">{inner}</g>'



# ---------------------------------------------------------------------------------------------
# The booth, 543 x 345. The white wall hangs on it at 133, 7 (about 287 x 287); the painters, the
# pump and the puddles stand on the stage below it (from y 296). Everything else frames that.

BOOTH_W, BOOTH_H = 543, 345
WALL = (133, 7, 287, 287)
STAGE_TOP = 296


def candy_post(x, y0, y1, w=14):
    """A fair-ground pole with red and cream spiral stripes and golden knobs at both ends."""
    out = f'<rect x="{x}" y="{y0}" width="{w}" height="{y1 - y0}" fill="{CREAM}"/>'
    k, h = 9, 7  # the slope and width of a stripe
    y = y0 - k - h
    while y < y1:
        top_l, top_r = y + k, y
        pts = [(x, max(y0, min(y1, top_l))), (x + w, max(y0, min(y1, top_r))),
               (x + w, max(y0, min(y1, top_r + h))), (x, max(y0, min(y1, top_l + h)))]
        out += '<polygon points="' + " ".join(f"{f(a)},{f(b)}" for a, b in pts) + f'" fill="{AWNING_RED}"/>'
        y += 2 * h
    # Shading: light on the left, shadow on the right.
    out += f'<rect x="{x + 2}" y="{y0}" width="2.5" height="{y1 - y0}" fill="#ffffff" opacity="0.35"/>'
    out += f'<rect x="{x + w - 4}" y="{y0}" width="4" height="{y1 - y0}" fill="#000000" opacity="0.18"/>'
    out += f'<rect x="{x}" y="{y0}" width="{w}" height="{y1 - y0}" fill="none" stroke="{INK}" stroke-width="1.2"/>'
    return out


def knob(cx, cy, r):
    return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="url(#gold-ball)" stroke="{INK}" stroke-width="1.1"/>'
            f'<circle cx="{f(cx - r * 0.35)}" cy="{f(cy - r * 0.35)}" r="{f(r * 0.28)}" fill="#ffffff" opacity="0.8"/>')


def bunting(x0, y0, x1, y1, sag, n, seed):
    """A string of pennants hanging in a curve from (x0, y0) to (x1, y1)."""
    cols = [AWNING_RED, GOLD, "#3d7ff0", TEAL, PINK, "#f39a2b"]
    rnd = random.Random(seed)
    mx, my = (x0 + x1) / 2, max(y0, y1) + sag
    out = (f'<path d="M{f(x0)},{f(y0)} Q{f(mx)},{f(my + sag * 0.0)} {f(x1)},{f(y1)}" fill="none" '
           f'stroke="{INK}" stroke-width="1.1"/>')
    def at(t):
        # the curve with control point (mx, my + sag): point at t
        cxp, cyp = mx, my
        x = (1 - t) ** 2 * x0 + 2 * (1 - t) * t * cxp + t * t * x1
        y = (1 - t) ** 2 * y0 + 2 * (1 - t) * t * cyp + t * t * y1
        return x, y
    for i in range(n):
        t0 = (i + 0.15) / n
        t1 = (i + 0.85) / n
        (ax, ay), (bx, by) = at(t0), at(t1)
        tx, ty = (ax + bx) / 2, (ay + by) / 2 + 12
        col = cols[(i + seed) % len(cols)]
        out += (f'<polygon points="{f(ax)},{f(ay)} {f(bx)},{f(by)} {f(tx)},{f(ty)}" fill="{col}" '
                f'stroke="{INK}" stroke-width="0.9" stroke-linejoin="round"/>')
        out += (f'<polygon points="{f(ax + 1.5)},{f(ay + 1.2)} {f((ax + bx) / 2)},{f((ay + by) / 2 + 1)} {f(tx - 0.6)},{f(ty - 3)}" '
                f'fill="#ffffff" opacity="0.25"/>')
    return out


def bulb(cx, cy, on=True):
    glow = f'<circle cx="{f(cx)}" cy="{f(cy)}" r="5" fill="{GOLD_LIGHT}" opacity="0.35"/>' if on else ""
    return (glow + f'<rect x="{f(cx - 1.4)}" y="{f(cy - 4.2)}" width="2.8" height="2" fill="#7a7a7a" stroke="{INK}" stroke-width="0.6"/>'
            f'<circle cx="{f(cx)}" cy="{f(cy)}" r="2.6" fill="{"#fff3a8" if on else "#e8d9a8"}" stroke="{INK}" stroke-width="0.8"/>'
            f'<circle cx="{f(cx - 0.8)}" cy="{f(cy - 0.8)}" r="0.8" fill="#ffffff"/>')


def duck(x, y, s=1.0):
    """A rubber duck prize, sitting at (x, y) (bottom centre)."""
    return (f'<g transform="translate({f(x)},{f(y)}) scale({f(s)})">'
            f'<ellipse cx="0" cy="-6" rx="10" ry="6" fill="{GOLD}" stroke="{INK}" stroke-width="1.1"/>'
            f'<path d="M-10,-8 q-4,-4 -1,-7 q2,3 4,4 Z" fill="{GOLD}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'
            f'<circle cx="5" cy="-15" r="6" fill="{GOLD}" stroke="{INK}" stroke-width="1.1"/>'
            f'<path d="M10,-15.5 q5,0.5 5,2 q-2,1.8 -5,0.8 Z" fill="#f39a2b" stroke="{INK}" stroke-width="0.9" stroke-linejoin="round"/>'
            f'<circle cx="6.5" cy="-17" r="1.3" fill="{INK}"/>'
            f'<path d="M-4,-7 q3,3 7,0" fill="none" stroke="{GOLD_DARK}" stroke-width="1.2" stroke-linecap="round"/>'
            f'<ellipse cx="2" cy="-18" rx="2" ry="1" fill="#ffffff" opacity="0.6"/>'
            f'</g>')


def bear(x, y, s=1.0):
    """A teddy bear prize, sitting at (x, y) (bottom centre)."""
    fur, muzzle = "#b9793f", "#ecc79a"
    return (f'<g transform="translate({f(x)},{f(y)}) scale({f(s)})">'
            f'<circle cx="-8" cy="-30" r="4" fill="{fur}" stroke="{INK}" stroke-width="1.1"/>'
            f'<circle cx="8" cy="-30" r="4" fill="{fur}" stroke="{INK}" stroke-width="1.1"/>'
            f'<ellipse cx="-7" cy="-3" rx="5" ry="3.6" fill="{fur}" stroke="{INK}" stroke-width="1.1"/>'
            f'<ellipse cx="7" cy="-3" rx="5" ry="3.6" fill="{fur}" stroke="{INK}" stroke-width="1.1"/>'
            f'<ellipse cx="0" cy="-10" rx="9" ry="9" fill="{fur}" stroke="{INK}" stroke-width="1.1"/>'
            f'<ellipse cx="0" cy="-8" rx="5" ry="5" fill="{muzzle}"/>'
            f'<circle cx="0" cy="-24" r="9" fill="{fur}" stroke="{INK}" stroke-width="1.1"/>'
            f'<ellipse cx="0" cy="-21" rx="4.2" ry="3.2" fill="{muzzle}" stroke="{INK}" stroke-width="0.7"/>'
            f'<ellipse cx="0" cy="-22.4" rx="1.5" ry="1.1" fill="{INK}"/>'
            f'<circle cx="-3.5" cy="-26" r="1.2" fill="{INK}"/><circle cx="3.5" cy="-26" r="1.2" fill="{INK}"/>'
            f'<path d="M-6,-16 L0,-13.5 L6,-16 L6,-12 L0,-14.5 L-6,-12 Z" fill="{AWNING_RED}" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>'
            f'</g>')


def ball(x, y, r, c1, c2):
    return (f'<circle cx="{f(x)}" cy="{f(y - r)}" r="{f(r)}" fill="{c1}" stroke="{INK}" stroke-width="1.1"/>'
            f'<path d="M{f(x - r)},{f(y - r)} Q{f(x)},{f(y - r * 1.6)} {f(x + r)},{f(y - r)} Q{f(x)},{f(y - r * 0.4)} {f(x - r)},{f(y - r)} Z" '
            f'fill="{c2}" stroke="{INK}" stroke-width="0.8"/>'
            f'<circle cx="{f(x - r * 0.4)}" cy="{f(y - r * 1.45)}" r="{f(r * 0.2)}" fill="#ffffff" opacity="0.7"/>')


def star(cx, cy, r, colour=GOLD, rot=0, width=1.0):
    pts = []
    for i in range(10):
        a = math.radians(rot - 90 + 36 * i)
        rr = r if i % 2 == 0 else r * 0.47
        pts.append(f"{f(cx + rr * math.cos(a))},{f(cy + rr * math.sin(a))}")
    return f'<polygon points="{" ".join(pts)}" fill="{colour}" stroke="{INK}" stroke-width="{f(width)}" stroke-linejoin="round"/>'


def shelf(x0, x1, y):
    return (f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="5" fill="{WOOD}" stroke="{INK}" stroke-width="1"/>'
            f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="1.6" fill="{WOOD_LIGHT}"/>'
            f'<rect x="{x0 + 1}" y="{y + 5}" width="{x1 - x0 - 2}" height="3" fill="#000000" opacity="0.18"/>'
            f'<path d="M{x0 + 6},{y + 5} l4,8 M{x1 - 6},{y + 5} l-4,8" stroke="{WOOD_DARK}" stroke-width="2" stroke-linecap="round"/>')


def booth():
    W, H = BOOTH_W, BOOTH_H
    wx, wy, ww, wh = WALL
    defs = ('<defs>'
            f'<linearGradient id="back" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#155f66"/>'
            f'<stop offset="1" stop-color="#1f7f86"/></linearGradient>'
            f'<linearGradient id="stage" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#c98a4d"/>'
            f'<stop offset="0.25" stop-color="#e0a86a"/><stop offset="1" stop-color="#d49a5c"/></linearGradient>'
            f'<linearGradient id="frame" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="{GOLD_LIGHT}"/>'
            f'<stop offset="0.5" stop-color="{GOLD}"/><stop offset="1" stop-color="{GOLD_DARK}"/></linearGradient>'
            f'<radialGradient id="gold-ball" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="{GOLD_LIGHT}"/>'
            f'<stop offset="1" stop-color="{GOLD_DARK}"/></radialGradient>'
            f'<linearGradient id="awn-shade" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#000000" stop-opacity="0.25"/>'
            f'<stop offset="0.5" stop-color="#000000" stop-opacity="0"/></linearGradient>'
            '</defs>\n')
    out = defs
    # The back of the booth: deep teal, with a scatter of little gold stars.
    out += f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#back)"/>'
    rnd = random.Random(3)
    for _ in range(60):
        x = rnd.uniform(22, W - 22)
        y = rnd.uniform(50, STAGE_TOP - 8)
        if wx - 10 < x < wx + ww + 10:
            continue
        out += f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rnd.uniform(0.8, 1.6))}" fill="{GOLD_LIGHT}" opacity="0.45"/>'
    # Big soft paint splats on the back wall of each wing: the trade of the house.
    out += f'<g opacity="0.9">{splat(70, 112, 17, AWNING_RED, 21, INK, 1.0, drops=4)}</g>'
    out += f'<g opacity="0.9">{splat(474, 112, 17, "#3d7ff0", 34, INK, 1.0, drops=4)}</g>'
    out += f'<circle cx="66" cy="108" r="5" fill="#ffffff" opacity="0.25"/><circle cx="470" cy="108" r="5" fill="#ffffff" opacity="0.25"/>'
    # Prize shelves in both wings.
    out += shelf(26, 124, 238) + shelf(419, 517, 238)
    out += bear(52, 238, 0.95) + duck(99, 238, 0.95)
    out += ball(444, 238, 11, TEAL, "#ffffff") + duck(494, 238, 0.95)
    out += shelf(30, 122, 178) + shelf(421, 513, 178)
    out += star(48, 166, 11, GOLD, 0) + ball(82, 178, 8, PINK, GOLD_LIGHT) + star(110, 166, 9, "#f39a2b", 10)
    out += star(436, 166, 9, "#f39a2b", -10) + bear(468, 178, 0.62) + star(498, 166, 11, GOLD, 0)
    # The stage: calm light planks where the painters and the pump stand.
    out += f'<rect x="0" y="{STAGE_TOP}" width="{W}" height="{H - STAGE_TOP}" fill="url(#stage)"/>'
    out += f'<rect x="0" y="{STAGE_TOP}" width="{W}" height="2" fill="{WOOD_DARK}"/>'
    for y in (309, 322):
        out += f'<rect x="0" y="{y}" width="{W}" height="0.8" fill="{WOOD_DARK}" opacity="0.25"/>'
    # A pot of each colour at the ends of the stage, well away from the painters.
    out += f'<ellipse cx="42.5" cy="331" rx="12" ry="2" fill="#000000" opacity="0.18"/>'
    out += bucket(34, 315, 17, 15, AWNING_RED, "#ff9a86", "#b3231f", 21, label_star=False)
    out += (f'<path d="M60,329 L76,318" stroke="{INK}" stroke-width="3.4" stroke-linecap="round"/>'
            f'<path d="M60,329 L76,318" stroke="{WOOD_LIGHT}" stroke-width="1.8" stroke-linecap="round"/>'
            f'<path d="M58,330.5 l-3,1.2 l1.4,-3.4 Z" fill="{AWNING_RED}" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>')
    out += f'<ellipse cx="500.5" cy="331" rx="12" ry="2" fill="#000000" opacity="0.18"/>'
    out += bucket(492, 315, 17, 15, "#3d7ff0", "#9cc4ff", "#1f4eb5", 22, label_star=False)
    out += (f'<g transform="translate(474,329.5) scale(1,0.38)">'
            f'{splat(0, 0, 6, "#3d7ff0", 23, INK, 1.2, drops=2, lobes=7, spike=0.25)}</g>')
    # The counter's front: red apron with a golden trim along the stage's edge.
    out += f'<rect x="0" y="335" width="{W}" height="{H - 335}" fill="{AWNING_RED}"/>'
    out += f'<rect x="0" y="333" width="{W}" height="3" fill="{GOLD}" stroke="{INK}" stroke-width="0.8"/>'
    for x in range(8, W, 22):
        out += f'<circle cx="{x + 3}" cy="340.5" r="2.1" fill="{GOLD_LIGHT}" stroke="{INK}" stroke-width="0.6"/>'
    # The wall's golden frame is the booth's opening: the awning covers the two wings only, red and
    # cream stripes with scalloped edges, each wing running a little way in behind the frame's
    # moulding, so that nothing crosses the rectangle where the white wall hangs.
    frame_left, frame_right = wx - 7, wx + ww + 7
    tuck = 3
    top, drop = 0, 30
    wings = ((0, frame_left + tuck), (frame_right - tuck, W))
    stripes = 5
    bulbs = []
    for n, (x0, x1) in enumerate(wings):
        sw = (x1 - x0) / stripes
        for i in range(stripes):
            x = x0 + i * sw
            # the stripes next to the frame are red on both sides
            red = (i % 2 == 0) if n == 1 else ((stripes - 1 - i) % 2 == 0)
            d = (f"M{f(x)},{top} L{f(x + sw)},{top} L{f(x + sw)},{drop} "
                 f"A{f(sw / 2)},{f(sw / 2.2)} 0 0 1 {f(x)},{drop} Z")
            out += f'<path d="{d}" fill="{AWNING_RED if red else CREAM}" stroke="{INK}" stroke-width="1.1" stroke-linejoin="round"/>'
            if 0 < i:
                bulbs.append(x)
        out += f'<rect x="{f(x0)}" y="0" width="{f(x1 - x0)}" height="{drop}" fill="url(#awn-shade)"/>'
    # The rail the awning and the frame hang from, across the whole top.
    out += f'<rect x="0" y="0" width="{W}" height="4" fill="{AWNING_RED_DARK}" stroke="{INK}" stroke-width="1"/>'
    # Light bulbs between the scallops, clear of the posts and the frame.
    for cx in bulbs:
        if 23 < cx < frame_left - 8 or frame_right + 8 < cx < W - 23:
            out += bulb(cx, drop + 5)
    # Bunting strung in each wing from the post to the frame, its ends tied behind the moulding.
    out += bunting(20, 50, frame_left + tuck, 50, 14, 6, 0) + bunting(frame_right - tuck, 50, W - 20, 50, 14, 6, 3)
    # The frame the wall hangs in: a golden moulding standing on the stage, plain cream board inside.
    out += f'<rect x="{wx - 7}" y="{wy - 5}" width="{ww + 14}" height="{wh + 10}" rx="3" fill="#000000" opacity="0.25" transform="translate(3,3)"/>'
    out += f'<rect x="{wx - 7}" y="{wy - 5}" width="{ww + 14}" height="{wh + 10}" rx="3" fill="url(#frame)" stroke="{INK}" stroke-width="1.4"/>'
    out += f'<rect x="{wx - 1}" y="{wy - 1}" width="{ww + 2}" height="{wh + 2}" fill="{CREAM}" stroke="{GOLD_DARK}" stroke-width="1.5"/>'
    # Until the first game the wall is not up: a faint pencilled grid waits for the paint.
    grid = ""
    for k in range(1, 8):
        gx = wx + 4 + k * (ww - 8) / 8
        gy = wy + 4 + k * (wh - 8) / 8
        grid += f"M{f(gx)},{wy + 4} L{f(gx)},{wy + wh - 4} M{wx + 4},{f(gy)} L{wx + ww - 4},{f(gy)} "
    out += f'<path d="{grid}" stroke="{CREAM_DARK}" stroke-width="1" fill="none"/>'
    out += f'<rect x="{wx + 4}" y="{wy + 4}" width="{ww - 8}" height="{wh - 8}" fill="none" stroke="{CREAM_DARK}" stroke-width="1"/>'
    # Posts at both sides, over the awning's edge, down to the stage.
    out += candy_post(6, 4, STAGE_TOP + 8) + candy_post(W - 20, 4, STAGE_TOP + 8)
    out += knob(13, 6, 7) + knob(W - 13, 6, 7)
    return svg(W, H, out)



# ---------------------------------------------------------------------------------------------
# The pump, 32 x 32: a teal paint tank with a golden plunger. The hose lies on the stage towards
# the painter whose turn it is: picture 1 to the left (Red), picture 0 to the right (Blue).

def pump(hose_left):
    out = ('<defs><linearGradient id="tank" x1="0" y1="0" x2="1" y2="0">'
           f'<stop offset="0" stop-color="{TEAL_DARK}"/><stop offset="0.35" stop-color="#4cc7bd"/>'
           f'<stop offset="1" stop-color="{TEAL_DARK}"/></linearGradient>'
           '<linearGradient id="brass" x1="0" y1="0" x2="1" y2="0">'
           f'<stop offset="0" stop-color="{GOLD_DARK}"/><stop offset="0.4" stop-color="{GOLD_LIGHT}"/>'
           f'<stop offset="1" stop-color="{GOLD_DARK}"/></linearGradient></defs>')
    body = ""
    body += '<ellipse cx="16" cy="30.6" rx="9" ry="1.3" fill="#000000" opacity="0.22"/>'
    # Hose: from the tank's foot, over the stage to the frame's edge (drawn for the right; mirrored).
    hose = "M20.5,25 C25,25 24,29.5 28,29.3 L32,29"
    body += (f'<path d="{hose}" fill="none" stroke="{INK}" stroke-width="3.2" stroke-linecap="butt"/>'
             f'<path d="{hose}" fill="none" stroke="#4b5a62" stroke-width="1.9" stroke-linecap="butt"/>'
             f'<path d="M21,24.4 C24.5,24.4 24,28.6 28,28.6" fill="none" stroke="#8fa3ad" stroke-width="0.6"/>')
    # Plunger rod and handle.
    body += f'<rect x="15" y="4.5" width="2" height="9" fill="#c9d2d6" stroke="{INK}" stroke-width="0.7"/>'
    body += (f'<rect x="8.5" y="2.3" width="15" height="3.2" rx="1.6" fill="{AWNING_RED}" stroke="{INK}" stroke-width="0.9"/>'
             f'<rect x="10" y="2.9" width="8" height="0.9" rx="0.45" fill="#ffffff" opacity="0.5"/>')
    # Tank with golden bands and a dome.
    body += f'<path d="M10,14 Q16,9.5 22,14 Z" fill="url(#brass)" stroke="{INK}" stroke-width="0.9" stroke-linejoin="round"/>'
    body += f'<rect x="10" y="13.5" width="12" height="15" rx="2" fill="url(#tank)" stroke="{INK}" stroke-width="1"/>'
    body += f'<rect x="9.6" y="15.5" width="12.8" height="2" fill="url(#brass)" stroke="{INK}" stroke-width="0.6"/>'
    body += f'<rect x="9.6" y="25.2" width="12.8" height="2" fill="url(#brass)" stroke="{INK}" stroke-width="0.6"/>'
    # A little gauge.
    body += (f'<circle cx="16" cy="21.4" r="2.6" fill="#ffffff" stroke="{INK}" stroke-width="0.7"/>'
             f'<path d="M16,21.4 L17.6,20" stroke="{AWNING_RED}" stroke-width="0.8" stroke-linecap="round"/>')
    # Foot plate.
    body += f'<rect x="8" y="28" width="16" height="2.6" rx="1" fill="{WOOD}" stroke="{INK}" stroke-width="0.8"/>'
    if hose_left:
        body = f'<g transform="translate(32,0) scale(-1,1)">{body}</g>'
    return svg(32, 32, out + body)


# ---------------------------------------------------------------------------------------------
# The title, 466 x 56: "Splotchery" in dripping paint, each letter its own colour. The lettering
# keeps clear of the picture's top rows: at the default window size the title reaches a few pixels
# above the window's client area, under the menu bar, and the letters' tops must not be cut there.
TITLE_TOP_MARGIN = 5      # transparent rows above the lettering
TITLE_SCALE = 0.86        # the letters as drawn below (about 60 units tall with the shadow) to fit

# Each letter: (advance width, centre-line strokes, drips as (x, from y, to y)).
LETTERS = {
    "S": (44, ["M37,12 C33,4 11,3 9,12 C7,20 37,18 37,29 C37,40 12,42 6,33"], [(10, 36, 47)]),
    "p": (42, ["M7,17 L7,47", "M7,23 C11,15 36,14 36,27 C36,40 13,41 7,34"], []),
    "l": (21, ["M9,6 L9,33 Q9,38 15,38"], [(9, 38, 47)]),
    "o": (42, ["M6,27 C6,14 36,14 36,27 C36,40 6,40 6,27 Z"], [(21, 38, 48)]),
    "t": (31, ["M13,8 L13,32 Q13,38 22,38", "M5,18 L25,18"], []),
    "c": (38, ["M33,20 C27,13 6,14 6,27 C6,40 27,41 33,34"], [(14, 38, 46)]),
    "h": (42, ["M7,6 L7,38", "M7,26 C9,15 35,14 35,25 L35,38"], [(35, 38, 47)]),
    "e": (42, ["M7,28 L35,27 C36,14 9,12 6,27 C5,40 26,42 34,35"], [(20, 39, 45)]),
    "r": (32, ["M7,17 L7,38", "M7,28 C9,19 17,15 27,17"], [(7, 38, 48)]),
    "y": (42, ["M6,17 L19,37", "M35,17 L18,45 Q15,49 8,47"], []),
}


def title():
    word = "Splotchery"
    gap = 5
    total = sum(LETTERS[ch][0] for ch in word) + gap * (len(word) - 1)
    x = (466 - total) / 2
    rnd = random.Random(5)
    shadow, ink, paint, shine = "", "", "", ""
    for n, ch in enumerate(word):
        w, strokes, drips = LETTERS[ch]
        rot = rnd.uniform(-5, 5)
        lift = rnd.uniform(-1.5, 1.5)
        col = LETTER_COLOURS[n]
        tf = f'translate({f(x)},{f(lift)}) rotate({f(rot)} {f(w / 2)} 27)'
        d = " ".join(strokes)
        drip_d = " ".join(f"M{dx},{y0} L{dx},{y1 - 3}" for dx, y0, y1 in drips)
        drop = "".join(f'<circle cx="{dx}" cy="{y1 - 3}" r="{{r}}" fill="{{c}}"/>' for dx, y0, y1 in drips)
        def layer(colour, width, drip_width, blob):
            g = f'<g transform="{tf}">'
            g += (f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{f(width)}" '
                  f'stroke-linecap="round" stroke-linejoin="round"/>')
            if drips:
                g += (f'<path d="{drip_d}" fill="none" stroke="{colour}" stroke-width="{f(drip_width)}" '
                      f'stroke-linecap="round"/>')
                g += drop.replace("{r}", f(blob)).replace("{c}", colour)
            return g + '</g>'
        shadow += f'<g transform="translate(2.2,2.4)" opacity="0.35">{layer("#000000", 11, 6.6, 4.3)}</g>'
        ink += layer(INK, 11, 6.6, 4.3)
        paint += layer(col, 7.6, 3.6, 2.9)
        shine += (f'<g transform="{tf}"><path d="{d}" fill="none" stroke="#ffffff" stroke-width="1.6" opacity="0.45" '
                  f'stroke-linecap="round" stroke-linejoin="round" transform="translate(-1.2,-1.4)"/></g>')
        x += w + gap
    # The letters are drawn from y = -1.5 (the tops of S, l and h with their ink) to about y = 57
    # (the drips' blobs with the shadow); scaled about the word's centre, below the top margin.
    top = -1.5
    tx = 466 / 2 * (1 - TITLE_SCALE)
    ty = TITLE_TOP_MARGIN - top * TITLE_SCALE
    body = shadow + ink + paint + shine
    return svg(466, 56, f'<g transform="translate({f(tx)},{f(ty)}) scale({TITLE_SCALE})">{body}</g>')


# ---------------------------------------------------------------------------------------------
# The side picture, 80 x 216: balloons tied to paint pots.

def balloon(cx, cy, r, colour, light):
    return (f'<path d="M{f(cx)},{f(cy + r * 1.15)} l-2,3.5 h4 Z" fill="{colour}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'
            f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(r)}" ry="{f(r * 1.18)}" fill="{colour}" stroke="{INK}" stroke-width="1.3"/>'
            f'<ellipse cx="{f(cx - r * 0.38)}" cy="{f(cy - r * 0.45)}" rx="{f(r * 0.22)}" ry="{f(r * 0.36)}" fill="{light}" '
            f'opacity="0.8" transform="rotate(25 {f(cx - r * 0.38)} {f(cy - r * 0.45)})"/>')


def bucket(x, y, w, h, colour, light, dark, seed, label_star=True):
    """A paint pot with a wire handle and paint running over the rim; (x, y) its top-left."""
    rim = 4
    out = (f'<path d="M{f(x + 2)},{f(y + 2)} Q{f(x + w / 2)},{f(y - h * 0.75)} {f(x + w - 2)},{f(y + 2)}" fill="none" '
           f'stroke="{INK}" stroke-width="2.2"/>'
           f'<path d="M{f(x + 2)},{f(y + 2)} Q{f(x + w / 2)},{f(y - h * 0.75)} {f(x + w - 2)},{f(y + 2)}" fill="none" '
           f'stroke="#c9d2d6" stroke-width="1"/>')
    out += (f'<path d="M{f(x)},{f(y)} L{f(x + 3)},{f(y + h)} Q{f(x + w / 2)},{f(y + h + 3)} {f(x + w - 3)},{f(y + h)} L{f(x + w)},{f(y)} Z" '
            f'fill="#dfe6ea" stroke="{INK}" stroke-width="1.3" stroke-linejoin="round"/>')
    out += f'<path d="M{f(x + 5)},{f(y + 4)} L{f(x + 7)},{f(y + h - 2)}" stroke="#ffffff" stroke-width="2.2" stroke-linecap="round" opacity="0.8"/>'
    # a label band in the paint's colour, on the big pots with a star
    if label_star:
        out += (f'<path d="M{f(x + 1.4)},{f(y + h * 0.4)} L{f(x + w - 1.4)},{f(y + h * 0.4)} L{f(x + w - 2.2)},{f(y + h * 0.72)} '
                f'L{f(x + 2.2)},{f(y + h * 0.72)} Z" fill="{colour}" stroke="{INK}" stroke-width="0.9"/>')
        out += star(x + w / 2, y + h * 0.56, h * 0.12, GOLD, 0, 0.7)
    # paint over the rim, running down
    rnd = random.Random(seed)
    d = f"M{f(x - 1)},{f(y - 1)} L{f(x + w + 1)},{f(y - 1)} L{f(x + w + 0.5)},{f(y + rim)}"
    px = x + w - 1
    while px > x + 3:
        run = rnd.uniform(3, 10) if rnd.random() < 0.5 else 0
        step = rnd.uniform(3.5, 6)
        d += f" Q{f(px - step * 0.5)},{f(y + rim + run + 3)} {f(px - step)},{f(y + rim)}" if run else f" L{f(px - step)},{f(y + rim)}"
        px -= step
    d += f" L{f(x - 0.5)},{f(y + rim)} Z"
    out += f'<path d="{d}" fill="{colour}" stroke="{INK}" stroke-width="1.1" stroke-linejoin="round"/>'
    out += f'<ellipse cx="{f(x + w / 2)}" cy="{f(y - 0.5)}" rx="{f(w / 2 + 0.6)}" ry="2.6" fill="{dark}" stroke="{INK}" stroke-width="1.1"/>'
    out += f'<ellipse cx="{f(x + w / 2 - 3)}" cy="{f(y - 1.2)}" rx="{f(w / 5)}" ry="0.9" fill="{light}" opacity="0.8"/>'
    return out


def side_picture():
    out = ""
    # Strings first, from each balloon down to the pots' handles.
    for (bx, by), (tx, ty) in (((22, 34), (30, 150)), ((56, 26), (34, 150)), ((42, 70), (58, 160)), ((18, 96), (27, 152))):
        out += (f'<path d="M{bx},{by} C{bx - 6},{(by + ty) / 2 - 10} {tx + 6},{(by + ty) / 2 + 10} {tx},{ty}" fill="none" '
                f'stroke="#fff4dc" stroke-width="1"/>')
    out += balloon(56, 18, 13, GOLD, "#ffffff")
    out += balloon(22, 24, 14, AWNING_RED, "#ffd0c8")
    out += balloon(42, 56, 13, "#3d7ff0", "#d6e6ff")
    out += balloon(18, 84, 11, PINK, "#ffffff")
    out += balloon(60, 90, 10, TEAL, "#d9fffb")
    # Paint pots at the bottom, a brush leaning in the front one.
    out += bucket(40, 164, 34, 40, "#3d7ff0", "#9cc4ff", "#1f4eb5", 3)
    out += bucket(6, 160, 36, 44, AWNING_RED, "#ff9a86", "#b3231f", 8)
    out += (f'<path d="M30,158 L46,122" stroke="{INK}" stroke-width="5" stroke-linecap="round"/>'
            f'<path d="M30,158 L46,122" stroke="{WOOD_LIGHT}" stroke-width="3" stroke-linecap="round"/>'
            f'<rect x="41" y="124" width="7" height="6" fill="#c9d2d6" stroke="{INK}" stroke-width="1" transform="rotate(24 44 127)"/>'
            f'<path d="M44.5,121 q1,-7 6,-9 q0,6 -3,10 Z" fill="{GOLD}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>')
    out += splat(40, 211, 3.2, GOLD, 9, INK, 0.8, drops=2, lobes=6, spike=0.3)
    out += f'<ellipse cx="40" cy="211" rx="36" ry="3" fill="#000000" opacity="0.18"/>'
    out += bucket(24, 186, 26, 26, GOLD, "#fff3a8", GOLD_DARK, 12)
    return svg(80, 216, out)


# ---------------------------------------------------------------------------------------------
# The picture buttons, 36 x 36: golden frame, cream face; pressed looks pushed in.

def button_frame(pressed):
    out = ('<defs><linearGradient id="rim" x1="0" y1="0" x2="1" y2="1">'
           f'<stop offset="0" stop-color="{GOLD_LIGHT}"/><stop offset="1" stop-color="{GOLD_DARK}"/></linearGradient>'
           '<linearGradient id="rim-in" x1="0" y1="0" x2="1" y2="1">'
           f'<stop offset="0" stop-color="{GOLD_DARK}"/><stop offset="1" stop-color="{GOLD_LIGHT}"/></linearGradient>'
           '<linearGradient id="face" x1="0" y1="0" x2="0" y2="1">'
           f'<stop offset="0" stop-color="#fffaf0"/><stop offset="1" stop-color="{CREAM_DARK}"/></linearGradient>'
           '<linearGradient id="face-in" x1="0" y1="0" x2="0" y2="1">'
           f'<stop offset="0" stop-color="#d9c096"/><stop offset="1" stop-color="{CREAM_DARK}"/></linearGradient></defs>')
    if not pressed:
        out += '<rect x="2" y="2.5" width="33" height="33" rx="7" fill="#000000" opacity="0.35"/>'
        out += f'<rect x="0.8" y="0.8" width="33" height="33" rx="7" fill="url(#rim)" stroke="{INK}" stroke-width="1.2"/>'
        out += f'<rect x="4" y="4" width="26.6" height="26.6" rx="5" fill="url(#face)" stroke="{GOLD_DARK}" stroke-width="0.8"/>'
        out += '<path d="M5.5,10 Q6,5.5 10.5,5.2 L24,5.2" fill="none" stroke="#ffffff" stroke-width="1.4" stroke-linecap="round" opacity="0.9"/>'
    else:
        out += f'<rect x="1.8" y="1.8" width="33" height="33" rx="7" fill="url(#rim-in)" stroke="{INK}" stroke-width="1.2"/>'
        out += f'<rect x="5" y="5" width="26.6" height="26.6" rx="5" fill="url(#face-in)" stroke="{GOLD_DARK}" stroke-width="0.8"/>'
        out += '<path d="M5.6,27 L5.6,10.5 Q5.6,5.6 10.5,5.6 L27,5.6" fill="none" stroke="#000000" stroke-width="1.6" opacity="0.25"/>'
    return out


def button(kind, pressed):
    out = button_frame(pressed)
    shift = 1.0 if pressed else 0.0
    icon = ""
    if kind == "start":
        icon += splat(17.3, 17.3, 8.2, AWNING_RED, 4, INK, 1.0, drops=2, lobes=8, spike=0.22)
        icon += f'<path d="M14.6,12.6 L22.4,17.3 L14.6,22 Z" fill="#ffffff" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>'
    elif kind == "end":
        # A door standing open, an arrow on its way out.
        icon += f'<rect x="9" y="8" width="13" height="19" fill="#3b2a20" stroke="{INK}" stroke-width="1"/>'
        icon += f'<path d="M9,8 L17,10 L17,29 L9,27 Z" fill="{WOOD}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>'
        icon += f'<circle cx="15.2" cy="19.3" r="1" fill="{GOLD}" stroke="{INK}" stroke-width="0.5"/>'
        icon += (f'<path d="M19,18 L26.5,18" stroke="{INK}" stroke-width="4.4" stroke-linecap="round"/>'
                 f'<path d="M24.5,13.8 L29,18 L24.5,22.2 Z" fill="{AWNING_RED}" stroke="{INK}" stroke-width="1.1" stroke-linejoin="round"/>'
                 f'<path d="M19,18 L26.5,18" stroke="{AWNING_RED}" stroke-width="2.4" stroke-linecap="round"/>')
    elif kind == "hint":
        icon += f'<circle cx="17.3" cy="14.8" r="9" fill="{GOLD_LIGHT}" opacity="0.55"/>'
        icon += (f'<path d="M13.2,20.5 C10,18 10.3,9 17.3,8.6 C24.3,9 24.6,18 21.4,20.5 L21,23 L13.6,23 Z" fill="#fff3a8" '
                 f'stroke="{INK}" stroke-width="1.1" stroke-linejoin="round"/>')
        icon += f'<path d="M15.2,21 L16.2,16 L17.3,18 L18.4,16 L19.4,21" fill="none" stroke="{GOLD_DARK}" stroke-width="0.9" stroke-linejoin="round"/>'
        icon += f'<rect x="13.8" y="23" width="7" height="4.4" rx="1" fill="#a9b5bb" stroke="{INK}" stroke-width="0.9"/>'
        icon += f'<path d="M14,25 L20.6,25" stroke="{INK}" stroke-width="0.6"/>'
        icon += f'<ellipse cx="14.8" cy="12.2" rx="1.3" ry="2.1" fill="#ffffff" transform="rotate(30 14.8 12.2)"/>'
    out += f'<g transform="translate({f(shift - 0.3)},{f(shift - 0.3)})">{icon}</g>'
    return svg(36, 36, out)


# ---------------------------------------------------------------------------------------------
# The settings dialog's plus/minus control, 20 x 20: plus in the upper-left triangle, minus in the
# lower-right one; the pressed half sinks in.

def plumin(pressed):  # pressed: None, "plus" or "minus"
    up_face, down_face = "#f3ead8", "#d2c2a2"
    out = ""
    for half in ("plus", "minus"):
        down = pressed == half
        face = down_face if down else up_face
        if half == "plus":
            poly = "0.5,0.5 19.5,0.5 0.5,19.5"
            light = "M0.9,18.6 L0.9,0.9 L18.6,0.9"
            sign = "M3.6,6.4 L9.2,6.4 M6.4,3.6 L6.4,9.2"
            col = TEAL_DARK
        else:
            poly = "19.5,0.5 19.5,19.5 0.5,19.5"
            light = "M1.4,19.1 L19.1,19.1 L19.1,1.4"
            sign = "M10.8,13.6 L16.4,13.6"
            col = AWNING_RED_DARK
        out += f'<polygon points="{poly}" fill="{face}"/>'
        # raised: light on the top and left, dark on the bottom and right; sunk: the other way round
        if half == "plus":
            edge = "#ffffff" if not down else "#8a7a5c"
        else:
            edge = "#8a7a5c" if not down else "#ffffff"
        out += f'<path d="{light}" fill="none" stroke="{edge}" stroke-width="1.2"/>'
        off = 0.6 if down else 0
        out += (f'<path d="{sign}" transform="translate({f(off)},{f(off)})" stroke="{INK}" stroke-width="3.0" stroke-linecap="round"/>'
                f'<path d="{sign}" transform="translate({f(off)},{f(off)})" stroke="{col}" stroke-width="1.6" stroke-linecap="round"/>')
    out += f'<path d="M19.5,0.5 L0.5,19.5" stroke="#8a7a5c" stroke-width="1"/>'
    out += f'<rect x="0.5" y="0.5" width="19" height="19" rx="1" fill="none" stroke="{INK}" stroke-width="1"/>'
    return svg(20, 20, out)


# ---------------------------------------------------------------------------------------------
# The about box's pictures (64 x 64, on dark blue) and the program's icon.

def about(side_name):
    col = PAINT[side_name]["base"]
    out = painter_defs(side_name)
    out += splat(32, 31, 19, GOLD, 41 if side_name == "red" else 43, INK, 1.2, drops=2, lobes=10, spike=0.22)
    out += star(9, 10, 5, GOLD, 0, 0.8) + star(55, 52, 4, GOLD, 15, 0.8) + star(56, 10, 3, "#ffffff", 5, 0.6)
    out += painter_single(side_name, 2, 1.75, 4, 4)
    return svg(64, 64, out)


def icon():
    out = painter_defs("red")
    out += '<defs><linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">'
    out += f'<stop offset="0" stop-color="#fffaf0"/><stop offset="1" stop-color="{CREAM_DARK}"/></linearGradient></defs>'
    out += f'<rect x="3" y="5" width="58" height="56" rx="10" fill="#000000" opacity="0.25"/>'
    out += f'<rect x="2" y="3" width="58" height="56" rx="10" fill="url(#tile)" stroke="{INK}" stroke-width="2"/>'
    # Awning stripes along the top with scallops.
    sw = 54 / 6
    for i in range(6):
        x = 4 + i * sw
        colr = AWNING_RED if i % 2 == 0 else "#ffffff"
        out += (f'<path d="M{f(x)},5 L{f(x + sw)},5 L{f(x + sw)},14 A{f(sw / 2)},{f(sw / 2.3)} 0 0 1 {f(x)},14 Z" '
                f'fill="{colr}" stroke="{INK}" stroke-width="1.3" stroke-linejoin="round"/>')
    out += splat(23, 38, 12, "#e8403a", 52, INK, 1.6, drops=2, lobes=8, spike=0.3)
    out += splat(42, 40, 10.5, "#3d7ff0", 55, INK, 1.6, drops=2, lobes=8, spike=0.3)
    out += f'<ellipse cx="19" cy="33" rx="3.2" ry="2" fill="#ffffff" opacity="0.55" transform="rotate(-30 19 33)"/>'
    out += f'<ellipse cx="39" cy="36" rx="2.8" ry="1.8" fill="#ffffff" opacity="0.55" transform="rotate(-30 39 36)"/>'
    return svg(64, 64, out)


def main():
    for side in ("red", "blue"):
        write(os.path.join(HERE, f"painter-{side}.svg"), painter_strip(side))
    write(os.path.join(HERE, "booth.svg"), booth())
    write(os.path.join(HERE, "pump0.svg"), pump(hose_left=False))
    write(os.path.join(HERE, "pump1.svg"), pump(hose_left=True))
    write(os.path.join(HERE, "title.svg"), title())
    write(os.path.join(HERE, "side.svg"), side_picture())
    for kind in ("start", "end", "hint"):
        write(os.path.join(HERE, f"button-{kind}.svg"), button(kind, False))
        write(os.path.join(HERE, f"button-{kind}-pressed.svg"), button(kind, True))
    write(os.path.join(HERE, "plumin-neutral.svg"), plumin(None))
    write(os.path.join(HERE, "plumin-plus.svg"), plumin("plus"))
    write(os.path.join(HERE, "plumin-minus.svg"), plumin("minus"))
    write(os.path.join(HERE, "about1.svg"), about("red"))
    write(os.path.join(HERE, "about2.svg"), about("blue"))
    write(os.path.join(ICONS, "splotchery.svg"), icon())


if __name__ == "__main__":
    main()
