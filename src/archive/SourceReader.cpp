#include "archive/SourceReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "archive/ArchiveError.h"
#include "archive/ArchiveFormat.h"

namespace arkwell::archive {

namespace {

constexpr size_t kSlotsPerWorker = 8;
// Files held open ahead of their turn, whatever the number of workers: many
// cores must not eat up the process's file descriptors.
constexpr size_t kMaxFilesAhead = 64;
// A block takes tens of microseconds: a short spin usually sees it through
// without the system calls of sleeping and waking.
constexpr int kSpins = 200;

inline void pauseBriefly() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#else
  std::this_thread::yield();
#endif
}

// One read of up to `size` bytes, repeated until full or at the end of the
// file, so block boundaries never depend on how the kernel splits reads.
ssize_t readBlock(int fd, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, buffer + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

}  // namespace

int openSourceFile(const std::string& path, struct stat& st) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    return -1;
  }
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    errno = err;
    return -1;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return -1;
  }
  return fd;
}

int SourceReader::defaultWorkers() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

SourceReader::SourceReader(const std::vector<std::string>& files, int zlibLevel, int workers)
    : files_(files), parallel_(workers > 1) {
  local_ = std::make_unique<BlockCompressor>(zlibLevel);
  const size_t slotCount = parallel_ ? kSlotsPerWorker * static_cast<size_t>(workers) : 1;
  for (size_t i = 0; i < slotCount; ++i) {
    auto slot = std::make_unique<Slot>();
    slot->input.resize(format::kBlockSize);
    slot->output.resize(format::kBlockSize);
    free_.push_back(slot.get());
    slots_.push_back(std::move(slot));
  }
  jobs_ = std::vector<std::atomic<Slot*>>(slotCount);
  if (parallel_) {
    workers_.reserve(static_cast<size_t>(workers));  // no allocation once threads run
    try {
      // The caller compresses too while it waits, so it counts as one worker.
      for (int i = 1; i < workers; ++i) {
        workers_.emplace_back([this, zlibLevel] { workerLoop(zlibLevel); });
      }
    } catch (const std::system_error&) {
      // No more threads to be had: the caller compresses what the others leave.
    }
  }
}

SourceReader::~SourceReader() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& t : workers_) t.join();
  for (FileAhead& file : ahead_) {
    if (file.fd >= 0) ::close(file.fd);
  }
}

SourceReader::Slot* SourceReader::claim() {
  uint64_t next = claimed_.load();
  while (next < produced_.load()) {
    // Read before claiming: once `next` is claimed its ring place may be reused.
    Slot* slot = jobs_[next % jobs_.size()].load();
    if (claimed_.compare_exchange_weak(next, next + 1)) return slot;
  }
  return nullptr;
}

void SourceReader::workerLoop(int level) {
  std::unique_ptr<BlockCompressor> compressor;
  std::string setupFailure;
  try {
    compressor = std::make_unique<BlockCompressor>(level);
  } catch (const CompressionFailure& ex) {
    setupFailure = ex.what();
  }
  for (;;) {
    Slot* slot = claim();
    for (int spin = 0; slot == nullptr && spin < kSpins; ++spin) {
      pauseBriefly();
      slot = claim();
    }
    if (slot == nullptr) {
      std::unique_lock<std::mutex> lock(mutex_);
      sleepers_.fetch_add(1);
      workReady_.wait(lock, [this] { return stopping_ || claimed_.load() < produced_.load(); });
      sleepers_.fetch_sub(1);
      if (stopping_) return;
      continue;
    }
    if (compressor) {
      compressSlot(*compressor, *slot);
    } else {
      slot->failure = setupFailure;
    }
    slot->done.store(true);
    if (callerWaiting_.load()) {
      { std::lock_guard<std::mutex> sync(mutex_); }
      workDone_.notify_all();
    }
  }
}

void SourceReader::compressSlot(BlockCompressor& compressor, Slot& slot) {
  try {
    slot.result = compressor.compress(slot.input.data(), static_cast<size_t>(slot.got), slot.output.data());
  } catch (const CompressionFailure& ex) {
    slot.failure = ex.what();
  }
}

void SourceReader::submit(const std::vector<Slot*>& batch) {
  if (batch.empty()) return;
  uint64_t next = produced_.load();
  for (Slot* slot : batch) {
    jobs_[next % jobs_.size()].store(slot);
    ++next;
  }
  produced_.store(next);
  if (sleepers_.load() > 0) {
    { std::lock_guard<std::mutex> sync(mutex_); }
    if (batch.size() == 1) {
      workReady_.notify_one();
    } else {
      workReady_.notify_all();
    }
  }
}

// The caller never just sleeps while blocks wait unclaimed: it compresses
// them itself, the one it waits for included.
void SourceReader::waitDone(Slot* slot) {
  while (!slot->done.load()) {
    if (Slot* other = claim()) {
      compressSlot(*local_, *other);
      other->done.store(true);
      continue;
    }
    for (int spin = 0; !slot->done.load() && spin < kSpins; ++spin) pauseBriefly();
    if (slot->done.load()) return;
    std::unique_lock<std::mutex> lock(mutex_);
    callerWaiting_.store(true);
    workDone_.wait(lock, [slot] { return slot->done.load(); });
    callerWaiting_.store(false);
  }
}

