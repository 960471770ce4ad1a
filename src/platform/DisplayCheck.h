#pragma once
#include <QString>

// Whether the window system that Qt is about to start on is there at all, asked before the
// application object exists: without one, Qt ends the process with an abort and a core dump.
namespace DisplayCheck {

// True when one of the platforms Qt would try (the "-platform" argument, else QT_QPA_PLATFORM,
// else the desktop's default) can start, or may: platforms without a display (offscreen) and
// ones this check does not know are left to Qt. Otherwise false, with `why` saying in a few
// words what is missing ("DISPLAY is not set").
bool canStart(int argc, char** argv, QString* why);

} // namespace DisplayCheck
