#include "Translate.h"

namespace platform {

namespace {

template<typename Pieces>
std::string fill(std::string_view text, const Pieces& args)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += *(std::begin(args) + static_cast<std::ptrdiff_t>(n));
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

std::string withArgs(std::string_view text, std::initializer_list<std::string_view> args) { return fill(text, args); }

std::string withArgs(std::string_view text, const std::vector<std::string>& args) { return fill(text, args); }

} // namespace platform
