#pragma once
// Compression and inflation of single archive blocks. A compressor keeps one
// zlib state for its whole life and resets it per block, which yields the
// same bytes as a fresh stream per block; an inflater keeps one decompressor.
// Not thread-safe: one per thread.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "archive/ArchiveFormat.h"

namespace arkwell::archive {

struct CompressedBlock {
  int32_t length = 0;  // > 0 compressed size, < 0 minus the raw size (0 for an empty read is compressed)
  const char* data = nullptr;
  size_t size() const { return static_cast<size_t>(length < 0 ? -static_cast<int64_t>(length) : length); }
};

class BlockCompressor {
 public:
  // zlibLevel: 1, 0, -1 (zlib's default) or 9.
  explicit BlockCompressor(int zlibLevel);
  ~BlockCompressor();
  BlockCompressor(const BlockCompressor&) = delete;
  BlockCompressor& operator=(const BlockCompressor&) = delete;

  // Compresses one read of at most kBlockSize bytes. The result points into
  // this object's buffer (compressed) or at `input` (raw) and stays valid
  // until the next call. Throws CompressionFailure when zlib fails.
  CompressedBlock compress(const char* input, size_t size);
  // The same, with the compressed bytes going to `output` (kBlockSize bytes).
  CompressedBlock compress(const char* input, size_t size, char* output);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

enum class InflateResult {
  ok,
  tooLarge,      // would produce more than kBlockSize bytes
  notOneStream,  // corrupt, incomplete, or followed by other bytes
};

class BlockInflater {
 public:
  BlockInflater();
  ~BlockInflater();
  BlockInflater(const BlockInflater&) = delete;
  BlockInflater& operator=(const BlockInflater&) = delete;

  // Inflates one compressed block into `output` (kBlockSize bytes); sets
  // `produced`. Throws CompressionFailure when it cannot be set up.
  InflateResult inflate(const char* input, size_t size, char* output, size_t& produced);

 private:
  InflateResult judgeDamage(const char* input, size_t size, char* output, size_t& produced);

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace arkwell::archive
