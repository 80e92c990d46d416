// Reading a small file the game writes itself (the settings, the statistics) without trusting
// what is under its name: a link is not followed, a FIFO or a device is not waited on, and a
// file larger than any the game writes is not read. What went wrong is said in words that never
// quote the file, which may be anything.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace quorvel {

struct OwnFileRead {
    enum class Outcome {
        Read,       // `text` holds the whole file
        Missing,    // nothing under the name (or no folder yet)
        NotOurs,    // a link, a folder, a FIFO or a device, or larger than the limit
        Unreadable, // it is there but cannot be read (permissions, an I/O error)
        NoFolder,   // a part of the folder it would be in is not a folder
    };
    Outcome outcome = Outcome::Missing;
    std::string text;
    std::string why; // for Unreadable, NotOurs and NoFolder: the reason, in English
};

OwnFileRead ReadOwnFile(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace quorvel
