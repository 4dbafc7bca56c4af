// SPDX-License-Identifier: GPL-3.0-or-later
// A sitting's record as CSV: every kind of pair in its own row, the line ends and the
// header exactly as readers of the file expect them.
#include "engine/SheetCsv.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

engine::SheetAnswer Pair(std::uint16_t period, std::uint16_t position, int operand1, int operand2) {
    engine::SheetAnswer pair;
    pair.period = period;
    pair.unit = period;
    pair.position = position;
    pair.operand1 = static_cast<std::uint8_t>(operand1);
    pair.operand2 = static_cast<std::uint8_t>(operand2);
    return pair;
}

engine::SheetAnswer Answered(engine::SheetAnswer pair, int answer, std::uint32_t milliseconds,
                             std::uint16_t corrections = 0) {
    pair.outcome = engine::SheetAnswer::kAnswered;
    pair.answer = static_cast<std::uint8_t>(answer);
    pair.correct = (pair.operand1 + pair.operand2) % 10 == answer;
    pair.milliseconds = milliseconds;
    pair.corrections = corrections;
    return pair;
}

engine::SheetAnswer Passed(engine::SheetAnswer pair, engine::SheetAnswer::Outcome outcome, std::uint16_t corrections) {
    pair.outcome = outcome;
    pair.corrections = corrections;
    return pair;
}

engine::SheetFormat Named(std::string name) {
    engine::SheetFormat format;
    format.name = std::move(name);
    return format;
}

struct CsvCase {
    const char* name;
    std::string formatName;
    std::vector<engine::SheetAnswer> record;
    std::string expected;
};

class SheetCsvTest : public testing::TestWithParam<CsvCase> {};

TEST_P(SheetCsvTest, WritesEveryPairAsItsRow) {
    const CsvCase& c = GetParam();
    EXPECT_EQ(engine::FormatSheetCsv(Named(c.formatName), c.record), c.expected);
}

const std::string kHeader = "index,format,period,position,operand1,operand2,answer,correct,corrections,answer_ms\r\n";

INSTANTIATE_TEST_SUITE_P(Records, SheetCsvTest,
                         testing::Values(CsvCase{"Empty", "pauli", {}, kHeader},
                                         // Right, wrong after a correction, passed; period and position from 1.
                                         CsvCase{"RightWrongCorrectedAndPassed",
                                                 "kraepelin-15",
                                                 {Answered(Pair(0, 0, 7, 5), 2, 850),
                                                  Answered(Pair(0, 1, 6, 9), 4, 1234, 1),
                                                  Passed(Pair(0, 2, 3, 3), engine::SheetAnswer::kSkipped, 0),
                                                  Answered(Pair(1, 0, 9, 9), 8, 0)},
                                                 kHeader + "1,kraepelin-15,1,1,7,5,2,TRUE,0,850\r\n"
                                                           "2,kraepelin-15,1,2,6,9,4,FALSE,1,1234\r\n"
                                                           "3,kraepelin-15,1,3,3,3,,,0,\r\n"
                                                           "4,kraepelin-15,2,1,9,9,8,TRUE,0,0\r\n"},
                                         // An answer taken back and never given again keeps its corrections, and its
                                         // operands of 0 are written, not left out.
                                         CsvCase{"WithdrawnKeepsItsCorrections",
                                                 "uchida",
                                                 {Passed(Pair(29, 114, 0, 0), engine::SheetAnswer::kWithdrawn, 2)},
                                                 kHeader + "1,uchida,30,115,0,0,,,2,\r\n"},
                                         // The largest values a record holds.
                                         CsvCase{"LargestValues",
                                                 "pauli",
                                                 {Answered(Pair(65535, 65535, 9, 9), 8, 4'294'967'294u, 65535)},
                                                 kHeader + "1,pauli,65536,65536,9,9,8,TRUE,65535,4294967294\r\n"},
                                         // A name that would split the record is quoted.
                                         CsvCase{"NameWithACommaIsQuoted",
                                                 "my \"own\", sheet",
                                                 {Answered(Pair(0, 0, 1, 2), 3, 5)},
                                                 kHeader + "1,\"my \"\"own\"\", sheet\",1,1,1,2,3,TRUE,0,5\r\n"}),
                         [](const testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

} // namespace
