#pragma once
// A fresh folder below $TMPDIR (else /tmp) for one test, removed with all it
// holds (read-only entries included) when the object goes.
#include <string>

namespace arkwell::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + relative
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string path_;
};

// Small file helpers for tests; each throws std::runtime_error naming the file.
void writeFile(const std::string& path, const std::string& bytes);  // creates parent folders
std::string readFile(const std::string& path);
void makeFolder(const std::string& path);  // with parents
bool fileExists(const std::string& path);

}  // namespace arkwell::test
