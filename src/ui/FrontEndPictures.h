// The pictures of the selection and help screens that carry no file name of their own in the
// game's picture families (backgrounds and buttons), drawn with the rest of the artwork. Kept in
// one table so that the screens and the artwork agree on the names.
#pragma once

namespace quorvel::frontendpicture {

inline constexpr const char* kSelectPlayer = "picture\\design\\select1.gif";
inline constexpr const char* kSelectOpponent = "picture\\design\\select2.gif";
inline constexpr const char* kHelpBack = "picture\\design\\help-back.gif";
inline constexpr const char* kHelpPrevious = "picture\\design\\help-prev.gif";
inline constexpr const char* kHelpNext = "picture\\design\\help-next.gif";

} // namespace quorvel::frontendpicture
