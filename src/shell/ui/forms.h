// The registry that tells the main window how to create each simulation window's form.
#pragma once

#include <QWidget>

#include "shell/window_table.h"

namespace orb {

class SimWindow;
using FormFactory = SimWindow* (*)(const WindowInfo& info, QWidget* parent);

// The form of window `flag`, or nullptr while that window is not built yet.
FormFactory formFactory(int flag);
// Replaces the form of window `flag` (nullptr: back to the program's own); for tests that need
// more windows than are built.
void overrideFormFactory(int flag, FormFactory factory);

}  // namespace orb
