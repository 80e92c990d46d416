// The second help screen (play and tips): seven pages, leafed through modally over the
// seat-count screen.
#pragma once

#include "frontend/HelpScreen.h"

namespace quorvel {

class TForm11 : public HelpScreen {
public:
    explicit TForm11(FrontEndHost& host);
};

} // namespace quorvel
