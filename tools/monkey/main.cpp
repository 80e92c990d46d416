// quorvel-monkey [--events N] [--seed S] [--record DIR]: plays the game headless with random
// input and checks its invariants after every event; with --record it writes the rounds it
// plays to DIR, a script per game that quorvel-scenario plays again. Exit 0 when none broke, 1
// when one did, 2 on bad options or when it cannot make its working folder. It prints the
// events per second, for bench/monkey.sh.
#include "Monkey.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: quorvel-monkey [--events N] [--seed S] [--record DIR]\n"
    "  --events N    how many random events to play (default 100000)\n"
    "  --seed S      the seed of the random input, to play the same run again\n"
    "  --record DIR  write the rounds played to DIR, a scenario script per game\n"
    "  --help      this text\n"
    "Saves and statistics go to a folder of the run's own under $TMPDIR (or /tmp).\n";

} // namespace

int main(int argc, char** argv) {
    quorvel::monkey::Options options;
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "-h") {
            std::cout << kUsage;
            return 0;
        }
        const char* text = i + 1 < argc ? argv[i + 1] : "";
        if (flag == "--record" && *text != '\0') {
            options.Record = text;
            continue;
        }
        char* end = nullptr;
        errno = 0;
        const unsigned long long value = std::strtoull(text, &end, 10);
        if (*text == '\0' || *end != '\0' || errno != 0 ||
            (flag != "--events" && flag != "--seed")) {
            std::cerr << "quorvel-monkey: bad option " << flag << "\n" << kUsage;
            return 2;
        }
        if (flag == "--events")
            options.Events = static_cast<std::int64_t>(value);
        else
            options.Seed = value;
    }
    // Saves go to a working folder of the run's own.
    std::error_code ec;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
    std::string pattern = (temporary / "quorvel-monkey-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) {
        const char* folder = std::getenv("TMPDIR");
        std::cerr << "quorvel-monkey: cannot make a working folder in the temporary folder ("
                  << (folder ? folder : "/tmp")
                  << "): " << (ec ? ec.message() : std::strerror(errno)) << '\n';
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto report = quorvel::monkey::Run(options, pattern, std::cout);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << static_cast<long long>(report.Events / seconds) << " events per second\n";
    std::filesystem::remove_all(pattern, ec);
    return report.Ok() ? 0 : 1;
}
