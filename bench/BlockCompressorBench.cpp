// Per-block cost of compressing and inflating one 16 KiB block at each level.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "archive/ArchiveFormat.h"
#include "archive/BackupFile.h"
#include "archive/BlockCodec.h"

namespace {

using namespace arkwell::archive;

std::string sampleBlock(bool text) {
  std::string block(format::kBlockSize, '\0');
  std::mt19937 rng(42);
  static const char* words[] = {"int ", "struct ", "const ", "return ", "#include ", "\n", "(void) "};
  if (text) {
    std::string out;
    while (out.size() < block.size()) out += words[rng() % 7];
    out.resize(block.size());
    return out;
  }
  for (char& c : block) c = static_cast<char>(rng());
  return block;
}

void Compress(benchmark::State& state) {
  const auto level = static_cast<TCompressionLevel>(state.range(0));
  const std::string input = sampleBlock(state.range(1) != 0);
  BlockCompressor compressor(zlibLevel(level));
  for (auto _ : state) {
    benchmark::DoNotOptimize(compressor.compress(input.data(), input.size()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * format::kBlockSize);
}
BENCHMARK(Compress)->ArgsProduct({{clFastest, clNone, clDefault, clMax}, {1, 0}})->ArgNames({"level", "text"});

void Inflate(benchmark::State& state) {
  const std::string input = sampleBlock(true);
  BlockCompressor compressor(zlibLevel(clFastest));
  const CompressedBlock block = compressor.compress(input.data(), input.size());
  const std::string compressed(block.data, block.size());
  BlockInflater inflater;
  std::string out(format::kBlockSize, '\0');
  for (auto _ : state) {
    size_t produced = 0;
    benchmark::DoNotOptimize(inflater.inflate(compressed.data(), compressed.size(), out.data(), produced));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * format::kBlockSize);
}
BENCHMARK(Inflate);

}  // namespace

BENCHMARK_MAIN();
