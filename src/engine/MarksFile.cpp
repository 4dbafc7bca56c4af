// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MarksFile.h"

#include "engine/MarksSchema_p.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <system_error>

namespace engine {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<double> Number(std::string_view text) {
    double value = 0.0;
    const auto [stop, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || failure != std::errc() || stop != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Splits at every `separator`, each part trimmed.
std::vector<std::string_view> Parts(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(Trimmed(text.substr(0, at)));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

bool IsId(std::string_view id) {
    return !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

bool IsDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return false;
    }
    return true;
}

std::optional<Band> BandNamed(std::string_view name) {
    constexpr std::pair<std::string_view, Band> kNames[] = {{"baik-sekali", Band::BaikSekali},
                                                            {"baik", Band::Baik},
                                                            {"sedang", Band::Sedang},
                                                            {"kurang", Band::Kurang},
                                                            {"kurang-sekali", Band::KurangSekali}};
    for (const auto& [word, band] : kNames) {
        if (name == word) return band;
    }
    return std::nullopt;
}

bool Known(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The reader of one file: each line in turn, then what the whole file must hold.
class Reader {
public:
    explicit Reader(MarksError& error) : error_(error) {}

    std::optional<MarksFile> Read(std::string_view text) {
        for (std::size_t number = 1; !text.empty(); ++number) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            const std::string_view line = Trimmed(text.substr(0, end));
            text.remove_prefix(std::min(end + 1, text.size()));
            if (line.empty() || line.front() == '#') continue;
            if (!Line(line, number)) return std::nullopt;
        }
        if (!test_) return Refuse(0, "marks", "the file does not say which test it is for (marks = ...)");
        if (file_.date.empty())
            return Refuse(0, "date", "the file does not say when it was checked (date = YYYY-MM-DD)");
        if (!Complete()) return std::nullopt;
        return std::move(file_);
    }

private:
    bool Line(std::string_view line, std::size_t number) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return Fail(number, std::string(line), "not a comment and not KEY = VALUE");
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if (key.empty()) return Fail(number, "", "a value without a key");
        if (std::find(keys_.begin(), keys_.end(), key) != keys_.end())
            return Fail(number, std::string(key), "given twice");
        keys_.emplace_back(key);
        if (!test_ && key != "marks") return Fail(number, std::string(key), "comes before marks = TEST");
        if (key == "marks") return Test(value, number);
        if (key == "date") {
            if (!IsDate(value)) return Fail(number, "date", "\"" + std::string(value) + "\" is no date YYYY-MM-DD");
            file_.date = value;
            return true;
        }
        if (key.starts_with("source.")) return Source(key.substr(7), value, number);
        if (key.starts_with("feature.")) return Reference(key, key.substr(8), value, number, file_.features);
        if (key.starts_with("formula.")) return Reference(key, key.substr(8), value, number, file_.formulas);
        if (key.starts_with("band.")) return BandLine(key, value, number);
        if (key.starts_with("example.")) return Example(key, value, number);
        return Setting(key, value, number);
    }

    bool Test(std::string_view value, std::size_t number) {
        if (value == "kraepelin") test_ = MarkTest::Kraepelin;
        if (value == "uchida") test_ = MarkTest::Uchida;
        if (value == "pauli") test_ = MarkTest::Pauli;
        if (!test_) return Fail(number, "marks", "\"" + std::string(value) + "\" is none of kraepelin, uchida, pauli");
        file_.test = *test_;
        schema_ = &SchemaOf(*test_);
        return true;
    }

    bool Source(std::string_view id, std::string_view value, std::size_t number) {
        const std::string key = "source." + std::string(id);
        if (!IsId(id)) return Fail(number, key, "a source's id is lower-case letters, digits and _");
        const std::vector<std::string_view> parts = Parts(value, '|');
        if (parts.size() != 4) return Fail(number, key, "a source is TITLE | ADDRESS | DATE | WHAT IT SAYS");
        if (parts[0].empty() || parts[3].empty()) return Fail(number, key, "a source needs its title and its words");
        file_.sources.push_back({std::string(id), std::string(parts[0]), std::string(parts[1]), std::string(parts[2]),
                                 std::string(parts[3]), number});
        return true;
    }

    bool Reference(std::string_view key, std::string_view name, std::string_view source, std::size_t number,
                   std::vector<MarkReference>& into) {
        const bool formula = &into == &file_.formulas;
        const bool known =
            formula ? FigureKeyNamed(name) && Known(schema_->formulas, name) : Known(schema_->features, name);
        if (!known)
            return Fail(number, std::string(key), formula ? "no formula of that name" : "no feature of that name");
        if (!IsId(source)) return Fail(number, std::string(key), "names no source id");
        into.push_back({std::string(name), std::string(source), number});
        uses_.push_back({std::string(source), number, std::string(key)});
        return true;
    }

    bool BandLine(std::string_view key, std::string_view value, std::size_t number) {
        const std::vector<std::string_view> ids = Parts(key.substr(5), '.');
        const std::string name(key);
        if (schema_->test != MarkTest::Kraepelin) return Fail(number, name, "only Kraepelin's marks have bands");
        if (ids.size() != 2 || !IsId(ids[0])) return Fail(number, name, "a band is band.SOURCE.FIGURE");
        BandTable table;
        table.source = ids[0];
        table.line = number;
        if (!FigureOf(ids[1], number, name, table.figure)) return false;
        std::vector<std::string_view> words = Parts(value, ' ');
        std::erase(words, std::string_view());
        if (words.size() != 5 || (words[0] != "higher" && words[0] != "lower"))
            return Fail(number, name, "bands are higher|lower and four cut points");
        table.better = words[0] == "higher" ? Better::Higher : Better::Lower;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::optional<double> cut = Number(words[i + 1]);
            if (!cut) return Fail(number, name, "\"" + std::string(words[i + 1]) + "\" is no number");
            table.cuts[i] = *cut;
        }
        const bool ordered = table.better == Better::Higher ? std::is_sorted(table.cuts.rbegin(), table.cuts.rend())
                                                            : std::is_sorted(table.cuts.begin(), table.cuts.end());
        if (!ordered) return Fail(number, name, "the cut points go the wrong way for " + std::string(words[0]));
        file_.bands.push_back(table);
        uses_.push_back({table.source, number, name});
        return true;
    }

