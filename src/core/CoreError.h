#pragma once
// The one error type of the program core: a failed file or profile call whose
// message names the file involved, ready to be shown to the user as it is.
#include <QString>
#include <stdexcept>

namespace arkwell::core {

class CoreError : public std::runtime_error {
 public:
  explicit CoreError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// "Unable to write to <file>"
CoreError unableToWrite(const QString& file);
// "Cannot create file "<file>". <reason>"
CoreError cannotCreateFile(const QString& file, const QString& reason);

}  // namespace arkwell::core
