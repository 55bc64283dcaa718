#include "notes/NameRules.h"

namespace notes {

bool isAcceptableItemName(std::string_view name) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte < 0x20 || byte == 0x7F)
            return false;
        // U+0080 to U+009F are written C2 80 to C2 9F.
        if (byte == 0xC2 && at + 1 < name.size()) {
            const auto next = static_cast<unsigned char>(name[at + 1]);
            if (next >= 0x80 && next <= 0x9F)
                return false;
        }
        if ((byte & 0xC0) != 0x80 && ++characters > MaxNameLength)
            return false;
    }
    return true;
}

bool isAcceptableFolderName(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos && isAcceptableItemName(name);
}

} // namespace notes
