"""Reads the running program through AT-SPI and presses its buttons through their AT-SPI actions,
as a screen reader and its user would. Prints one line per check; stops at the first failure."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

AT_B = "点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²"
NO_GRAPH = "グラフ：まだかかれていません"
# The blackboard's descriptions as the description-changed events brought them.
announced = []


def fail(what):
    sys.exit(f"not ok - {what}")


def pump_events():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, seconds=30):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            fail(f"waited in vain for {what}")
        time.sleep(0.05)
        pump_events()


def find(root, role, name=None):
    found = pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and (name is None or a.name == name))
    return found or fail(f"no {role} named {name}")


def expect(what, actual, expected):
    if actual != expected:
        fail(f"{what}: {actual!r} instead of {expected!r}")


def press(control):
    pump_events()  # events still queued are handled while they describe what is shown
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Toggle" if "Toggle" in names else "Press"))


def step(button, distance):
    # The click comes a moment after the action; a second press before it would be lost.
    press(button)
    wait_for(f"{distance} cm on the blackboard",
             lambda: blackboard.description.startswith(f"点Ｐ：Ｂから{distance}cm（"))


def on_description_changed(event):
    if event.source.name == "黒板":
        announced.append(event.source.description)


# Listening from the start, so that the program learns of it before the first step.
pyatspi.Registry.registerEventListener(on_description_changed,
                                       "object:property-change:accessible-description")
desktop = pyatspi.Registry.getDesktop(0)
wait_for("the program on the accessibility bus",
         lambda: any(a is not None and a.name == "tavilo" for a in desktop))
program = next(a for a in desktop if a is not None and a.name == "tavilo")
blackboard = find(program, pyatspi.ROLE_FILLER, "黒板")
graph = find(program, pyatspi.ROLE_FILLER, "グラフ用紙")
distance_box = find(program, pyatspi.ROLE_TEXT, "点Ｐの進んだ距離（cm）")
speed_box = find(program, pyatspi.ROLE_COMBO_BOX, "表示速度")
forward = find(program, pyatspi.ROLE_PUSH_BUTTON, "進む")
speed_field = find(speed_box, pyatspi.ROLE_TEXT)
expect("the speed box's text", speed_field.queryText().getText(0, -1), "20")
print("ok 1 - the distance box and the speed box are named after their labels")

expect("the blackboard at start", blackboard.description, AT_B)
expect("the graph paper at start", graph.description, NO_GRAPH)
print("ok 2 - at start: P at B with area 0, no graph yet")

press(find(program, pyatspi.ROLE_CHECK_BOX, "グ\u3000ラ\u3000フ"))
for distance in range(1, 14):
    step(forward, distance)
expect("the blackboard at 13", blackboard.description,
       "点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²")
expect("the distance box at 13", distance_box.queryText().getText(0, -1), " 13")
expect("the graph paper at 13", graph.description,
       "グラフ：x = 0〜13、y = 6x（0〜8）、y = 48（8〜13）")
print("ok 3 - after 13 steps: 13 cm on AD, 48 cm², the graph from 0 to 13")

for distance in range(14, 22):
    step(forward, distance)
expect("the blackboard at 21", blackboard.description,
       "点Ｐ：Ｂから21cm（辺ＤＣ上）、三角形ＰＢＣの面積 42cm²")
expect("the graph paper at 21", graph.description,
       "グラフ：x = 0〜21、y = 6x（0〜8）、y = 48（8〜20）、y = −6x + 168（20〜21）")
print("ok 4 - after 21 steps: 21 cm on DC, 42 cm², all three pieces of the graph")

step(find(program, pyatspi.ROLE_PUSH_BUTTON, "戻る"), 20)
expect("the graph paper back at 20", graph.description,
       "グラフ：x = 0〜20、y = 6x（0〜8）、y = 48（8〜20）")
print("ok 5 - 戻る: P back at D, the falling piece gone from the graph")

reset = find(program, pyatspi.ROLE_PUSH_BUTTON, "初期画面")
press(reset)
wait_for("the start text after 初期画面", lambda: blackboard.description == AT_B)
expect("the graph paper after 初期画面", graph.description, NO_GRAPH)
expect("the distance box after 初期画面", distance_box.queryText().getText(0, -1), "0")
print("ok 6 - 初期画面: the start texts again")

# At the start already, 初期画面 changes nothing and must announce nothing; the step after it
# marks the end of the announcements.
press(reset)
step(forward, 1)
expected = list(range(1, 22)) + [20, 0, 1]
wait_for("the last announcement", lambda: len(announced) >= len(expected), seconds=5)
told = [int(re.search(r"Ｂから(\d+)cm", text).group(1)) for text in announced]
expect("the distances announced, one event per change", told, expected)
print("ok 7 - every step and the reset are announced once, and nothing else")

# The setup window, opened by its key in the lesson, is a window of its own whose every field
# and button a screen reader finds by its name.
subprocess.run(["xdotool", "search", "--sync", "--name", "関数", "windowfocus", "--sync",
                "key", "ctrl+comma"], check=True)
wait_for("the setup window", lambda: any(
    w is not None and w.name == "問題の設定" and w.getState().contains(pyatspi.STATE_SHOWING)
    for w in program))
setup = next(w for w in program if w is not None and w.name == "問題の設定")
find(setup, pyatspi.ROLE_COMBO_BOX, "図形")
find(setup, pyatspi.ROLE_COMBO_BOX, "速さ（毎秒 cm）")
for name in ["ＡＢ（cm）", "ＢＣ（cm）", "ＡＤ（cm）", "点Ｐの動き", "三角形（Ｐと２つの点）",
             "Ｍを真ん中の点とする辺", "リンク"]:
    find(setup, pyatspi.ROLE_TEXT, name)
for name in ["リンクをコピー", "教科書の問題に戻す", "この問題にする", "キャンセル"]:
    find(setup, pyatspi.ROLE_PUSH_BUTTON, name)
preview = find(setup, pyatspi.ROLE_FILLER, "グラフの見本")
expect("the graph's preview", preview.description,
       "グラフ：x = 0〜28、y = 6x（0〜8）、y = 48（8〜20）、y = −6x + 168（20〜28）")
press(find(setup, pyatspi.ROLE_PUSH_BUTTON, "キャンセル"))
wait_for("the setup window closed",
         lambda: not setup.getState().contains(pyatspi.STATE_SHOWING))
print("ok 8 - the setup window: every field, the graph's preview and the buttons by name")
