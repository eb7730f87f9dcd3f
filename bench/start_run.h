// How the benchmarks set a window running as a user would.
#pragma once

#include <QString>

#include "shell/ui/simwindow.h"

namespace bench {

// The clicks that set a window running where opening it leaves its timer off, or that start a
// new run where a run ended: a new picture, then the start, as its enabled buttons offer them.
inline void startRun(orb::SimWindow& w)
{
    for (const char* button : {"disegna", "via", "partenza", "aggiorna"})
        w.click(QString::fromLatin1(button));
}

}  // namespace bench
