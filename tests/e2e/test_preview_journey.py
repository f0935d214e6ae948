#!/usr/bin/env python3
"""The page preview through the real program: F5 opens it, its checks name the
missing mission name, and the line goes once a name is typed; F5 leaves the
keyboard in the field, and following a check selects the faulty tag there.

Usage: test_preview_journey.py <quillmark binary> <golden folder> <work folder>
Needs DISPLAY and an accessibility bus (run_e2e.sh sets them up).
"""
import os
import sys

import pyatspi

from e2e_support import *  # noqa: F401,F403


def journey_preview():
    mission = new_mission("Preview")
    with Program("preview", ini_for(mission)) as program:
        app = program.app
        name_box = wait_for("Mission Name", lambda: find_editable(app, "Mission Name"))
        click(name_box)
        open_page_preview(app)
        checks = wait_for("the Checks list", lambda: check_list(app))

        def names_mission():
            return any(line.startswith("Mission Name: ") for line in list_items(checks))

        wait_for("the missing mission name among the checks", names_mission)
        set_text(name_box, "Iron Gate")
        wait_for("the mission name line gone", lambda: not names_mission(), 10)
        if program.proc.poll() is not None:
            raise Failure("the program ended while the preview was open")


def journey_typing_and_jump():
    mission = new_mission("PreviewTyping")
    with Program("preview-typing", ini_for(mission)) as program:
        app = program.app
        click(wait_for("the Briefing tab", lambda: find(app, "Briefing", pyatspi.ROLE_PAGE_TAB)))
        briefing = wait_for("the briefing box", lambda: find_editable(app, "Mission Briefing Text"))
        click(briefing)
        open_page_preview(app)
        typed = "Cross <b>at dawn"
        type_keys(typed)
        wait_for("the typed keys in the briefing", lambda: text_of(briefing) == typed, 10)
        checks = wait_for("the Checks list", lambda: check_list(app))
        overview_tab = find(app, "Overview", pyatspi.ROLE_PAGE_TAB)
        tag = (typed.index("<b>"), typed.index("<b>") + len("<b>"))
        # Each way of following the check, from the Overview tab, so the jump
        # has to bring the field back and select the tag anew.
        for follow in ("double-click", "Enter"):
            click(overview_tab)
            wait_for("the briefing hidden", lambda: not showing(briefing), 5)
            line = wait_for("the unclosed <b> among the checks", lambda: find_in(
                checks, next(n for n in list_items(checks) if n.startswith("Mission Briefing: <b>")),
                pyatspi.ROLE_LIST_ITEM))
            if follow == "Enter":
                click(line)
                press_keys("Return")
            else:
                click(line, 2)

            def tag_selected():
                text = briefing.queryText()
                return (showing(briefing) and focused(briefing) and text.getNSelections() == 1
                        and tuple(text.getSelection(0)) == tag)

            wait_for("<b> selected in the focused briefing after %s" % follow, tag_selected, 10)


if __name__ == "__main__":
    sys.exit(run_journeys([journey_preview, journey_typing_and_jump]))
