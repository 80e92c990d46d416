// quorvel-painter --serve: the game's painters in a process of their own. Paints the pictures
// the game asks for on the socket it is given as standard input, at the sizes asked, until the
// game closes it (PainterProcess).
#include "artwork/AtSizePainter.h"
#include "gui/PainterProcess.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

// Under the leak checker: what fontconfig, pango, glib and cairo keep for the life of the
// process is theirs to keep; the painter's own leaks are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libpango\nleak:libglib\nleak:libgobject\n"
           "leak:libharfbuzz\nleak:libcairo\n";
}

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--serve") != 0) {
        std::fprintf(stderr, "usage: quorvel-painter --serve (started by the game)\n");
        return 2;
    }
    artwork::AtSizePainter painter;
    return quorvel::PainterProcess::Serve(STDIN_FILENO, painter);
}