    bool Example(std::string_view key, std::string_view value, std::size_t number) {
        const std::vector<std::string_view> ids = Parts(key.substr(8), '.');
        const std::string name(key);
        if (ids.size() != 2 || !IsId(ids[0])) return Fail(number, name, "an example is example.SOURCE.FIGURE");
        BandExample example;
        example.source = ids[0];
        example.line = number;
        if (!FigureOf(ids[1], number, name, example.figure)) return false;
        std::vector<std::string_view> words = Parts(value, ' ');
        std::erase(words, std::string_view());
        const std::optional<double> rated = words.size() == 2 ? Number(words[0]) : std::nullopt;
        const std::optional<Band> band = words.size() == 2 ? BandNamed(words[1]) : std::nullopt;
        if (!rated || !band) return Fail(number, name, "an example is VALUE BAND (baik-sekali ... kurang-sekali)");
        example.value = *rated;
        example.band = *band;
        file_.examples.push_back(example);
        uses_.push_back({example.source, number, name});
        return true;
    }

    bool Setting(std::string_view key, std::string_view value, std::size_t number) {
        const std::string name(key);
        if (!Known(schema_->settings, key)) return Fail(number, name, "no setting of that name");
        const std::size_t at = value.find('@');
        if (at == std::string_view::npos) return Fail(number, name, "a setting is NUMBER @ SOURCE");
        const std::string_view source = Trimmed(value.substr(at + 1));
        const std::optional<double> setting = Number(Trimmed(value.substr(0, at)));
        if (!setting) return Fail(number, name, "\"" + std::string(Trimmed(value.substr(0, at))) + "\" is no number");
        if (!IsId(source)) return Fail(number, name, "names no source id after @");
        file_.settings.push_back({name, *setting, std::string(source), number});
        uses_.push_back({std::string(source), number, name});
        return true;
    }

    bool FigureOf(std::string_view name, std::size_t number, const std::string& key, FigureKey& figure) {
        const std::optional<FigureKey> found = FigureKeyNamed(name);
        if (!found || !Known(schema_->formulas, name))
            return Fail(number, key, "\"" + std::string(name) + "\" is no Kraepelin figure");
        figure = *found;
        return true;
    }

    // Every source named is defined; every setting and feature the test needs is there.
    bool Complete() {
        for (const Use& use : uses_) {
            if (!file_.source(use.source))
                return Fail(use.line, use.key,
                            "names the source \"" + use.source + "\", which the file does not define");
        }
        for (const std::string_view setting : schema_->settings) {
            if (!file_.setting(setting)) return Fail(0, std::string(setting), "missing");
        }
        for (const std::string_view feature : schema_->features) {
            if (!file_.feature(feature)) return Fail(0, "feature." + std::string(feature), "missing");
        }
        return true;
    }

    bool Fail(std::size_t line, std::string key, std::string message) {
        error_ = {line, std::move(key), std::move(message)};
        return false;
    }
    std::nullopt_t Refuse(std::size_t line, std::string key, std::string message) {
        Fail(line, std::move(key), std::move(message));
        return std::nullopt;
    }

    // A source named on a line, checked once the whole file is read.
    struct Use {
        std::string source;
        std::size_t line;
        std::string key;
    };

    MarksError& error_;
    MarksFile file_;
    std::optional<MarkTest> test_;
    const MarksSchema* schema_ = nullptr;
    std::vector<std::string> keys_;
    std::vector<Use> uses_;
};

} // namespace

Band BandOf(const BandTable& table, double value) {
    constexpr Band kBands[] = {Band::BaikSekali, Band::Baik, Band::Sedang, Band::Kurang};
    for (std::size_t i = 0; i < table.cuts.size(); ++i) {
        const bool within = table.better == Better::Lower ? value <= table.cuts[i] : value >= table.cuts[i];
        if (within) return kBands[i];
    }
    return Band::KurangSekali;
}

const MarkSource* MarksFile::source(std::string_view id) const {
    const auto found = std::find_if(sources.begin(), sources.end(), [id](const MarkSource& s) { return s.id == id; });
    return found == sources.end() ? nullptr : &*found;
}

const MarkSetting* MarksFile::setting(std::string_view key) const {
    const auto found =
        std::find_if(settings.begin(), settings.end(), [key](const MarkSetting& s) { return s.key == key; });
    return found == settings.end() ? nullptr : &*found;
}

const MarkReference* MarksFile::feature(std::string_view name) const {
    const auto found =
        std::find_if(features.begin(), features.end(), [name](const MarkReference& f) { return f.name == name; });
    return found == features.end() ? nullptr : &*found;
}

std::string MarksError::Describe() const {
    std::string text = line > 0 ? "line " + std::to_string(line) : std::string("the file");
    if (!key.empty()) text += ", " + key;
    return text + ": " + message;
}

std::optional<MarksFile> ParseMarksFile(std::string_view text, MarksError& error) { return Reader(error).Read(text); }

} // namespace engine
