#!/usr/bin/env python3
"""The page preview through the real program: F5 opens it, its checks name the
missing mission name, and the line goes once a name is typed.

Usage: test_preview_journey.py <quillmark binary> <golden folder> <work folder>
Needs DISPLAY and an accessibility bus (run_e2e.sh sets them up).
"""
import os
import subprocess
import sys

import pyatspi

from e2e_support import *  # noqa: F401,F403

LIST_ROLES = (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE)


def check_list(app):
    for acc in walk(app):
        if acc.name == "Checks" and acc.getRole() in LIST_ROLES:
            return acc
    return None


def journey_preview():
    mission = os.path.join(WORK, "missions", "Preview")
    os.makedirs(mission)
    program = Program("preview", ini_for(mission))
    try:
        app = program.app
        name_box = wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
        click(name_box)
        subprocess.run(["xdotool", "key", "F5"], check=True, timeout=10)
        wait_for('the "Page Preview" window', lambda: find(app, "Page Preview"))
        checks = wait_for("the Checks list", lambda: check_list(app))

        def names_mission():
            return any(line.startswith("Mission Name: ") for line in list_items(checks))

        wait_for("the missing mission name among the checks", names_mission)
        set_text(name_box, "Iron Gate")
        wait_for("the mission name line gone", lambda: not names_mission(), 10)
        if program.proc.poll() is not None:
            raise Failure("the program ended while the preview was open")
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_journeys([journey_preview]))
