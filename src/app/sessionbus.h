#pragma once

// Connects this process to the desktop's session bus, where there is one.
// Qt's accessibility bridge connects on the GUI thread the first time any
// control changes, while the first window is being built; connected ahead on
// another thread, the bridge finds the connection made. Nothing happens on
// platforms without a session bus.
void connectSessionBus();
