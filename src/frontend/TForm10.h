// The first help screen (beginner's hall): six pages, leafed through modally over the
// seat-count screen.
#pragma once

#include "frontend/HelpScreen.h"

namespace quorvel {

class TForm10 : public HelpScreen {
public:
    explicit TForm10(FrontEndHost& host);
};

} // namespace quorvel
