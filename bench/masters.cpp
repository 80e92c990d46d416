// The two ways to sharp pictures, measured on the main menu's seven pictures at the sizes a
// 3840x2160 screen (scale 3.6) and a 2560x1440 one (2.4) shows them: (a) painted by the
// painters at that size, first with an empty picture cache and then read back from it; (b)
// high-resolution masters written by the generator (bench/masters.sh), decoded and scaled
// down to that size with the game's filter. Prints the median CPU time of each over RUNS runs
// and the pixel bytes each way holds at its largest. Run by bench/masters.sh.
//   bench-masters DATA_DIR MASTERS_DIR [RUNS]
#include "artwork/AtSizePainter.h"
#include "gui/sdl/FileBytes.h"
#include "gui/sdl/PaintedPictures.h"
#include "gui/sdl/PictureDecoders.h"
#include "gui/sdl/PictureScaler.h"
#include "system/DataFiles.h"
#include "ui/AssetCatalog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

using namespace quorvel;

constexpr const char* kMenuPictures[] = {
    "picture\\home100.gif",
    "picture\\gif\\21logo.gif",
    "picture\\gif\\Yxks00.gif",
    "picture\\gif\\Yxks01.gif",
    "picture\\gif\\Yxks02.gif",
    "picture\\design\\settings-button.gif",
    "picture\\design\\stats-button.gif",
};

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The median CPU time of `runs` calls of `work` [ms].
double Median(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = CpuMs();
        work();
        times.push_back(CpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Shown {
    const char* path;
    int width, height; // [px]
};

std::vector<Shown> MenuAt(double scale) {
    std::vector<Shown> shown;
    for (const char* path : kMenuPictures) {
        const AssetEntry* entry = AssetCatalog::Find(path);
        shown.push_back({path, static_cast<int>(std::lround(entry->width * scale)),
                         static_cast<int>(std::lround(entry->height * scale))});
    }
    return shown;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench-masters DATA_DIR MASTERS_DIR [RUNS]\n");
        return 2;
    }
    const std::filesystem::path data = argv[1], masters = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    artwork::AtSizePainter painter;
    for (const double scale : {3.6, 2.4}) {
        const auto shown = MenuAt(scale);
        std::size_t bytes = 0;
        for (const Shown& s : shown)
            bytes += static_cast<std::size_t>(s.width) * s.height * 4;
        std::printf("main menu at scale %.1f: %zu pictures, %.1f MB of pixels shown\n", scale,
                    shown.size(), bytes / 1048576.0);

        const double painted = Median(runs, [&] {
            for (const Shown& s : shown)
                painter.Paint(s.path, s.width, s.height);
        });
        const auto cache = std::filesystem::temp_directory_path() / "quorvel-bench-masters";
        std::filesystem::remove_all(cache);
        DataFiles files(data);
        {
            PaintedPictures store(files, &painter, cache);
            for (const Shown& s : shown)
                store.Load(s.path, s.width, s.height);
        }
        const double warm = Median(runs, [&] {
            PaintedPictures store(files, &painter, cache);
            for (const Shown& s : shown)
                store.Load(s.path, s.width, s.height);
        });
        std::uintmax_t cacheBytes = 0;
        for (const auto& f : std::filesystem::directory_iterator(cache))
            cacheBytes += f.file_size();
        std::filesystem::remove_all(cache);
        std::printf("  (a) painted at size: %.1f ms cold, %.1f ms from the cache (%.1f MB on "
                    "disk)\n",
                    painted, warm, cacheBytes / 1048576.0);

        std::size_t masterBytes = 0, largest = 0;
        const double decoded = Median(runs, [&] {
            for (const Shown& s : shown) {
                std::vector<std::uint8_t> file;
                std::string error;
                if (!ReadFileBytes(masters / AssetCatalog::DataPath(s.path), 64u << 20, file))
                    continue;
                const auto master = DecodePicture(file, error);
                if (!master)
                    continue;
                masterBytes = std::max(masterBytes, master->pixels.size() * 4);
                const Picture fitted = Resample(*master, s.width, s.height);
                largest = std::max(largest, (master->pixels.size() + fitted.pixels.size()) * 4);
            }
        });
        std::printf("  (b) masters decoded and scaled: %.1f ms (largest master %.1f MB, with "
                    "its scaled copy %.1f MB)\n",
                    decoded, masterBytes / 1048576.0, largest / 1048576.0);
    }
    return 0;
}
