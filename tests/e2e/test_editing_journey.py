#!/usr/bin/env python3
"""The editing journey through the real program: objectives added and one
edited through its dialog, a line break in the notes, a marker link in the
briefing, a mission name, then Create Files; both pages are compared byte for
byte with pages written by hand.

Usage: test_editing_journey.py <quillmark binary> <golden folder> <work folder>
Needs DISPLAY and an accessibility bus (run_e2e.sh sets them up).
"""
import os
import sys

import pyatspi

from e2e_support import *  # noqa: F401,F403


def button_in_frame(app, frame_name, button_name):
    """A button of that caption inside the frame of that caption."""
    def probe():
        for acc in walk(app):
            if acc.name == frame_name and acc.getRole() != pyatspi.ROLE_TEXT:
                button = find_in(acc, button_name, pyatspi.ROLE_PUSH_BUTTON)
                if button is not None:
                    return button
        return None
    return wait_for('"%s" in "%s"' % (button_name, frame_name), probe)


def append_text(box, text):
    editable = box.queryEditableText()
    start = box.queryText().characterCount
    editable.insertText(start, text, len(text.encode("utf-8")))
    wait_for("text appended in " + box.name, lambda: text_of(box).endswith(text), 5)


def answer_input(app, prompt, answer):
    """Types the answer into the input box that asks prompt, then OK."""
    def probe():
        for acc in walk(app):
            if acc.getRole() == pyatspi.ROLE_LABEL and acc.name == prompt and showing(acc):
                dialog = acc.parent
                for field in walk(dialog):
                    try:
                        field.queryEditableText()
                    except NotImplementedError:
                        continue
                    if showing(field):
                        return field
        return None
    field = wait_for('the input box "%s"' % prompt, probe)
    set_text(field, answer)
    press_button_in_box(app, ("OK", "&OK"))
    wait_for('the input box "%s" closed' % prompt, lambda: probe() is None, 5)


def journey_editing():
    mission = new_mission("Iron Gate")
    with Program("editing", ini_for(mission)) as program:
        app = program.app
        name_box = wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
        set_text(name_box, "Iron Gate")

        click(wait_for("the Briefing tab", lambda: find(app, "Briefing", pyatspi.ROLE_PAGE_TAB)))
        listbox = wait_for("Objectives List", lambda: find(app, "Objectives List"))
        wait_for("the objectives box shown",
                 lambda: showing(find_editable(app, "New Objective")))
        for text in ("Scout the mill", "Cut the wire", "Hold the bridge"):
            add_objective(app, listbox, text)
        count = find(app, "3", pyatspi.ROLE_LABEL)
        if count is None:
            raise Failure("the objective count does not show 3")

        # Edit the second objective through its dialog.
        second = wait_for("the second objective",
                          lambda: find_in(listbox, "Cut the wire", pyatspi.ROLE_LIST_ITEM))
        click(second)
        click(enabled_button(app, "Edit Objective"))
        edit_box = wait_for("Objective Text", lambda: find_editable(app, "Objective Text"))
        if text_of(edit_box) != "Cut the wire":
            raise Failure("the edit dialog shows %r" % text_of(edit_box))
        if enabled(name_box) and enabled(find_editable(app, "New Objective")):
            raise Failure("the main window takes input while the edit dialog is open")
        set_text(edit_box, "Cut the wire & the phone line")
        click(enabled_button(app, "Add Objective"))
        wait_for("the edited objective in place", lambda: list_items(listbox) == [
            "Scout the mill", "Cut the wire & the phone line", "Hold the bridge"])
        wait_for("the main window enabled again",
                 lambda: enabled(find_editable(app, "New Objective")))

        notes = find_editable(app, "Mission Notes Text")
        set_text(notes, "Meet at the mill")
        click(button_in_frame(app, "Mission Notes", "Add Linebreak"))
        wait_for("the line break in the notes",
                 lambda: text_of(notes) == "Meet at the mill<br>\n")
        append_text(notes, "Bring rope")

        briefing = find_editable(app, "Mission Briefing Text")
        set_text(briefing, "Cross at")
        click(button_in_frame(app, "Mission Briefing", "Insert Marker"))
        answer_input(app, "What is the name of the marker?", "bridge")
        answer_input(app, "Enter the text to click", "the old bridge")
        wait_for("the marker link in the briefing", lambda: text_of(briefing) ==
                 'Cross at <a href="marker:bridge">the old bridge</a>')
        if text_of(notes) != "Meet at the mill<br>\nBring rope":
            raise Failure("the briefing's marker changed the notes: %r" % text_of(notes))

        click(enabled_button(app, "Create Files"))
        wait_for('"Files Created!" shown', lambda: find(app, "Files Created!") is not None)
        press_button_in_box(app, ("OK", "&OK"))
        replacements = {b"@PICTURE_SOURCE@": os.fsencode(mission)}
        compare_page(mission, "overview.html", replacements, "editing_overview.html")
        compare_page(mission, "briefing.html", replacements, "editing_briefing.html")
        if program.proc.poll() is not None:
            raise Failure("the program ended after Create Files")


def journey_open_again():
    """Create Files, quit, start again with the folder on the command line:
    every field is back, and Create Files writes the same bytes again."""
    fields = {"Mission Name": "Long & <Night>", "Overview Text": "&amp;\n\u017Elu\u0165ou\u010Dk\u00FD \u2603",
              "Mission Briefing Text": "Cross at dawn<br>", "End 6 Description": "You hid"}
    mission = new_mission("Long Night")
    pages = []
    for run, ini, args in (("write", ini_for(mission), ()), ("open", ini_for(WORK), [mission])):
        with Program(run, ini, args) as program:
            app = program.app
            for name, text in fields.items():
                box = wait_for(name, lambda: find_editable(app, name))
                if not pages:
                    set_text(box, text)
                wait_for(name + " holding its text", lambda: text_of(box) == text, 10)
            click(find(app, "Briefing", pyatspi.ROLE_PAGE_TAB))
            if not pages:
                add_objective(app, find(app, "Objectives List"), "Hold the bridge")
            elif list_items(find(app, "Objectives List")) != ["Hold the bridge"]:
                raise Failure("the objectives did not come back")
            click(enabled_button(app, "Create Files"))
            wait_for('"Files Created!" shown', lambda: find(app, "Files Created!") is not None)
            press_button_in_box(app, ("OK", "&OK"))
            pages.append([open(os.path.join(mission, p), "rb").read() for p in ("overview.html", "briefing.html")])
            click(find(app, "File"))
            click(wait_for("Quit", lambda: find(app, "Quit")))
            program.proc.wait(10)
    if pages[0] != pages[1] or open(program.ini, "rb").read() != ini_for(mission):
        raise Failure("the pages written again differ, or the opened folder was not remembered")


if __name__ == "__main__":
    sys.exit(run_journeys([journey_editing, journey_open_again]))
