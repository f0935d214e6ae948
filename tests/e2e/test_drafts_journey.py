#!/usr/bin/env python3
"""Texts typed before a kill -9 come back through Recover Texts, and Create
Files then writes the very pages a fresh window with the same texts writes.

Usage: test_drafts_journey.py <quillmark binary> <golden folder> <work folder>
Needs DISPLAY and an accessibility bus (run_e2e.sh sets them up).
"""
import os
import signal
import subprocess
import sys

from e2e_support import *  # noqa: F401,F403

TEXTS = {
    "Mission Name": "Night Raid",
    "Overview Text": "Cross the river at dusk.\nHold the bridge.",
    "Picture Source": "/pictures/raid.jpg",
    "Mission Notes Text": "Radio silence<br>",
    "Mission Briefing Text": "Go to the radar\nand wait",
    "End 1 Header": "Won",
}
DRAFTS = os.path.join(os.environ.get("XDG_STATE_HOME", ""), "quillmark", "drafts")


def drafts_kept():
    if not os.path.isdir(DRAFTS):
        return []
    return [d for d in os.listdir(DRAFTS) if os.path.isfile(os.path.join(DRAFTS, d, "draft.txt"))]


def type_texts(app):
    wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
    for name, text in TEXTS.items():
        set_text(find_editable(app, name), text)


def create_files(program):
    app = program.app
    click(wait_for("Create Files", lambda: find(app, "Create Files", pyatspi.ROLE_PUSH_BUTTON)))
    press_button_in_box(app, ("Yes", "&Yes"))  # no objectives: go on
    box_text_shown(app, "Files Created!")
    press_button_in_box(app, ("OK", "&OK"))


def pages(folder):
    return [open(os.path.join(folder, name), "rb").read()
            for name in ("overview.html", "briefing.html")]


def journey_recover_after_kill():
    recovered, fresh = (os.path.join(WORK, "missions", name) for name in ("Recovered", "Fresh"))
    os.makedirs(recovered)
    os.makedirs(fresh)
    before = set(drafts_kept())
    program = Program("drafts-killed", ini_for(recovered))
    try:
        type_texts(program.app)
        wait_for("the draft kept after typing pauses", lambda: set(drafts_kept()) - before, 10)
        os.kill(program.proc.pid, signal.SIGKILL)
        program.proc.wait(10)
    finally:
        program.stop()

    program = Program("drafts-recovered", ini_for(recovered))
    try:
        app = program.app
        name_box = wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
        if text_of(name_box) != "":
            raise Failure("the start shows %r, not the starting values" % text_of(name_box))
        click(name_box)
        subprocess.run(["xdotool", "key", "alt+f", "v"], check=True, timeout=10)
        drafts = wait_for("the Drafts list", lambda: find(app, "Drafts", pyatspi.ROLE_LIST))
        if not list_items(drafts)[0].startswith("Night Raid"):
            raise Failure("the newest draft is %r" % list_items(drafts)[0])
        press_button_in_box(app, ("Recover",))
        for name, text in TEXTS.items():
            wait_for("%s recovered" % name,
                     lambda: text_of(find_editable(app, name)).replace("\r\n", "\n") == text, 5)
        create_files(program)
    finally:
        program.stop()

    program = Program("drafts-fresh", ini_for(fresh))
    try:
        type_texts(program.app)
        create_files(program)
    finally:
        program.stop()
    if pages(recovered) != pages(fresh):
        raise Failure("the recovered texts wrote other pages than the same texts typed")


if __name__ == "__main__":
    sys.exit(run_journeys([journey_recover_after_kill]))
