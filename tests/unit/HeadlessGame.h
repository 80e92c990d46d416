// A whole game without a window for tests: virtual clock, silent sound, a recorded display,
// pictures made up in memory (every path loads a 10x10 picture, and loads are counted), and
// a trace collected as lines.
#pragma once

#include "TestFolder.h"

#include "app/Game.h"
#include "cards/Random.h"
#include "frontend/Tentranceform.h"
#include "frontend/Tmainform.h"
#include "gui/App.h"
#include "gui/Control.h"
#include "gui/Screen.h"
#include "ui/AssetCatalog.h"
#include "tables/TableScreen.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::testing {

class CountingPictures final : public PictureSource {
public:
    std::shared_ptr<const Picture> Load(std::string_view path, std::string& error) override {
        ++loads[std::string(path)];
        if (missing.count(std::string(path))) {
            error = "missing " + std::string(path);
            return nullptr;
        }
        auto p = std::make_shared<Picture>();
        p->width = p->height = 10;
        p->pixels.assign(100, 0xFF808080u);
        return p;
    }
    // With `catalogSizes`, a picture the catalogue lists measures as the game's own does, so
    // that the screens lay out as they are drawn.
    std::optional<PictureSize> Measure(std::string_view path, std::string& error) override {
        if (catalogSizes && !missing.count(std::string(path)))
            if (const AssetEntry* entry = AssetCatalog::Find(path); entry && entry->width > 0) {
                ++loads[std::string(path)];
                return PictureSize{entry->width, entry->height};
            }
        return PictureSource::Measure(path, error);
    }
    std::map<std::string, int> loads;
    std::set<std::string> missing;
    bool catalogSizes = false;
};

// Whether `outer` holds all of `inner`.
inline bool Encloses(Rect outer, Rect inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

// Uniform draws from a fixed linear sequence; enough for screens that draw cosmetics only.
class StepRandom final : public RandomSource {
public:
    int Draw(DrawStream, int lo, int hi) override { return lo + (n_++ % (hi - lo + 1)); }

private:
    int n_ = 0;
};

struct HeadlessGame {
    // The game keeps "mysave.sav" in a working folder of the test's own.
    explicit HeadlessGame(DisplaySize desktop = {1024, 768}) : display(desktop) {
        app.GetTrace().SetListener([this](TraceKind kind, std::string_view text) {
            static const char* names[] = {"banner", "show", "hide", "sound", "error", "note"};
            trace.push_back(std::string(names[static_cast<int>(kind)]) + " " + std::string(text));
        });
        game = std::make_unique<Game>(app, random, folder.Path());
        game->Start();
    }
    Control& Get(std::string_view qualified) {
        Control* c = app.FindControl(qualified);
        if (!c)
            throw std::runtime_error("no control " + std::string(qualified));
        return *c;
    }
    bool Has(const std::string& line) const {
        return std::find(trace.begin(), trace.end(), line) != trace.end();
    }

    TestFolder folder;
    VirtualClock clock;
    CountingPictures pictures;
    SilentSound sound;
    RecordingDisplay display;
    StepRandom random;
    App app{clock, pictures, sound, display};
    std::vector<std::string> trace;
    std::unique_ptr<Game> game;
};

// Changes a table between rounds through its record, as a saved or replayed game sets it.
template <class Change> void AdjustTable(TableScreen& table, Change change) {
    TableRecord record = table.Engine().Record();
    change(record);
    table.Resume(record);
}

} // namespace quorvel::testing
