// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetFormat.h"
#include "engine/Wording.h"

namespace engine {

// A field's name before it is worded.
struct FieldName {
    FormatError::Field field;
    Wording name;
};

// The names of the fields a refused format, seed or custom value names, as Describe() puts
// them before the message. The catalog of the Exam sheets window, which words refusals,
// translates them (tavrendale_catalog ... TEXTS_OF engine:fields).
namespace wording {

inline constexpr FieldName kFieldNames[] = {
    {FormatError::Field::Format, TranslatableText("FormatError", "format")},
    {FormatError::Field::Seed, TranslatableText("FormatError", "seed")},
    {FormatError::Field::Columns, TranslatableText("FormatError", "columns")},
    {FormatError::Field::Lines, TranslatableText("FormatError", "lines")},
    {FormatError::Field::DigitsPerColumn, TranslatableText("FormatError", "digits per column")},
    {FormatError::Field::DigitsPerLine, TranslatableText("FormatError", "digits per line")},
    {FormatError::Field::SecondsPerColumn, TranslatableText("FormatError", "seconds per column")},
    {FormatError::Field::SecondsPerLine, TranslatableText("FormatError", "seconds per line")},
    {FormatError::Field::BreakAfter, TranslatableText("FormatError", "break after")},
    {FormatError::Field::BreakSeconds, TranslatableText("FormatError", "break seconds")},
    {FormatError::Field::LowestDigit, TranslatableText("FormatError", "lowest digit")},
    {FormatError::Field::HighestDigit, TranslatableText("FormatError", "highest digit")},
    {FormatError::Field::DigitSize, TranslatableText("FormatError", "digit size")},
};

} // namespace wording

} // namespace engine
