// Fuzz target for settings.ini: any bytes give settings within their ranges (a bad value resets
// its own key, with a reason), never a crash or a hang; whatever is read is written and read
// back unchanged; and the file read from disk gives what its text gives.
#include "app/SettingsFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using quorvel::Settings;

bool InRange(const Settings& s) {
    const auto volume = [](int v) { return v >= 0 && v <= 100; };
    return volume(s.sound.effectsVolume) && volume(s.sound.musicVolume) &&
           s.cardSpeed >= Settings::kFastest && s.cardSpeed <= Settings::kSlowest;
}

// A folder of this fuzzing process under the temporary folder, removed when it ends.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "settings-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

const std::filesystem::path& ScratchFile() {
    static const ScratchFolder folder;
    static const std::filesystem::path file = folder.path / "settings.ini";
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quorvel::SettingsRead read = quorvel::ParseSettings(text);
    if (!InRange(read.settings))
        std::abort();
    // A bad value resets only its own key, so settings read with a problem are as good as any:
    // whatever was read is written and read back unchanged, without a problem.
    const quorvel::SettingsRead again =
        quorvel::ParseSettings(quorvel::FormatSettings(read.settings));
    if (!again.problem.empty() || !(again.settings == read.settings))
        std::abort();

    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out)
            std::abort();
    }
    const quorvel::SettingsRead loaded = quorvel::LoadSettings(ScratchFile());
    if (!(loaded.settings == read.settings) || loaded.problem.empty() != read.problem.empty())
        std::abort();
    return 0;
}
