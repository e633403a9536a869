#pragma once
// Joining a folder and a name, for the QString side of the program; the
// rule itself is the platform's.
#include <QString>

#include "platform/PathText.h"

namespace arkwell::core {

inline QString joinPath(const QString& folder, const QString& name) {
  return QString::fromStdString(platform::joinPath(folder.toStdString(), name.toStdString()));
}

}  // namespace arkwell::core
