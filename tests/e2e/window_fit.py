"""The fitted window read as screen readers read it, through AT-SPI: a walk that runs while the
window is resized three times, and the extents of the controls at the last size. Takes the
window's X id; prints one line per check; stops at the first failure."""
import math
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WINDOW = sys.argv[1]
# The layout's places of the controls read back: name, role, (left, top, width, height).
PLACES = [
    ("初期画面", pyatspi.ROLE_PUSH_BUTTON, (216, 8, 81, 41)),
    ("終了", pyatspi.ROLE_PUSH_BUTTON, (800, 16, 49, 41)),
    ("自動", pyatspi.ROLE_PUSH_BUTTON, (40, 64, 65, 33)),
    ("ストップ", pyatspi.ROLE_PUSH_BUTTON, (112, 64, 57, 33)),
    ("戻る", pyatspi.ROLE_PUSH_BUTTON, (288, 64, 73, 33)),
    ("進む", pyatspi.ROLE_PUSH_BUTTON, (384, 64, 73, 33)),
    ("点Ｐの進んだ距離（cm）", pyatspi.ROLE_TEXT, (608, 48, 65, 33)),
    ("表示速度", pyatspi.ROLE_COMBO_BOX, (808, 112, 41, 21)),
    ("黒板", pyatspi.ROLE_FILLER, (24, 112, 433, 313)),
    ("グラフ用紙", pyatspi.ROLE_FILLER, (472, 160, 385, 265)),
]
# The client area's sizes after the 5th, 14th and 23rd step.
RESIZES = {5: (1730, 874), 14: (1500, 1000), 23: (1200, 600)}
announced = []


def fail(what):
    sys.exit(f"not ok - {what}")


def pump_events():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, seconds=30, each=lambda: None):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            fail(f"waited in vain for {what}")
        time.sleep(0.02)
        pump_events()
        each()


def find(root, role, name=None):
    found = pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and (name is None or a.name == name))
    return found or fail(f"no {role} named {name}")


# What the program asks screen readers to say, as notifications: each keeps the texts it was
# shown with, the first as its name and the others in its description, however late it is read.
def on_showing(event):
    if event.detail1 != 1 or event.source is None:
        return
    if event.source.getRole() != pyatspi.ROLE_NOTIFICATION:
        return
    texts = event.source.name + "。" + event.source.description
    announced.extend(int(distance) for distance in re.findall(r"点Ｐ：Ｂから(\d+)cm", texts))


def client_area():
    info = subprocess.run(["xwininfo", "-id", WINDOW], capture_output=True, text=True,
                          check=True).stdout
    value = lambda label: int(re.search(label + r":\s*(-?\d+)", info).group(1))
    return (value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"),
            value("Height"))


def whole(units):
    """A number rounded as the program rounds it: halves away from zero."""
    return math.floor(units + 0.5) if units >= 0 else -math.floor(-units + 0.5)


def fitted(rect, area):
    """Where the program's fit puts a rectangle of the layout, on the screen."""
    x, y, width, height = area
    factor = max(min(width / 865, height / 437), 0.5)
    origin = (max(0, whole((width - 865 * factor) / 2)), max(0, whole((height - 437 * factor) / 2)))
    left, top = whole(rect[0] * factor), whole(rect[1] * factor)
    return (x + origin[0] + left, y + origin[1] + top,
            whole((rect[0] + rect[2]) * factor) - left, whole((rect[1] + rect[3]) * factor) - top)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
desktop = pyatspi.Registry.getDesktop(0)
wait_for("the program on the accessibility bus",
         lambda: any(a is not None and a.name == "tavilo" for a in desktop))
program = next(a for a in desktop if a is not None and a.name == "tavilo")
blackboard = find(program, pyatspi.ROLE_FILLER, "黒板")
start = find(program, pyatspi.ROLE_PUSH_BUTTON, "自動")
pump_events()

resized = set()


def resize_after_steps():
    for distance, (width, height) in RESIZES.items():
        if distance in announced and distance not in resized:
            resized.add(distance)
            subprocess.run(["xdotool", "windowsize", WINDOW, str(width), str(height)], check=True)


action = start.queryAction()
action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
wait_for("the walk to C", lambda: announced[-1:] == [28] and len(resized) == 3, seconds=60,
         each=resize_after_steps)
# The walk starts with the reset, which tells of B again; then every step once, in order.
if announced != [0] + list(range(1, 29)):
    fail(f"the steps announced during the resizes: {announced}")
print("a walk while the window is resized three times: the reset and all 28 steps, each once")

wait_for("the last size", lambda: client_area()[2:] == RESIZES[23])
area = client_area()
for name, role, rect in PLACES:
    extents = find(program, role, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    actual = (extents.x, extents.y, extents.width, extents.height)
    if actual != fitted(rect, area):
        fail(f"{name}'s extents at {area[2]} x {area[3]}: {actual} instead of {fitted(rect, area)}")
print(f"at {area[2]} x {area[3]} the controls' AT-SPI extents are their scaled, centred places")
