"""What every end-to-end journey shares: the program started in a folder of
its own, its controls found on the accessibility bus by their names, clicks,
text, boxes, page comparison and the closing count.

The journey scripts take <quillmark binary> <golden folder> <work folder>;
run_e2e.sh sets up DISPLAY and the accessibility bus.
"""
import os
import shutil
import subprocess
import sys
import time
import traceback

import pyatspi

BIN, GOLDEN, WORK = sys.argv[1:4]
TIMEOUT = 40.0


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise Failure("timed out waiting for " + what)


def walk(acc, depth=0):
    if acc is None or depth > 40:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)


def find(app, name, role=None):
    for acc in walk(app):
        if acc.name == name and (role is None or acc.getRole() == role):
            return acc
    return None


def find_editable(app, name):
    """The text box of that name; a frame may carry the same caption."""
    for acc in walk(app):
        if acc.name == name:
            try:
                acc.queryEditableText()
                return acc
            except NotImplementedError:
                continue
    return None


def app_of(proc):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == proc.pid:
            return app
    return None


def click(acc, clicks=1):
    """Clicks the middle of acc; "mousemove --sync" would wait for ever when
    the pointer already stands there, as it does for a second click on the
    same button."""
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if w <= 0 or h <= 0:
        raise Failure("%s has no place on screen" % acc.name)
    x, y = x + w // 2, y + h // 2
    here = subprocess.run(["xdotool", "getmouselocation", "--shell"], check=True, timeout=10,
                          capture_output=True, text=True).stdout
    at = dict(line.split("=", 1) for line in here.split())
    command = ["xdotool"]
    if (int(at["X"]), int(at["Y"])) != (x, y):
        command += ["mousemove", "--sync", str(x), str(y)]
    subprocess.run(command + ["click", "--repeat", str(clicks), "--delay", "80", "1"], check=True,
                   timeout=10)


def press_keys(*keys):
    """Real X key events to whichever window has the keyboard."""
    subprocess.run(["xdotool", "key", *keys], check=True, timeout=10)


def type_keys(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True, timeout=30)


def focused(acc):
    return acc.getState().contains(pyatspi.STATE_FOCUSED)


def set_text(acc, text):
    acc.queryEditableText().setTextContents(text)
    wait_for("text in " + acc.name, lambda: acc.queryText().getText(0, -1) == text, 5)


def press_button_in_box(app, button_names):
    def probe():
        for acc in walk(app):
            if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and acc.name in button_names:
                if acc.getState().contains(pyatspi.STATE_SHOWING):
                    return acc
        return None
    button = wait_for("a button named %s" % "/".join(button_names), probe)
    click(button)


def window_titles(pid):
    """The titles the window manager shows (_NET_WM_NAME) for the program's
    visible windows."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    titles = []
    for wid in ids:
        prop = subprocess.run(["xprop", "-id", wid, "_NET_WM_NAME"],
                              capture_output=True, text=True).stdout
        if "=" in prop:
            titles.append(prop.split("=", 1)[1].strip().strip('"'))
    return titles


def box_text_shown(app, text):
    return wait_for('"%s" shown' % text, lambda: find(app, text) is not None)


class Program:
    """The program copied into its own folder, with or without a settings file."""

    def __init__(self, name, ini_content, args=()):
        self.folder = os.path.join(WORK, name)
        os.makedirs(self.folder)
        self.binary = os.path.join(self.folder, "quillmark")
        shutil.copy2(BIN, self.binary)
        self.ini = os.path.join(self.folder, "Varnholt.ini")
        if ini_content is not None:
            with open(self.ini, "wb") as f:
                f.write(ini_content)
        self.proc = subprocess.Popen([self.binary, *args], cwd=WORK, stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(self.folder, "stderr.log"), "wb"))
        self.app = wait_for("the program on the accessibility bus", lambda: app_of(self.proc))

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def ini_for(folder):
    return b'"' + os.fsencode(folder) + b'"\r\n'


def new_mission(name):
    """An empty mission folder of the work folder."""
    folder = os.path.join(WORK, "missions", name)
    os.makedirs(folder)
    return folder


def open_page_preview(app):
    """F5, and the page preview window once it is there."""
    press_keys("F5")
    return wait_for('the "Page Preview" window', lambda: find(app, "Page Preview"))


def compare_page(folder, name, replacements, golden=None):
    with open(os.path.join(GOLDEN, golden or name), "rb") as f:
        expected = f.read()
    for key, value in replacements.items():
        expected = expected.replace(key, value)
    path = os.path.join(folder, name)
    if not os.path.isfile(path):
        raise Failure(name + " was not written")
    with open(path, "rb") as f:
        actual = f.read()
    if actual != expected:
        exp_lines = expected.split(b"\r\n")
        act_lines = actual.split(b"\r\n")
        for i, (e, a) in enumerate(zip(exp_lines, act_lines)):
            if e != a:
                raise Failure("%s line %d: expected %r, got %r" % (name, i + 1, e, a))
        raise Failure("%s: expected %d lines, got %d" % (name, len(exp_lines), len(act_lines)))


def run_journeys(journeys):
    passed = failed = 0
    for journey in journeys:
        try:
            journey()
            passed += 1
            print("PASS", journey.__name__, flush=True)
        except Exception as e:
            failed += 1
            print("FAIL", journey.__name__, "-", e, flush=True)
            if not isinstance(e, Failure):
                traceback.print_exc()
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed else 0


def text_of(acc):
    return acc.queryText().getText(0, -1)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def enabled(acc):
    return acc.getState().contains(pyatspi.STATE_SENSITIVE)


def find_in(container, name, role):
    for acc in walk(container):
        if acc is not container and acc.name == name and acc.getRole() == role:
            return acc
    return None


def list_items(listbox):
    return [listbox.getChildAtIndex(i).name for i in range(listbox.childCount)
            if listbox.getChildAtIndex(i).getRole() == pyatspi.ROLE_LIST_ITEM]


def enabled_button(app, name):
    def probe():
        for acc in walk(app):
            if (acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and acc.name == name
                    and showing(acc) and enabled(acc)):
                return acc
        return None
    return wait_for('an enabled "%s" button' % name, probe)


def add_objective(app, listbox, text):
    box = find_editable(app, "New Objective")
    set_text(box, text)
    before = len(list_items(listbox))
    click(enabled_button(app, "Add Objective"))
    wait_for('"%s" in the list' % text, lambda: len(list_items(listbox)) == before + 1)
    # The box shows "Objective Added!" for the pause, then empties.
    wait_for("the objective box emptied", lambda: text_of(box) == "", 5)


LIST_ROLES = (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE)


def check_list(app):
    """The page preview's list of checks."""
    for acc in walk(app):
        if acc.name == "Checks" and acc.getRole() in LIST_ROLES:
            return acc
    return None
