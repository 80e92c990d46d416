// quorvel-many-scan-jpeg FILE WIDTH HEIGHT SCANS: writes a progressive grey JPEG of that size
// whose one AC scan is repeated to SCANS scans in all (see ManyScanJpeg.h), for the scripts that
// put such a picture where the game reads its pictures.
#include "ManyScanJpeg.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: quorvel-many-scan-jpeg FILE WIDTH HEIGHT SCANS\n";
        return 2;
    }
    const auto bytes = quorvel::testing::ManyScanJpeg(std::atoi(argv[2]), std::atoi(argv[3]),
                                                      std::atoi(argv[4]));
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << "quorvel-many-scan-jpeg: cannot write " << argv[1] << '\n';
        return 1;
    }
    std::cout << argv[1] << ": " << bytes.size() << " bytes\n";
    return 0;
}
