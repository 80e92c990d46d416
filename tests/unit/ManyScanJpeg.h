// Writes hostile progressive JPEGs for the decode-time tests: a grey picture whose one AC scan
// (nothing but end-of-block runs, a few bytes) is repeated until the file holds `scans` scans.
// A decoder without a bound walks every block of the picture once per scan, so a file of a few
// hundred kilobytes costs tens of seconds. libjpeg's own encoder writes the first two scans; the
// repeats are copies of the second one's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace quorvel::testing {

inline std::vector<std::uint8_t> ManyScanJpeg(int width, int height, int scans) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    // One DC scan, then one scan of all 63 AC coefficients: a progressive file.
    static const jpeg_scan_info kScript[2] = {{1, {0, 0, 0, 0}, 0, 0, 0, 0},
                                              {1, {0, 0, 0, 0}, 1, 63, 0, 0}};
    info.scan_info = kScript;
    info.num_scans = 2;
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width), 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);

    // Walks the markers to the last start-of-scan; its scan runs up to the end-of-image marker.
    std::size_t at = 2;
    std::size_t lastScan = 0;
    while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
        const std::uint8_t marker = bytes[at + 1];
        if (marker == 0xD9)
            break;
        const std::size_t length = (std::size_t{bytes[at + 2]} << 8) | bytes[at + 3];
        std::size_t next = at + 2 + length;
        if (marker == 0xDA) {
            lastScan = at;
            // Entropy-coded data: 0xFF is followed by 0x00 (a stuffed byte) or a restart marker.
            while (next + 1 < bytes.size() &&
                   !(bytes[next] == 0xFF && bytes[next + 1] != 0x00 &&
                     (bytes[next + 1] < 0xD0 || bytes[next + 1] > 0xD7)))
                ++next;
        }
        at = next;
    }
    if (lastScan == 0 || at + 2 != bytes.size())
        throw std::runtime_error("unexpected JPEG layout from the encoder");
    const std::vector<std::uint8_t> scan(bytes.begin() + static_cast<std::ptrdiff_t>(lastScan),
                                         bytes.begin() + static_cast<std::ptrdiff_t>(at));
    bytes.resize(at);
    for (int extra = 2; extra < scans; ++extra)
        bytes.insert(bytes.end(), scan.begin(), scan.end());
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    return bytes;
}

} // namespace quorvel::testing
