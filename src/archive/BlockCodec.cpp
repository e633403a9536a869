#include "archive/BlockCodec.h"

#include <libdeflate.h>
#include <zlib.h>

#include "archive/ArchiveError.h"

namespace arkwell::archive {

namespace {
constexpr int kWindowBits = 15;
constexpr int kMemLevel = 8;
}  // namespace

struct BlockCompressor::State {
  z_stream stream{};
  std::array<char, format::kBlockSize> output{};
};

BlockCompressor::BlockCompressor(int zlibLevel) : state_(std::make_unique<State>()) {
  if (deflateInit2(&state_->stream, zlibLevel, Z_DEFLATED, kWindowBits, kMemLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw CompressionFailure("cannot open the compressor (zlib level " + std::to_string(zlibLevel) + ")");
  }
}

BlockCompressor::~BlockCompressor() {
  deflateEnd(&state_->stream);
}

CompressedBlock BlockCompressor::compress(const char* input, size_t size) {
  return compress(input, size, state_->output.data());
}

CompressedBlock BlockCompressor::compress(const char* input, size_t size, char* output) {
  z_stream& zs = state_->stream;
  if (deflateReset(&zs) != Z_OK) {
    throw CompressionFailure("cannot reset the compressor");
  }
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
  zs.avail_in = static_cast<uInt>(size);
  zs.next_out = reinterpret_cast<Bytef*>(output);
  zs.avail_out = static_cast<uInt>(format::kBlockSize);
  const int rc = deflate(&zs, Z_FINISH);
  if (rc == Z_STREAM_END) {
    return {static_cast<int32_t>(zs.total_out), output};
  }
  if (rc == Z_OK || rc == Z_BUF_ERROR) {
    // The compressed form does not fit in one block: store the bytes as read.
    return {-static_cast<int32_t>(size), input};
  }
  throw CompressionFailure("the compressor failed (zlib code " + std::to_string(rc) + ")");
}

// Inflation is whole-buffer by nature here (one block in, at most one block
// out), which libdeflate does several times faster than zlib's streaming
// inflate; the bytes produced are the same for any valid stream. A block it
// refuses is judged again by zlib, so that damage is named as before.
struct BlockInflater::State {
  libdeflate_decompressor* decompressor = nullptr;
  z_stream judge{};
  bool judgeOpen = false;
};

BlockInflater::BlockInflater() : state_(std::make_unique<State>()) {
  state_->decompressor = libdeflate_alloc_decompressor();
  if (state_->decompressor == nullptr) {
    throw CompressionFailure("cannot open the decompressor");
  }
}

BlockInflater::~BlockInflater() {
  libdeflate_free_decompressor(state_->decompressor);
  if (state_->judgeOpen) inflateEnd(&state_->judge);
}

InflateResult BlockInflater::inflate(const char* input, size_t size, char* output, size_t& produced) {
  size_t consumed = 0;
  produced = 0;
  if (libdeflate_zlib_decompress_ex(state_->decompressor, input, size, output, format::kBlockSize, &consumed,
                                    &produced) == LIBDEFLATE_SUCCESS &&
      consumed == size) {
    return InflateResult::ok;
  }
  return judgeDamage(input, size, output, produced);
}

InflateResult BlockInflater::judgeDamage(const char* input, size_t size, char* output, size_t& produced) {
  z_stream& zs = state_->judge;
  if (!state_->judgeOpen) {
    if (inflateInit2(&zs, kWindowBits) != Z_OK) {
      throw CompressionFailure("cannot open the decompressor");
    }
    state_->judgeOpen = true;
  } else if (inflateReset(&zs) != Z_OK) {
    throw CompressionFailure("cannot reset the decompressor");
  }
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
  zs.avail_in = static_cast<uInt>(size);
  zs.next_out = reinterpret_cast<Bytef*>(output);
  zs.avail_out = static_cast<uInt>(format::kBlockSize);
  const int rc = ::inflate(&zs, Z_FINISH);
  produced = format::kBlockSize - zs.avail_out;
  if (rc == Z_STREAM_END) {
    return zs.avail_in == 0 ? InflateResult::ok : InflateResult::notOneStream;
  }
  if (rc == Z_MEM_ERROR) {
    throw CompressionFailure("the decompressor ran out of memory");
  }
  if (rc == Z_BUF_ERROR && zs.avail_out == 0) {
    // Output full and the stream not ended: it needs more room.
    return InflateResult::tooLarge;
  }
  return InflateResult::notOneStream;
}

}  // namespace arkwell::archive
