"""Reads the running program through AT-SPI and presses its buttons through their AT-SPI actions,
as a screen reader and its user would. Prints one line per check; stops at the first failure."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

AT_B = "点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²"
NO_GRAPH = "グラフ：まだかかれていません"

checks = 0
# Descriptions of the blackboard as the description-changed events brought them.
announced = []


def ok(what):
    global checks
    checks += 1
    print(f"ok {checks} - {what}", flush=True)


def fail(what):
    print(f"not ok - {what}", file=sys.stderr, flush=True)
    sys.exit(1)


def pump_events():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, seconds=30):
    deadline = time.monotonic() + seconds
    while True:
        pump_events()
        found = condition()
        if found:
            return found
        if time.monotonic() > deadline:
            fail(f"waited in vain for {what}")
        time.sleep(0.05)


def on_description_changed(event):
    if event.source.name == "黒板":
        announced.append(event.source.description)


def find_program():
    def program():
        desktop = pyatspi.Registry.getDesktop(0)
        return next((a for a in desktop if a is not None and a.name == "tavilo"), None)

    return wait_for("the program on the accessibility bus", program)


def find(program, role, name):
    found = pyatspi.findDescendant(
        program, lambda a: a is not None and a.getRole() == role and a.name == name)
    if found is None:
        fail(f"no {role} named {name}")
    return found


def do_action(control, names=("Press", "Toggle")):
    # Events still queued are handled first, while they describe what is shown.
    pump_events()
    action = control.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in names:
            action.doAction(i)
            return
    fail(f"{control.name} offers no action {names}")


def expect(what, actual, expected):
    if actual != expected:
        fail(f"{what}: {actual!r} instead of {expected!r}")


def text_of(control):
    return control.queryText().getText(0, -1)


def step(program, button, distance):
    """Presses the button and waits for the blackboard to tell the new distance: a button
    pressed through AT-SPI clicks a moment later, and a second press before that would be lost."""
    do_action(button)
    prefix = f"点Ｐ：Ｂから{distance}cm（"
    wait_for(f"the blackboard at {distance} cm",
             lambda: program.blackboard.description.startswith(prefix))


class Program:
    def __init__(self, root):
        self.root = root
        self.blackboard = find(root, pyatspi.ROLE_FILLER, "黒板")
        self.graph = find(root, pyatspi.ROLE_FILLER, "グラフ用紙")
        self.distance_box = find(root, pyatspi.ROLE_TEXT, "点Ｐの進んだ距離（cm）")
        self.speed_box = find(root, pyatspi.ROLE_COMBO_BOX, "表示速度")
        self.forward = find(root, pyatspi.ROLE_PUSH_BUTTON, "進む")
        self.back = find(root, pyatspi.ROLE_PUSH_BUTTON, "戻る")
        self.reset = find(root, pyatspi.ROLE_PUSH_BUTTON, "初期画面")
        self.graph_box = find(root, pyatspi.ROLE_CHECK_BOX, "グ\u3000ラ\u3000フ")


def main():
    # Listening from the start, so that the program knows of the listener before the first step.
    pyatspi.Registry.registerEventListener(on_description_changed,
                                           "object:property-change:accessible-description")
    program = Program(find_program())
    speed_field = pyatspi.findDescendant(program.speed_box,
                                         lambda a: a is not None and a.getRole() == pyatspi.ROLE_TEXT)
    expect("the speed box's text", text_of(speed_field), "20")
    ok("the distance box and the speed box are named after their labels")

    expect("the blackboard at start", program.blackboard.description, AT_B)
    expect("the graph paper at start", program.graph.description, NO_GRAPH)
    ok("at start: P at B with area 0, no graph yet")

    do_action(program.graph_box)
    wait_for("グ　ラ　フ ticked", lambda: program.graph_box.getState().contains(
        pyatspi.STATE_CHECKED))
    for distance in range(1, 14):
        step(program, program.forward, distance)
    expect("the blackboard after 13 steps", program.blackboard.description,
           "点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²")
    expect("the distance box after 13 steps", text_of(program.distance_box), " 13")
    expect("the graph paper after 13 steps", program.graph.description,
           "グラフ：x = 0〜13、y = 6x（0〜8）、y = 48（8〜13）")
    ok("after 13 steps: 13 cm on AD, 48 cm², graph from 0 to 13")

    for distance in range(14, 22):
        step(program, program.forward, distance)
    expect("the blackboard after 21 steps", program.blackboard.description,
           "点Ｐ：Ｂから21cm（辺ＤＣ上）、三角形ＰＢＣの面積 42cm²")
    expect("the graph paper after 21 steps", program.graph.description,
           "グラフ：x = 0〜21、y = 6x（0〜8）、y = 48（8〜20）、y = −6x + 168（20〜21）")
    ok("after 21 steps: 21 cm on DC, 42 cm², all three pieces of the graph")

    step(program, program.back, 20)
    expect("the blackboard a step back at D", program.blackboard.description,
           "点Ｐ：Ｂから20cm（頂点Ｄ）、三角形ＰＢＣの面積 48cm²")
    expect("the graph paper a step back at D", program.graph.description,
           "グラフ：x = 0〜20、y = 6x（0〜8）、y = 48（8〜20）")
    ok("戻る: P back at D, the falling piece gone from the graph")

    do_action(program.reset)
    wait_for("the start text after 初期画面", lambda: program.blackboard.description == AT_B)
    expect("the graph paper after 初期画面", program.graph.description, NO_GRAPH)
    expect("the distance box after 初期画面", text_of(program.distance_box), "0")
    ok("初期画面: the start texts again")

    # Already at the start, 初期画面 changes nothing and must announce nothing; the step after it
    # marks the end of what is announced.
    do_action(program.reset)
    step(program, program.forward, 1)
    expected = list(range(1, 22)) + [20, 0, 1]
    wait_for("the last announcement", lambda: len(announced) >= len(expected), seconds=5)
    told = [int(re.search(r"Ｂから(\d+)cm", a).group(1)) for a in announced]
    expect("the distances announced, one event per change", told, expected)
    ok("every step and the reset are announced once, and nothing else")
    print(f"{checks} passed, 0 failed")


main()
