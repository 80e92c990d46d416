// The game's icons; the pictures of what the desktop game adds around its own screens are
// painted by PaintDesktop (Painters.h).
#pragma once

#include <string>

namespace artwork {

// The icon at the hicolor sizes: FOLDER/hicolor/NxN/apps/APPID.png. Returns "" or the problem.
std::string WriteIcons(const std::string& folder, const std::string& appId);

} // namespace artwork
