#!/usr/bin/env python3
"""Journeys through the real program, driven through its accessible names.

Usage: test_create_files.py <quillmark binary> <golden folder> <work folder>
Needs DISPLAY and an accessibility bus (run_e2e.sh sets them up).
"""
import os
import sys

from e2e_support import *  # noqa: F401,F403


def journey_create_files():
    mission = new_mission("Night Raid")
    with Program("create", ini_for(mission)) as program:
        app = program.app
        name_box = wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
        save_folder = wait_for("Save Folder", lambda: find_editable(app, "Save Folder"))
        shown = save_folder.queryText().getText(0, -1)
        if shown != mission:
            raise Failure("Save Folder shows %r, expected %r" % (shown, mission))
        set_text(name_box, "Night Raid")
        set_text(find_editable(app, "Overview Text"), "Cross the river at dusk.")
        click(wait_for("Create Files", lambda: find(app, "Create Files", pyatspi.ROLE_PUSH_BUTTON)))
        wait_for('the boxes titled "Continue?" and "Quillmark", nothing added',
                 lambda: sorted(window_titles(program.proc.pid)) == ["Continue?", "Quillmark"],
                 10)
        press_button_in_box(app, ("Yes", "&Yes"))
        box_text_shown(app, "Files Created!")
        press_button_in_box(app, ("OK", "&OK"))
        replacements = {b"@PICTURE_SOURCE@": os.fsencode(mission)}
        compare_page(mission, "overview.html", replacements)
        # The briefing of a mission without objectives is the page golden one.
        compare_page(mission, "briefing.html", replacements, "../pages/briefing_start.html")
        if program.proc.poll() is not None:
            raise Failure("the program ended after Create Files")


def journey_press_remembers_folder():
    mission = os.path.join(WORK, "missions", "Dawn, Patrol")
    os.makedirs(os.path.join(mission, "sub"))
    with Program("remember", ini_for(os.path.join(mission, "gone"))) as program:
        app = program.app
        folders = wait_for("Save Folder List", lambda: find(app, "Save Folder List"))
        save_folder = find_editable(app, "Save Folder")
        if save_folder.queryText().getText(0, -1) != WORK:
            raise Failure("a settings file naming a deleted folder should leave the working folder")
        click(folders)
        wait_for("the settings file rewritten",
                 lambda: open(program.ini, "rb").read() == ini_for(WORK), 5)


def journey_no_settings_file():
    with Program("nosettings", None) as program:
        app = program.app
        report = "The settings file %s could not be read" % program.ini
        wait_for("the start-up report", lambda: any((a.name or "").startswith(report)
                                                    for a in walk(app)))
        if find_editable(app, "Mission Name") is not None:
            raise Failure("the main window exists although the settings file is missing")
        press_button_in_box(app, ("OK", "&OK"))
        code = program.proc.wait(TIMEOUT)
        if code == 0:
            raise Failure("the program ended with 0 without its settings file")
        if os.path.exists(program.ini):
            raise Failure("start-up created a settings file")


def main():
    return run_journeys([journey_create_files, journey_press_remembers_folder,
                         journey_no_settings_file])


if __name__ == "__main__":
    sys.exit(main())
