#pragma once
// Runs an external program (the commands before and after a backup, the agent
// installer) and waits for it on the calling thread.
#include <QString>
#include <functional>

namespace arkwell::core {

// Starts `program` with its own folder as working folder and `arguments`
// split like a shell command line, waits for it to end and returns its exit
// code: -1 when it cannot be started, 128 + signal when it was killed. The
// caller's current folder is restored. While waiting, `whileWaiting` runs
// about every 50 ms; by default it lets pending repaints through and nothing
// else, so the window is drawn but takes no input. `showMode` has no effect
// on Linux. Throws CoreError, with the system's reason and the folder, when
// the program's folder cannot be made current.
int RunAndWait(const QString& program, const QString& arguments, int showMode,
               const std::function<void()>& whileWaiting = {});

}  // namespace arkwell::core
