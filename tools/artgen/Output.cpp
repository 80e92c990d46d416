// Checked writing into the data folder.
#include "Output.h"

#include "artwork/AtSizePainter.h"
#include "ui/AssetCatalog.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace artgen {

using quorvel::AssetCatalog;

std::string Output::FileFor(std::string_view designPath) {
    std::filesystem::path file =
        std::filesystem::path(dataDir_) / AssetCatalog::DataPath(designPath);
    std::filesystem::create_directories(file.parent_path());
    return file.string();
}

void Output::Claim(std::string_view designPath) {
    const quorvel::AssetEntry* entry = AssetCatalog::Find(designPath);
    if (!entry) {
        problems_.push_back("not in the catalogue: " + std::string(designPath));
        return;
    }
    if (!written_.insert(entry->path).second) {
        problems_.push_back("written twice: " + entry->path);
    }
}

artwork::SurfaceSize Output::SizeFor(std::string_view, int width, int height) {
    return {width, height, static_cast<int>(std::lround(width * scale_)),
            static_cast<int>(std::lround(height * scale_))};
}

void Output::Picture(std::string_view designPath, const Surface& s, const GifOptions& gif) {
    const quorvel::AssetEntry* entry = AssetCatalog::Find(designPath);
    if (!entry) {
        problems_.push_back("not in the catalogue: " + std::string(designPath));
        return;
    }
    if (entry->width != s.width() || entry->height != s.height()) {
        problems_.push_back(entry->path + ": drawn " + std::to_string(s.width()) + "x" +
                            std::to_string(s.height()) + ", catalogue says " +
                            std::to_string(entry->width) + "x" + std::to_string(entry->height));
    }
    Claim(entry->path);
    const std::string file = FileFor(entry->path);
    const std::string ext = file.substr(file.size() - 4);
    std::string error;
    if (ext == ".gif") {
        error = WriteGif(s, file, gif);
    } else if (ext == ".jpg") {
        error = WriteJpeg(s, file);
    } else {
        error = WriteBmp(s, file);
    }
    if (!error.empty()) {
        problems_.push_back(error);
        return;
    }
    std::ifstream written(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(written)),
                                          std::istreambuf_iterator<char>());
    manifest_.Add(entry->path, quorvel::ContentHash(bytes));
}

void Output::WriteManifest() {
    manifest_.painters = std::string(artwork::ArtworkIdentity());
    const std::string file = dataDir_ + "/" + quorvel::PaintedManifest::kFileName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << manifest_.Format();
    out.close();
    if (!out) {
        problems_.push_back("cannot write " + file);
    }
}

void Output::Sound(std::string_view designPath, const std::vector<short>& samples, int rate) {
    Claim(designPath);
    const std::string file = FileFor(designPath);
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) {
        problems_.push_back("cannot create " + file);
        return;
    }
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    unsigned char header[44] = {'R', 'I', 'F', 'F', 0,  0, 0, 0, 'W', 'A', 'V', 'E',
                                'f', 'm', 't', ' ', 16, 0, 0, 0, 1,   0,   1,   0};
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<unsigned char>(v >> (8 * i));
        }
    };
    put32(4, 36 + dataBytes);
    put32(24, std::uint32_t(rate));
    put32(28, std::uint32_t(rate) * 2);
    header[32] = 2;  // block align
    header[34] = 16; // bits per sample
    header[36] = 'd';
    header[37] = 'a';
    header[38] = 't';
    header[39] = 'a';
    put32(40, dataBytes);
    std::fwrite(header, 1, sizeof header, out);
    for (short v : samples) { // little-endian whatever the host
        const unsigned char b[2] = {static_cast<unsigned char>(v & 255),
                                    static_cast<unsigned char>((v >> 8) & 255)};
        std::fwrite(b, 1, 2, out);
    }
    if (std::fclose(out) != 0) {
        problems_.push_back("writing " + file + " failed");
    }
}

std::vector<std::string> Output::Missing() const {
    std::vector<std::string> missing;
    for (const quorvel::AssetEntry& e : AssetCatalog::Entries()) {
        if (!written_.count(e.path)) {
            missing.push_back(e.path);
        }
    }
    return missing;
}

} // namespace artgen
