#pragma once
// Where the program's folders are on this machine. Each can be moved with an
// environment variable, which every test does.
#include <QString>

namespace arkwell::core {

// $ARKWELLBACKUP_APPDATA, else $XDG_DATA_HOME, else ~/.local/share; a
// variable that is empty or not an absolute path counts as unset.
QString commonAppDataFolder();
// The old place of the settings file: $ARKWELLBACKUP_SYSDIR, else /etc.
QString windowsFolder();
// Full path of the running executable.
QString programFilePath();

}  // namespace arkwell::core
