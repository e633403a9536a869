#pragma once
// Joining a folder and a name, and a folder's trailing "/", for the QString
// side of the program; the rules themselves are the platform's.
#include <QString>

#include "platform/PathText.h"

namespace arkwell::core {

inline QString withoutTrailingSlash(const QString& folder) {
  return QString::fromStdString(platform::withoutTrailingSlash(folder.toStdString()));
}

inline QString joinPath(const QString& folder, const QString& name) {
  return QString::fromStdString(platform::joinPath(folder.toStdString(), name.toStdString()));
}

}  // namespace arkwell::core
