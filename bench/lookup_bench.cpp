// Run: build/native/bench/vellumix_bench
#include <benchmark/benchmark.h>

#include <string>

#include "lookup/commands.h"
#include "lookup/encoder.h"

namespace {

std::string MixedName(std::size_t bytes) {
  const std::string unit = "\xB4\xCA\xCC\xF5 Vellumix-1 ";  // GBK, ASCII and punctuation
  std::string name;
  while (name.size() < bytes) name += unit;
  name.resize(bytes);
  return name;
}

void EncodeName(benchmark::State& state) {
  const vx::Text name = vx::Text::Copy(MixedName(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(vx::EncodeEntryName(name));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(EncodeName)->Arg(16)->Arg(1024)->Arg(32 * 1024);

void BuildSearchAddress(benchmark::State& state) {
  const vx::Text name = vx::Text::Copy(MixedName(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(vx::SearchAddress(vx::EncodeEntryName(name)));
}
BENCHMARK(BuildSearchAddress)->Arg(16)->Arg(1024);

}  // namespace
