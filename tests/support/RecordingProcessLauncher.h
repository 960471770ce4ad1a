#pragma once
#include "platform/ProcessLauncher.h"

#include <QStringList>

// Keeps every command line it is asked to start and counts the requests to end, without doing
// either; `starts` false plays a program that cannot be started.
class RecordingProcessLauncher : public ProcessLauncher {
public:
    bool start(const QString& commandLine) override {
        started << commandLine;
        return starts;
    }
    void endNow() override { ++ended; }
    QStringList started;
    int ended = 0;
    bool starts = true;
};
