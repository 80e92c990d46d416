// A table's banner: a picture with the announcement's words over it. Every announcement sounds,
// is reported to the trace listener and holds the game for two seconds while it shows.
#pragma once

#include <string>

namespace quorvel {

class App;
class Image;
class Label;

class TableBanner {
public:
    TableBanner(App& app, Image& picture, Label& text);

    // Shows the words for `holdMs` (the table's banner length at its pace), waiting meanwhile,
    // then hides the banner again.
    void Announce(const std::string& text, int holdMs);
    void Hide();

private:
    App& app_;
    Image& picture_;
    Label& text_;
};

} // namespace quorvel
