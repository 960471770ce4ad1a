#pragma once
#include <QString>

#include <memory>

// Starts programs and ends this one: what a restart of Pinleaf needs from the system. Tests put
// a recording launcher in place of the real one.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher();
    // Starts a program from a whole command line (the program's path, then its arguments) in a
    // normal window with the focus. False when it did not start.
    virtual bool start(const QString& commandLine) = 0;
    // Ends this process at once: no window is asked to close and nothing is saved.
    virtual void endNow() = 0;

    // The override when one is set, else the system's.
    static std::shared_ptr<ProcessLauncher> current();
    // Replaces the system's launcher for the whole program; nullptr restores it.
    static void setOverride(std::shared_ptr<ProcessLauncher> launcher);
};

// The operating system's own, one implementation per system.
class SystemProcessLauncher : public ProcessLauncher {
public:
    bool start(const QString& commandLine) override;
    void endNow() override;
};
