// Line breaking: the text is cut into unbreakable pieces (a Chinese character, a Latin word,
// with punctuation glued to its neighbour), which are then filled into lines greedily.
#include "gui/LineBreaker.h"

#include <algorithm>

namespace quorvel {

namespace {

struct CodePoint {
    char32_t value;
    std::size_t length; // [bytes]
};

CodePoint Decode(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (i + len > s.size())
        return {c, 1};
    char32_t v = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
    for (std::size_t k = 1; k < len; ++k)
        v = (v << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return {v, len};
}

// Characters that may break on either side: CJK scripts, their punctuation and full-width forms.
bool IsWide(char32_t c) {
    return c >= 0x2E80;
}

bool IsClosing(char32_t c) {
    static constexpr std::u32string_view kClosing = U"，。！？：、；）」』,.!?:;)";
    return kClosing.find(c) != std::u32string_view::npos;
}

bool IsOpening(char32_t c) {
    static constexpr std::u32string_view kOpening = U"（「『(";
    return kOpening.find(c) != std::u32string_view::npos;
}

// An unbreakable run of text and whether a space separates it from the one before.
struct Piece {
    std::string text;
    bool spaceBefore = false;
};

// Cuts one paragraph into pieces.
std::vector<Piece> Pieces(std::string_view text) {
    std::vector<Piece> pieces;
    bool space = false;    // a space since the last piece
    bool inWord = false;   // the last piece is a Latin word still growing
    bool glueNext = false; // the last character was an opening bracket
    for (std::size_t i = 0; i < text.size();) {
        const CodePoint cp = Decode(text, i);
        const std::string_view chars = text.substr(i, cp.length);
        i += cp.length;
        if (cp.value == ' ' || cp.value == '\t') {
            space = true;
            inWord = false;
            glueNext = false;
            continue;
        }
        const bool wide = IsWide(cp.value);
        const bool glue =
            !pieces.empty() && !space && (glueNext || IsClosing(cp.value) || (inWord && !wide));
        if (glue)
            pieces.back().text.append(chars);
        else
            pieces.push_back({std::string(chars), space && !pieces.empty()});
        inWord = !wide;
        glueNext = IsOpening(cp.value);
        space = false;
    }
    return pieces;
}

// Cuts a piece wider than the box between characters, filling each part as far as it goes.
std::vector<std::string> CutWide(const std::string& text, int maxWidth, const TextWidth& width) {
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = Decode(text, i).length;
        std::string longer = part + text.substr(i, len);
        if (!part.empty() && width(longer) > maxWidth) {
            parts.push_back(std::move(part));
            part = text.substr(i, len);
        } else {
            part = std::move(longer);
        }
        i += len;
    }
    parts.push_back(std::move(part));
    return parts;
}

// A line's pieces as text: a space only between pieces that had one.
std::string Join(const std::vector<Piece>& row) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i)
        line += (i > 0 && row[i].spaceBefore ? " " : "") + row[i].text;
    return line;
}

// One character, with only punctuation glued to it ("了。", "獎").
bool IsLoneCharacter(const Piece& piece) {
    int characters = 0;
    for (std::size_t i = 0; i < piece.text.size();) {
        const CodePoint cp = Decode(piece.text, i);
        i += cp.length;
        characters += !IsClosing(cp.value) && !IsOpening(cp.value);
    }
    return characters == 1;
}

void BreakParagraph(std::string_view text, int maxWidth, const TextWidth& width,
                    std::vector<std::string>& lines) {
    // Greedy filling: each piece goes on the current line while the line still fits.
    std::vector<std::vector<Piece>> rows(1);
    for (Piece& piece : Pieces(text)) {
        std::vector<Piece>& row = rows.back();
        if (!row.empty()) {
            row.push_back(piece);
            if (width(Join(row)) <= maxWidth)
                continue;
            row.pop_back();
            rows.emplace_back();
        }
        if (width(piece.text) <= maxWidth) {
            rows.back().push_back(std::move(piece));
            continue;
        }
        // The piece alone is too wide: each of its parts is a line, the last one goes on.
        std::vector<std::string> parts = CutWide(piece.text, maxWidth, width);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0)
                rows.emplace_back();
            rows.back().push_back({std::move(parts[i]), false});
        }
    }
    // A paragraph never ends on a character alone: the one before it comes down with it, as
    // Chinese typesetting does, when the line above keeps something and the pair fits.
    if (rows.size() >= 2 && rows.back().size() == 1 && IsLoneCharacter(rows.back().front())) {
        std::vector<Piece>& above = rows[rows.size() - 2];
        std::vector<Piece> last{above.back(), rows.back().front()};
        if (above.size() >= 2 && width(Join(last)) <= maxWidth) {
            above.pop_back();
            rows.back() = std::move(last);
        }
    }
    for (const std::vector<Piece>& row : rows)
        lines.push_back(Join(row));
}

} // namespace

std::vector<std::string> BreakLines(std::string_view text, int maxWidth, const TextWidth& width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string_view paragraph =
            text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        BreakParagraph(paragraph, std::max(maxWidth, 1), width, lines);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

} // namespace quorvel