void SourceReader::release(Slot* slot) {
  waitDone(slot);
  free_.push_back(slot);
}

SourceReader::FileAhead& SourceReader::openAhead(size_t index) {
  FileAhead file;
  file.index = index;
  file.fd = openSourceFile(files_[index], file.opened.st);
  if (file.fd < 0) {
    file.opened.error = errno;
    file.stopped = true;
  } else {
    file.remaining = file.opened.st.st_size;
    if (file.remaining > format::kBlockSize) {
      // Only files of several blocks gain from a larger read-ahead.
      ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    file.stopped = file.remaining <= 0;
  }
  nextToOpen_ = index + 1;
  ahead_.push_back(std::move(file));
  return ahead_.back();
}

// Reads ahead into the free slots, the current file first, then later files.
// One slot stays free for the writer's own reads of a file that shrank.
void SourceReader::fill() {
  if (!parallel_) return;
  while (free_.size() > 1) {
    FileAhead* file = nullptr;
    if (!ahead_.empty() && !ahead_.back().stopped) {
      file = &ahead_.back();
    } else if (nextToOpen_ < files_.size() && !opensPaused_ &&
               ahead_.size() < std::min(slots_.size(), kMaxFilesAhead)) {
      file = &openAhead(nextToOpen_);
      const int error = file->opened.error;
      if ((error == EMFILE || error == ENFILE) && ahead_.size() > 1) {
        // Out of descriptors is no verdict on a file opened early: it is
        // opened again at its turn, once the files before it are closed.
        nextToOpen_ = file->index;
        ahead_.pop_back();
        opensPaused_ = true;
        break;
      }
      if (file->stopped) continue;
    } else {
      break;
    }
    Slot* slot = free_.back();
    free_.pop_back();
    slot->got = readBlock(file->fd, slot->input.data(), slot->input.size());
    slot->error = slot->got < 0 ? errno : 0;
    slot->failure.clear();
    file->slots.push_back(slot);
    if (slot->got < 0) {
      slot->done = true;  // nothing to compress; the writer reports it in turn
      file->stopped = true;
      continue;
    }
    file->remaining -= slot->got;
    // An empty read means the file shrank: the writer reads on by itself.
    file->stopped = file->remaining <= 0 || slot->got == 0;
    slot->done.store(false);
    batch_.push_back(slot);
  }
  submit(batch_);
  batch_.clear();
}

SourceReader::Opened SourceReader::open(size_t index) {
  releaseInUse();
  opensPaused_ = false;
  while (!ahead_.empty() && ahead_.front().index < index) dropFront();
  if (ahead_.empty() || ahead_.front().index != index) {
    // Not reached by the reader ahead (or passed over): start here.
    while (!ahead_.empty()) dropFront();
    openAhead(index);
  } else if (FileAhead& file = ahead_.front(); file.fd >= 0) {
    // Opened ahead of its turn: a file deleted since then is gone for the
    // writer too, as it would be had it been opened only now.
    struct stat now {};
    if (::fstat(file.fd, &now) == 0 && now.st_nlink == 0) {
      releaseSlots(file);
      ::close(file.fd);
      file.fd = -1;
      file.opened.error = ENOENT;
      file.stopped = true;
    }
  }
  return ahead_.front().opened;
}

SourceReader::Block SourceReader::readNow(FileAhead& file) {
  Slot* slot = free_.back();
  free_.pop_back();
  inUse_ = slot;
  slot->done = true;
  slot->got = readBlock(file.fd, slot->input.data(), slot->input.size());
  slot->error = slot->got < 0 ? errno : 0;
  if (slot->got >= 0) {
    slot->result = local_->compress(slot->input.data(), static_cast<size_t>(slot->got), slot->output.data());
  }
  return {slot->got, slot->error, slot->result};
}

SourceReader::Block SourceReader::next() {
  releaseInUse();
  fill();
  FileAhead& file = ahead_.front();
  if (file.slots.empty()) {
    return readNow(file);
  }
  Slot* slot = file.slots.front();
  file.slots.pop_front();
  waitDone(slot);
  inUse_ = slot;
  if (!slot->failure.empty()) {
    throw CompressionFailure(slot->failure);
  }
  return {slot->got, slot->error, slot->result};
}

void SourceReader::releaseInUse() {
  if (inUse_ != nullptr) {
    free_.push_back(inUse_);
    inUse_ = nullptr;
  }
}

void SourceReader::releaseSlots(FileAhead& file) {
  for (Slot* slot : file.slots) release(slot);
  file.slots.clear();
}

void SourceReader::dropFront() {
  FileAhead& file = ahead_.front();
  releaseSlots(file);
  if (file.fd >= 0) ::close(file.fd);
  ahead_.pop_front();
}

void SourceReader::close() {
  releaseInUse();
  if (!ahead_.empty()) dropFront();
}

}  // namespace arkwell::archive
