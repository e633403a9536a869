#pragma once
// Reads the files of a backup in list order, block by block, and compresses
// each block. With more than one worker it reads ahead on the calling thread
// (into later files too) while worker threads compress, and hands blocks back
// strictly in order; the calling thread compresses too whenever it would
// otherwise wait, so it is one of the workers: the blocks are exactly those a one-thread reader makes,
// since block boundaries depend only on the file contents. The number of
// blocks in flight is fixed, so memory does not grow with file or tree size.
//
// Not thread-safe: one caller drives open/next/close.
#include <sys/stat.h>
#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "archive/BlockCodec.h"

namespace arkwell::archive {

// Opens a source file for reading without blocking on FIFOs; only regular
// files qualify. Returns -1 with errno set otherwise.
int openSourceFile(const std::string& path, struct stat& st);

class SourceReader {
 public:
  struct Opened {
    int error = 0;  // errno when the file could not be opened
    struct stat st {};
  };
  struct Block {
    ssize_t got = 0;  // bytes read; -1 on a read error
    int error = 0;    // errno of a failed read
    CompressedBlock compressed;
  };

  // workers: threads that compress, the calling one included; <= 1 keeps
  // everything on the calling thread.
  SourceReader(const std::vector<std::string>& files, int zlibLevel, int workers);
  ~SourceReader();
  SourceReader(const SourceReader&) = delete;
  SourceReader& operator=(const SourceReader&) = delete;

  // File `index` takes its turn (files before it are passed over).
  Opened open(size_t index);
  // The next block of the current file, in order. The result stays valid
  // until the next call. Throws CompressionFailure for a failed block.
  Block next();
  // The current file's turn ends.
  void close();

  static int defaultWorkers();

 private:
  struct Slot {
    std::vector<char> input;
    std::vector<char> output;
    ssize_t got = 0;
    int error = 0;
    std::atomic<bool> done{true};
    std::string failure;
    CompressedBlock result;
  };
  struct FileAhead {
    size_t index = 0;
    int fd = -1;
    Opened opened;
    int64_t remaining = 0;  // as the reader ahead counts it
    bool stopped = false;   // nothing more to read ahead for this file
    std::deque<Slot*> slots;
  };

  void fill();
  FileAhead& openAhead(size_t index);
  void submit(const std::vector<Slot*>& batch);
  // Blocks are taken strictly in the order they were submitted, by workers
  // and by the caller alike; nullptr when none is waiting.
  Slot* claim();
  void waitDone(Slot* slot);
  static void compressSlot(BlockCompressor& compressor, Slot& slot);
  void release(Slot* slot);
  // Every block read ahead for `file` goes back to the free slots.
  void releaseSlots(FileAhead& file);
  void dropFront();
  void releaseInUse();
  Block readNow(FileAhead& file);
  void workerLoop(int level);

  const std::vector<std::string>& files_;
  bool parallel_;
  std::deque<FileAhead> ahead_;
  size_t nextToOpen_ = 0;
  bool opensPaused_ = false;  // no descriptor left: open no more ahead until the next turn
  std::vector<std::unique_ptr<Slot>> slots_;
  std::vector<Slot*> free_;
  Slot* inUse_ = nullptr;
  std::unique_ptr<BlockCompressor> local_;

  // Submitted blocks form a ring as large as the slot count: a block is
  // submitted only from a free slot, so at most that many wait unclaimed.
  std::vector<std::atomic<Slot*>> jobs_;
  std::atomic<uint64_t> produced_{0};
  std::atomic<uint64_t> claimed_{0};
  // Sleeping is the slow path: a wake-up is a system call and a context
  // switch, so submitters and workers only signal a side known to sleep.
  std::atomic<int> sleepers_{0};
  std::atomic<bool> callerWaiting_{false};
  std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable workDone_;
  bool stopping_ = false;
  std::vector<Slot*> batch_;
  std::vector<std::thread> workers_;
};

}  // namespace arkwell::archive
