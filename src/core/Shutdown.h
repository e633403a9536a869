#pragma once
// Powering the machine off at the end of an automatic run.
namespace arkwell::core {

// The flag the automatic run passes.
inline constexpr int kPowerOff = 8;

// Runs $ARKWELLBACKUP_POWEROFF_COMMAND through the shell when it is set,
// else "systemctl poweroff"; true when the command succeeded. `flags` is
// kept for the callers; only power-off exists here.
bool ShutdownWindows(int flags);

}  // namespace arkwell::core
