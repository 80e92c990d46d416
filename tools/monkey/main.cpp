// quorvel-monkey [--events N] [--seed S] [--record DIR]: plays the game headless with random
// input and checks its invariants after every event; with --record it writes the rounds it
// plays to DIR, a script per game that quorvel-scenario plays again. Exit 0 when none broke, 1
// when one did, 2 on bad options. It prints the events per second, for bench/monkey.sh.
#include "Monkey.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    quorvel::monkey::Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--record") {
            options.Record = argv[i + 1];
            continue;
        }
        char* end = nullptr;
        const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
        if (*end != '\0' || (flag != "--events" && flag != "--seed")) {
            std::cerr << "usage: quorvel-monkey [--events N] [--seed S] [--record DIR]\n";
            return 2;
        }
        if (flag == "--events")
            options.Events = static_cast<std::int64_t>(value);
        else
            options.Seed = value;
    }
    // Saves go to a working folder of the run's own.
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvel-monkey-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "quorvel-monkey: cannot make a working folder\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto report = quorvel::monkey::Run(options, pattern, std::cout);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << static_cast<long long>(report.Events / seconds) << " events per second\n";
    std::error_code ec;
    std::filesystem::remove_all(pattern, ec);
    return report.Ok() ? 0 : 1;
}
