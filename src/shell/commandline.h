#pragma once

#include <QString>

// Reads the command line before any window exists, so that --help and
// --version need neither a display nor the settings file: they print and
// end the process. Returns the mission folder to open, empty for none.
[[nodiscard]] QString missionFromCommandLine(int &argc, char **argv);
