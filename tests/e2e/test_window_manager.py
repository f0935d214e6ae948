#!/usr/bin/env python3
"""The full-size picture preview under a real window manager: its outer frame
opens beside the main window's, at the same height, and the first opening
equals the second; "Edit Objective" takes the keys typed as it opens, and
leaves the page preview usable.

Usage: test_window_manager.py <quillmark binary> <golden folder> <work folder>
Needs DISPLAY with a window manager running and an accessibility bus.
"""
import os
import subprocess
import sys
import time

import pyatspi

from e2e_support import *  # noqa: F401,F403


def x11(*command):
    return subprocess.run(list(command), capture_output=True, text=True, timeout=10).stdout


def outer_frame(title):
    """(left, top, width, height) of the framed window with that title, once
    the window manager has framed it."""
    ids = x11("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title).split()
    if len(ids) != 1:
        return None
    extents = x11("xprop", "-id", ids[0], "_NET_FRAME_EXTENTS")
    if "=" not in extents:
        return None
    left, right, top, bottom = (int(v) for v in extents.split("=", 1)[1].split(","))
    info = dict(line.strip().split(":", 1) for line in x11("xwininfo", "-id", ids[0]).splitlines()
                if ":" in line)
    x, y = int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"])
    w, h = int(info["Width"]), int(info["Height"])
    return (x - left, y - top, w + left + right, h + top + bottom)


def settled_frame(title):
    def probe():
        first = outer_frame(title)
        time.sleep(0.3)
        return first if first is not None and first == outer_frame(title) else None
    return wait_for("the window %r framed" % title, probe, 10)


def journey_preview_beside_main_window():
    folder = new_mission("PicturePreview")
    subprocess.run(["convert", "-size", "300x100", "xc:blue", os.path.join(folder, "wide.bmp")],
                   check=True, timeout=30)
    with Program("picture-preview", ini_for(folder)) as program:
        app = program.app
        click(wait_for("wide.bmp", lambda: find(app, "wide.bmp", pyatspi.ROLE_LIST_ITEM)))
        click(wait_for("the properties tab",
                       lambda: find(app, "Picture Properites", pyatspi.ROLE_PAGE_TAB)))
        main = settled_frame("Quillmark")
        openings = []
        for _ in range(2):
            # The frame around the picture box carries the same name.
            click(wait_for("the picture preview", lambda: min(
                (a for a in walk(app) if a.name == "Picture Preview"),
                key=lambda a: a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[2])), 2)
            openings.append(settled_frame("Picture Preview"))
            click(wait_for("the full size picture", lambda: find(app, "Full Size Picture")), 2)
            wait_for("the preview closed", lambda: outer_frame("Picture Preview") is None, 10)
        if openings[0][:2] != (main[0] + main[2], main[1]):
            raise Failure("the preview's frame opens at %s, the main window's is %s" %
                          (openings[0], main))
        if openings[0] != openings[1]:
            raise Failure("the first opening %s differs from the second %s" % tuple(openings))


def journey_edit_objective_keyboard():
    folder = new_mission("EditObjective")
    with Program("edit-objective", ini_for(folder)) as program:
        app = program.app
        click(wait_for("the Briefing tab", lambda: find(app, "Briefing", pyatspi.ROLE_PAGE_TAB)))
        listbox = wait_for("Objectives List", lambda: find(app, "Objectives List"))
        add_objective(app, listbox, "Cut the wire")
        preview = open_page_preview(app)
        click(wait_for("the objective", lambda: find_in(listbox, "Cut the wire",
                                                         pyatspi.ROLE_LIST_ITEM)))
        click(enabled_button(app, "Edit Objective"))
        edit_box = wait_for("Objective Text", lambda: find_editable(app, "Objective Text"))
        press_keys("End")
        type_keys(" now")
        wait_for("the typed keys in the edit box",
                 lambda: text_of(edit_box) == "Cut the wire now", 10)
        if not enabled(preview) or not enabled(check_list(app)):
            raise Failure("the page preview is disabled while Edit Objective is open")
        press_keys("Return")
        wait_for("the edited objective in the list",
                 lambda: list_items(listbox) == ["Cut the wire now"])


if __name__ == "__main__":
    sys.exit(run_journeys([journey_preview_beside_main_window, journey_edit_objective_keyboard]))
