#pragma once

// Registers the substitutes for the fonts the layouts name and makes the
// classic dialog font every window's font. Called once, before any window.
void useDialogFont();
