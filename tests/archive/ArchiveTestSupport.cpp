#include "archive/ArchiveTestSupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <zlib.h>

#include <random>
#include <stdexcept>

#include "archive/ArchiveFormat.h"
#include "support/TempDir.h"

namespace arkwell::test {

namespace fmt = archive::format;

std::string randomBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(rng() & 0xFF);
  return out;
}

std::string textBytes(size_t size, uint32_t seed) {
  static const char* words[] = {"backup ", "archive ", "volume ", "block ", "restore ", "folder\r\n", "file "};
  std::mt19937 rng(seed);
  std::string out;
  while (out.size() < size) out += words[rng() % 7];
  out.resize(size);
  return out;
}

void setMtime(const std::string& path, std::time_t moment) {
  const struct timespec times[2] = {{moment, 0}, {moment, 0}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
    throw std::runtime_error("cannot set the time of " + path);
  }
}

std::string zlibStream(const std::string& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                static_cast<uLong>(data.size()), level) != Z_OK) {
    throw std::runtime_error("zlib failed in a test");
  }
  out.resize(size);
  return out;
}

ArchiveBuilder& ArchiveBuilder::header(const std::string& title, int64_t totalBytes, int64_t fileCount) {
  bytes_ += fmt::encodeHeader(title, totalBytes, fileCount);
  return *this;
}

ArchiveBuilder& ArchiveBuilder::name(const std::string& n) {
  bytes_ += fmt::encodeName(n);
  return *this;
}

ArchiveBuilder& ArchiveBuilder::int32(int32_t value) {
  fmt::putInt32(bytes_, value);
  return *this;
}

ArchiveBuilder& ArchiveBuilder::marker() {
  bytes_.append(fmt::kMarker);
  return *this;
}

ArchiveBuilder& ArchiveBuilder::compressedBlock(const std::string& data, int level) {
  const std::string stream = zlibStream(data, level);
  int32(static_cast<int32_t>(stream.size()));
  bytes_ += stream;
  return *this;
}

ArchiveBuilder& ArchiveBuilder::rawBlock(const std::string& data) {
  int32(-static_cast<int32_t>(data.size()));
  bytes_ += data;
  return *this;
}

ArchiveBuilder& ArchiveBuilder::file(const std::string& n, int32_t date, const std::string& data) {
  name(n).int32(date).marker();
  for (size_t pos = 0; pos < data.size(); pos += fmt::kBlockSize) {
    compressedBlock(data.substr(pos, fmt::kBlockSize));
  }
  return terminator();
}

ArchiveBuilder& ArchiveBuilder::link(int volume) {
  bytes_ += fmt::encodeLinkRecord(volume);
  return *this;
}

ArchiveBuilder& ArchiveBuilder::bytes(const std::string& raw) {
  bytes_ += raw;
  return *this;
}

void ArchiveBuilder::save(const std::string& path) const {
  writeFile(path, bytes_);
}

namespace {

struct Cursor {
  const std::string& bytes;
  size_t pos = 0;
  int32_t i32() {
    if (pos + 4 > bytes.size()) throw std::runtime_error("parse: cut short at " + std::to_string(pos));
    const int32_t v = fmt::getInt32(bytes.data() + pos);
    pos += 4;
    return v;
  }
  std::string take(size_t n) {
    if (pos + n > bytes.size()) throw std::runtime_error("parse: cut short at " + std::to_string(pos));
    std::string s = bytes.substr(pos, n);
    pos += n;
    return s;
  }
};

std::vector<int32_t> parseSection(Cursor& c) {
  if (c.take(4) != std::string(fmt::kMarker)) throw std::runtime_error("parse: no marker at " + std::to_string(c.pos));
  std::vector<int32_t> blocks;
  for (int32_t l = c.i32(); l != 0; l = c.i32()) {
    blocks.push_back(l);
    c.take(static_cast<size_t>(l < 0 ? -l : l));
  }
  return blocks;
}

}  // namespace

ParsedVolume parseVolume(const std::string& bytes, bool firstVolume) {
  ParsedVolume v;
  Cursor c{bytes};
  if (firstVolume) {
    v.title = c.take(static_cast<size_t>(c.i32()));
    v.totalBytes = fmt::getInt64(c.take(8).data());
    v.fileCount = fmt::getInt64(c.take(8).data());
  } else {
    ParsedEntry cont;
    cont.continuation = true;
    cont.blocks = parseSection(c);
    v.entries.push_back(cont);
  }
  while (c.pos < bytes.size()) {
    const int32_t len = c.i32();
    if (len == 0) {
      v.endMarker = true;
      break;
    }
    const std::string name = c.take(static_cast<size_t>(len));
    if (fmt::isLinkName(name)) {
      v.link = name;
      break;
    }
    ParsedEntry e;
    e.name = name;
    e.fileDate = c.i32();
    e.blocks = parseSection(c);
    v.entries.push_back(e);
  }
  return v;
}

void EventLog::attach(archive::TBackupFile& engine) {
  engine.OnProgress = [this](archive::TBackupFile&, const std::string& f, int p, bool&) {
    lines.push_back("progress " + f + " " + std::to_string(p));
  };
  engine.OnCounter = [this](archive::TBackupFile&, int64_t d, int64_t f, const std::string& dir) {
    lines.push_back("counter " + std::to_string(d) + " " + std::to_string(f) + " " + dir);
  };
  engine.OnNeedDisk = [this](archive::TBackupFile&, uint16_t id, bool&) {
    lines.push_back("needdisk " + std::to_string(id));
  };
  engine.OnRestoreFile = [this](archive::TBackupFile&, std::string& f, int32_t, bool& doRestore) {
    lines.push_back("restorefile " + f + (doRestore ? " yes" : " no"));
  };
  engine.OnFileRestored = [this](archive::TBackupFile&, std::string& f, int) { lines.push_back("restored " + f); };
  engine.OnError = [this](archive::TBackupFile&, int code, const std::string& text) {
    lines.push_back("error " + std::to_string(code) + " " + text);
  };
}

}  // namespace arkwell::test
