#include "util/EventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

void PumpEvents()
{
    // The clock is read only every 64 calls: callers pump per character or per line.
    static unsigned calls = 0;
    if ((++calls & 63u) != 0)
        return;
    static QElapsedTimer last;
    if (last.isValid() && last.elapsed() < 30)
        return;
    last.start();
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
