// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the picture catalogue against a bare listing of the same folder:
// matching and keeping the names may cost at most as much again as reading
// the folder.

#include "game/game.h"
#include "support/memory_board.h"
#include "game/name_catalogue.h"
#include "support/ratio.h"
#include "support/scripted_random.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace brindolo {
namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 10000;

// A program folder whose picture folder holds kPictures empty files, made
// once per run and removed at exit.
class PictureFolder {
public:
    PictureFolder() : program_(fs::temp_directory_path() / ("brindolo-bench-catalogue-" + std::to_string(getpid())))
    {
        fs::create_directories(program_ / "immagini");
        for (int i = 0; i < kPictures; ++i)
            std::ofstream(program_ / "immagini" / ("word" + std::to_string(i) + ".jpg"));
    }
    ~PictureFolder() { fs::remove_all(program_); }

    std::string programFolder() const { return program_.native() + "/"; }
    fs::path pictures() const { return program_ / "immagini"; }

private:
    fs::path program_;
};

const PictureFolder& folder()
{
    static const PictureFolder instance;
    return instance;
}

void BM_DirectoryListing(benchmark::State& state)
{
    const fs::path pictures = folder().pictures();
    for (auto _ : state) {
        int entries = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(pictures)) {
            benchmark::DoNotOptimize(entry.path());
            ++entries;
        }
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_DirectoryListing)->Unit(benchmark::kMillisecond);

void BM_CatalogueBuild(benchmark::State& state)
{
    const std::string pictureFolder = folder().programFolder() + "immagini/";
    MemoryBoard board;
    NameCatalogue catalogue;
    ScriptedRandom random;
    Game game(board, catalogue, random);
    for (auto _ : state) {
        game.buildCatalogue(pictureFolder);
        benchmark::DoNotOptimize(catalogue.count());
    }
    if (catalogue.count() != kPictures)
        state.SkipWithError("the catalogue missed pictures");
}
BENCHMARK(BM_CatalogueBuild)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brindolo

BRINDOLO_GOAL(CatalogueBuild, "BM_CatalogueBuild", "BM_DirectoryListing", 2.0);
