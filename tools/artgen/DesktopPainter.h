// The pictures of what the desktop game adds around its own screens, and its icons.
#pragma once

#include "Output.h"

#include <string>

namespace artgen {

// The save-first, settings and statistics panels and the main menu's settings and statistics
// buttons, into the data folder.
void PaintDesktop(Output& out);
// The icon at the hicolor sizes: FOLDER/hicolor/NxN/apps/APPID.png. Returns "" or the problem.
std::string WriteIcons(const std::string& folder, const std::string& appId);

} // namespace artgen
