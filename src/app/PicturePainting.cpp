// Choosing the painter.
#include "app/PicturePainting.h"

#include "artwork/AtSizePainter.h"
#include "gui/PainterProcess.h"

#include <filesystem>

namespace quorvel {

std::unique_ptr<PicturePainter> MakePicturePainter() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto program =
        error ? std::filesystem::path()
              : PainterProcess::FindProgram(self.parent_path(), QUORVEL_PAINTER_FROM_BIN);
    if (program.empty())
        return std::make_unique<artwork::AtSizePainter>();
    return std::make_unique<PainterProcess>(program, std::string(artwork::ArtworkIdentity()),
                                            artwork::AtSizePainter::FacesInstalled());
}

} // namespace quorvel
