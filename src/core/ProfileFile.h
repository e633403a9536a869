#pragma once
// A Windows-style profile (INI) file: "[section]" headers and "key=value"
// lines. Section and key names match without regard to case; the first of
// duplicate sections or keys wins; file order, comments and unknown lines are
// kept on rewrite; values are read with at most 2047 characters; booleans are
// written "1"/"0" and read as any non-zero integer; a missing file, section or
// key, or a value that is not a number where one is asked for, gives the
// caller's default.
//
// Changes are held in memory until flush(), which replaces the file
// atomically (a new file, then a rename), so a crash never leaves half a file.
// Text is UTF-8; lines are written with LF.
#include <QString>
#include <QStringList>
#include <vector>

namespace arkwell::core {

class ProfileFile {
 public:
  static constexpr int kMaxValueLength = 2047;

  // Reads `path` when it exists. Throws CoreError naming the file when it
  // exists but cannot be read, so a caller never mistakes it for empty.
  explicit ProfileFile(QString path);

  const QString& path() const { return path_; }
  // Whether the file existed when it was read.
  bool existed() const { return existed_; }

  QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
  int readInteger(const QString& section, const QString& key, int defaultValue) const;
  bool readBool(const QString& section, const QString& key, bool defaultValue) const;
  bool keyExists(const QString& section, const QString& key) const;
  bool sectionExists(const QString& section) const;
  // Section names in file order, each once.
  QStringList sectionNames() const;
  // Key names of the (first) section in file order.
  QStringList keyNames(const QString& section) const;

  // Line breaks in a value become blanks: a value is one line.
  void writeString(const QString& section, const QString& key, const QString& value);
  void writeInteger(const QString& section, const QString& key, int value);
  void writeBool(const QString& section, const QString& key, bool value);
  // Removes every section of that name with all its keys.
  void eraseSection(const QString& section);
  void eraseKey(const QString& section, const QString& key);

  // A new file is created readable by its owner only (it may hold passwords).
  void setOwnerOnly(bool ownerOnly) { ownerOnly_ = ownerOnly; }
  // Writes the file when something changed. Throws CoreError "Unable to
  // write to <file>" on failure; the old file then stays as it was.
  void flush();

 private:
  struct Line {
    QString text;  // as read or as last written
    QString key;   // empty for headers, comments and other lines
    bool isEntry = false;
  };
  struct Section {
    QString name;  // empty for the lines before the first header
    bool hasHeader = false;
    std::vector<Line> lines;
  };

  const Section* findSection(const QString& name) const;
  Section* findSection(const QString& name);
  static const Line* findKey(const Section& section, const QString& key);
  static QString valueOf(const Line& line);

  QString path_;
  bool existed_ = false;
  bool dirty_ = false;
  bool ownerOnly_ = false;
  std::vector<Section> sections_;
};

}  // namespace arkwell::core
