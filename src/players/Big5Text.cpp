// UTF-8 <-> Big5 through glibc iconv ("CP950"), one character at a time on the way out so a
// text is never cut inside a character and an unencodable character becomes '?'.
#include "players/Big5Text.h"

#include <cerrno>
#include <iconv.h>

namespace quorvel {

namespace {

// An iconv descriptor closed on scope exit.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; false on any invalid or incomplete sequence.
    bool Convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string buffer(in.size() * 4 + 8, '\0');
        char* source = const_cast<char*>(in.data());
        std::size_t sourceLeft = in.size();
        char* target = buffer.data();
        std::size_t targetLeft = buffer.size();
        if (iconv(cd_, &source, &sourceLeft, &target, &targetLeft) == static_cast<std::size_t>(-1))
            return false;
        out.assign(buffer.data(), buffer.size() - targetLeft);
        return sourceLeft == 0;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not valid UTF-8.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80         ? 1
                         : (lead >> 5) == 6  ? 2
                         : (lead >> 4) == 14 ? 3
                         : (lead >> 3) == 30 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

std::string Utf8ToBig5(std::string_view utf8, std::size_t maxBytes) {
    Converter converter("CP950", "UTF-8");
    std::string result;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t length = Utf8Length(utf8, i);
        std::string encoded = "?";
        if (length > 0) {
            std::string out;
            if (converter.Valid() && converter.Convert(utf8.substr(i, length), out) && !out.empty())
                encoded = out;
        }
        if (result.size() + encoded.size() > maxBytes)
            break;
        result += encoded;
        i += length > 0 ? length : 1;
    }
    return result;
}

std::optional<std::string> Big5ToUtf8(std::string_view big5) {
    for (char c : big5) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return std::nullopt;
    }
    Converter converter("UTF-8", "CP950");
    std::string out;
    if (!converter.Valid() || !converter.Convert(big5, out))
        return std::nullopt;
    return out;
}

} // namespace quorvel
