// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Figures.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <system_error>

namespace engine {

std::span<const FigureInfo> AllFigures() { return wording::kFigureInfos; }

const FigureInfo& InfoOf(FigureKey key) {
    const auto index = static_cast<std::size_t>(key);
    assert(index < std::size(wording::kFigureInfos) && wording::kFigureInfos[index].key == key);
    return wording::kFigureInfos[index];
}

std::optional<FigureKey> FigureKeyNamed(std::string_view name) {
    for (const FigureInfo& info : wording::kFigureInfos) {
        if (name == info.name) return info.key;
    }
    return std::nullopt;
}

std::optional<double> Figures::get(FigureKey key) const {
    const auto found = std::find_if(items.begin(), items.end(), [key](const Figure& f) { return f.key == key; });
    if (found == items.end()) return std::nullopt;
    return found->value;
}

void Figures::set(FigureKey key, double value) {
    const auto at =
        std::lower_bound(items.begin(), items.end(), key, [](const Figure& f, FigureKey k) { return f.key < k; });
    if (at != items.end() && at->key == key) {
        at->value = value;
        return;
    }
    items.insert(at, Figure{key, value});
}

std::string FiguresText(const Figures& figures) {
    std::string text;
    for (const Figure& figure : figures.items) {
        if (!text.empty()) text += ';';
        text += InfoOf(figure.key).name;
        text += '=';
        // The shortest form that reads back as the same double: what was computed is what is
        // read, to the last bit.
        char digits[32];
        const auto result = std::to_chars(digits, digits + sizeof digits, figure.value);
        text.append(digits, result.ptr);
    }
    return text;
}

std::optional<Figures> ParseFiguresText(std::string_view text, std::string& error) {
    Figures figures;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        const std::string_view item = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            error = "figure \"" + std::string(item) + "\" without a value";
            return std::nullopt;
        }
        const std::string_view name = item.substr(0, equals);
        const std::string_view number = item.substr(equals + 1);
        double value = 0.0;
        const auto [stop, failure] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (failure != std::errc() || stop != number.data() + number.size() || !std::isfinite(value)) {
            error = "figure " + std::string(name) + ": \"" + std::string(number) + "\" is no number";
            return std::nullopt;
        }
        if (const std::optional<FigureKey> key = FigureKeyNamed(name)) figures.set(*key, value);
    }
    return figures;
}

} // namespace engine
