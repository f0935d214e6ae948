#!/usr/bin/env python3
"""Texts typed before a kill -9 come back through Recover Texts, and Create
Files then writes the pages the draft held, as Create Files would have before.

Usage: test_drafts_journey.py <quillmark binary> <golden folder> <work folder>
"""
import glob
import os
import signal
import sys

from e2e_support import *  # noqa: F401,F403

TEXTS = {"Mission Name": "Night Raid", "Overview Text": "Cross the river at dusk.\nHold it.",
         "Mission Briefing Text": "Go to the radar\nand wait", "End 1 Header": "Won"}
PAGES = ("overview.html", "briefing.html")


def pages(folder):
    return [open(os.path.join(folder, name), "rb").read() for name in PAGES]


def journey_recover_after_kill():
    mission = new_mission("Recovered")
    # Journeys before this one leave drafts of their own; only this one's count.
    os.environ["XDG_STATE_HOME"] = os.path.join(WORK, "drafts-state")
    drafts = os.path.join(os.environ["XDG_STATE_HOME"], "quillmark", "drafts", "*", "draft.txt")
    with Program("drafts-killed", ini_for(mission)) as program:
        wait_for("Mission Name", lambda: find_editable(program.app, "Mission Name"))
        for name, text in TEXTS.items():
            set_text(find_editable(program.app, name), text)
        kept = wait_for("the draft kept after typing pauses", lambda: glob.glob(drafts), 10)
        os.kill(program.proc.pid, signal.SIGKILL)
        program.proc.wait(10)
    draft_pages = pages(os.path.dirname(kept[0]))

    with Program("drafts-recovered", ini_for(mission)) as program:
        app = program.app
        name_box = wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
        if text_of(name_box) != "":
            raise Failure("the start shows %r, not the starting values" % text_of(name_box))
        click(name_box)
        press_keys("alt+f", "v")
        listed = list_items(wait_for("Drafts", lambda: find(app, "Drafts", pyatspi.ROLE_LIST)))
        if not listed[0].startswith("Night Raid"):
            raise Failure("the newest draft is %r" % listed[0])
        press_button_in_box(app, ("Recover",))
        for name, text in TEXTS.items():
            wait_for("%s recovered" % name,
                     lambda: text_of(find_editable(app, name)).replace("\r\n", "\n") == text, 5)
        click(find(app, "Create Files", pyatspi.ROLE_PUSH_BUTTON))
        press_button_in_box(app, ("Yes", "&Yes"))  # no objectives: go on
        box_text_shown(app, "Files Created!")
        press_button_in_box(app, ("OK", "&OK"))
        if pages(mission) != draft_pages:
            raise Failure("Create Files wrote other pages than the draft kept before the kill")


if __name__ == "__main__":
    sys.exit(run_journeys([journey_recover_after_kill]))
