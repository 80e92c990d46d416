// The music of the tables: a track drawn at random from six whenever a table becomes the
// active screen, repeated for as long as the music flag the four tables share stays set, and
// stopped when the table stops being active.
#pragma once

#include <string>

namespace quorvel {

class App;
class TableHost;

class TableMusic {
public:
    TableMusic(App& app, TableHost& host) : app_(app), host_(host) {}

    void Start();
    void Stop();

private:
    void Play(const std::string& track);

    App& app_;
    TableHost& host_;
};

} // namespace quorvel
