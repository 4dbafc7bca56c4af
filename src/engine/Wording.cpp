// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Wording.h"

#include <cstddef>

namespace engine {

std::string Worded(const Wording& wording, std::initializer_list<std::string_view> figures) {
    const std::string_view text = wording.english;
    std::size_t length = text.size();
    for (std::string_view figure : figures) length += figure.size();
    std::string worded;
    worded.reserve(length);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool marker = text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const auto index = marker ? static_cast<std::size_t>(text[at + 1] - '1') : figures.size();
        if (index < figures.size()) {
            worded.append(figures.begin()[index]);
            ++at;
        } else {
            worded.push_back(text[at]);
        }
    }
    return worded;
}

} // namespace engine
