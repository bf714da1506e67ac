// Cost of searching a folder list of the control file, by its length in bytes.
#include "common/search_paths.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void SearchFolderList(benchmark::State& state)
{
    // Missing folders, the largest count a path index holds within the length.
    const std::string entry = "/missing/folder/of/a/search/list/";
    vq::CPathObj paths;
    paths.SetUpPathObj("INIFilePath", "Thermix2.ini", "/missing/default/");
    while (paths.PathList.size() < static_cast<std::size_t>(state.range(0)))
        paths.PathList += entry + ",";
    for (auto _ : state)
        benchmark::DoNotOptimize(paths.FindPathToFile(1, false));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(SearchFolderList)->Arg(64 << 10)->Arg(256 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
