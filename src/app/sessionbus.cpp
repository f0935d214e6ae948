#include "sessionbus.h"

#ifdef QUILLMARK_SESSION_BUS
#include <QDBusConnection>

void connectSessionBus()
{
    (void)QDBusConnection::sessionBus().isConnected();
}
#else
void connectSessionBus() { }
#endif
