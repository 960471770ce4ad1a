#pragma once
#include <QString>

// The program's version numbers: major, minor and revision (the build's third number).
struct ProgramVersion {
    int majorNumber = 0;
    int minorNumber = 0;
    int revision = 0;

    // "1.4.2" gives 1, 4 and 2; a missing or unreadable number counts as 0.
    static ProgramVersion parse(const QString& text);
    // The running program's, from the application's version, which start-up sets from the build.
    static ProgramVersion current();
};
