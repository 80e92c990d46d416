// What the platform reports to an optional listener: announcements, screens shown and hidden,
// sounds started, error reports and short notes. Tests and the scenario runner listen; the game
// does not.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvel {

enum class TraceKind { Banner, Show, Hide, Sound, Error, Note };

class Trace {
public:
    using Listener = std::function<void(TraceKind, std::string_view)>;

    void SetListener(Listener listener) { listener_ = std::move(listener); }
    void Emit(TraceKind kind, std::string_view text) const {
        if (listener_)
            listener_(kind, text);
    }

private:
    Listener listener_;
};

} // namespace quorvel
