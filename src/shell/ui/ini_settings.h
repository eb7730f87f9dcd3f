// The settings that the configuration record has no room for (the picture size, where the help
// window was left), kept in a second file, "Orbicola.ini", beside "Orbicola.cfg".
#pragma once

#include <QByteArray>
#include <QString>

#include "shell/picture_size.h"

namespace orb::ini {

inline constexpr const char* kFileName = "Orbicola.ini";

struct Settings {
    picture::Size pictureSize = picture::Size::P100;
    QByteArray helpGeometry;   // the help window's place and size; empty: not yet placed
};

struct ReadResult {
    Settings settings;
    bool sound = false;   // the file was there, readable and well formed
};

// Reads the file; a missing, unreadable or damaged file, or a value the program does not know,
// gives the defaults.
ReadResult read(const QString& path);

// Writes the settings. A file that was not sound is replaced whole; a sound one keeps any
// other keys it holds. False when the file cannot be written.
bool write(const QString& path, const Settings& settings, bool wasSound);

}  // namespace orb::ini
