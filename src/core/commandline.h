#pragma once

#include <QString>

// --help and --version print and end the process before any window system is
// needed, so they work without a display or the settings file.
void answerHelpAndVersion(int &argc, char **argv);

// The mission folder named on the command line, empty for none. Needs the
// application object, which has taken its own options (-platform, -style)
// out of the arguments by then.
[[nodiscard]] QString missionFromCommandLine();
