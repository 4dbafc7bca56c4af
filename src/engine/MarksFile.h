// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The published marks a sitting is held against, read from a data file per test
// (data/marks/kraepelin.txt, uchida.txt, pauli.txt), which names the source of every number.
// The format is described at the top of each file; the files are untrusted text here.
namespace engine {

// The tests that have marks.
enum class MarkTest { Kraepelin, Uchida, Pauli };

// A source: its id in the file ("hiromi"), title, address (a web address, a book's ISBN),
// when it was published or read, and what it says. The ids "own" and "unsourced" are the
// program's own choice and a number found in no source.
struct MarkSource {
    std::string id;
    std::string title;
    std::string address;
    std::string date;
    std::string says;
    std::size_t line = 0;

    bool own() const { return id == "own"; }
    bool unsourced() const { return id == "unsourced"; }
};

// A number of the marks and the source it comes from ("level_a.first_half_mean_at_least = 55 @ unsourced").
struct MarkSetting {
    std::string key;
    double value = 0.0;
    std::string source;
    std::size_t line = 0;
};

// Which source describes a feature of the marks, or publishes a formula.
struct MarkReference {
    std::string name;
    std::string source;
    std::size_t line = 0;
};

// Kraepelin's five levels, best first.
enum class Band { BaikSekali, Baik, Sedang, Kurang, KurangSekali };

// A source's bands for one figure: with Better::Higher a value of at least cuts[0] is baik
// sekali, at least cuts[1] baik, at least cuts[2] sedang, at least cuts[3] kurang, below it
// kurang sekali; with Better::Lower the same with "at most". A value on a cut point takes the
// better band.
struct BandTable {
    std::string source;
    FigureKey figure = FigureKey::Panker;
    Better better = Better::Higher;
    std::array<double, 4> cuts{};
    std::size_t line = 0;
};

Band BandOf(const BandTable& table, double value);

// A value a published report rated, and the band it gave it.
struct BandExample {
    std::string source;
    FigureKey figure = FigureKey::Panker;
    double value = 0.0;
    Band band = Band::Sedang;
    std::size_t line = 0;
};

struct MarksFile {
    MarkTest test = MarkTest::Kraepelin;
    // YYYY-MM-DD: when it was last checked against its sources.
    std::string date;
    std::vector<MarkSource> sources;
    std::vector<MarkSetting> settings;
    std::vector<MarkReference> features;
    std::vector<MarkReference> formulas;
    std::vector<BandTable> bands;
    std::vector<BandExample> examples;

    const MarkSource* source(std::string_view id) const;
    const MarkSetting* setting(std::string_view key) const;
    const MarkReference* feature(std::string_view name) const;
};

// Why a marks file was refused: its line (from 1; 0 for the file as a whole), the key at
// fault, and what is wrong.
struct MarksError {
    std::size_t line = 0;
    std::string key;
    std::string message;
    // "line 12, typical.fall_to_line: ..." in English.
    std::string Describe() const;
};

// Reads a marks file: every line a comment, blank, or one of the kinds its header describes;
// every source a line names defined in the file; no key twice; the settings' keys, features
// and formulas those the test knows. Anything else refuses the file, naming the line and the
// key.
std::optional<MarksFile> ParseMarksFile(std::string_view text, MarksError& error);

// The files built into the program, as data/marks/ holds them (the bytes; the window layer and
// the tests parse them with ParseMarksFile).
std::string_view BuiltInMarksText(MarkTest test);

} // namespace engine
