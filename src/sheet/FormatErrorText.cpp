// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/FormatErrorText.h"

#include "engine/SheetFormat.h"

#include <QCoreApplication>

namespace sheet {
namespace {

// The field's name in the language installed.
QString FieldText(engine::FormatError::Field field) {
    const engine::Wording& name = engine::WordingOf(field);
    return QCoreApplication::translate(name.context, name.english);
}

QString Value(const engine::FormatError& error) { return QString::fromStdString(error.value); }

} // namespace

QString FormatErrorText(const engine::FormatError& error) {
    using Problem = engine::FormatError::Problem;
    const QString field = FieldText(error.field);
    switch (error.problem) {
    case Problem::UnknownFormat:
        return QCoreApplication::translate("FormatError", "%1: unknown sheet format \"%2\"; the formats are %3")
            .arg(field, Value(error), QLatin1String(engine::kFormatNames));
    case Problem::NotASeed:
        return QCoreApplication::translate("FormatError", "%1: must be a whole number from 0 to %2, not \"%3\"")
            .arg(field)
            .arg(error.high)
            .arg(Value(error));
    case Problem::NotAWholeNumber:
        return QCoreApplication::translate("FormatError", "%1: must be a whole number, not \"%2\"")
            .arg(field, Value(error));
    case Problem::OutOfRange:
        return QCoreApplication::translate("FormatError", "%1: must be %2 to %3, not %4")
            .arg(field)
            .arg(error.low)
            .arg(error.high)
            .arg(Value(error));
    case Problem::BreakNeedsUnits:
        if (error.value == "lines")
            return QCoreApplication::translate("FormatError", "%1: needs at least %2 lines; 0 for no break")
                .arg(field)
                .arg(error.low);
        return QCoreApplication::translate("FormatError", "%1: needs at least %2 columns; 0 for no break")
            .arg(field)
            .arg(error.low);
    case Problem::NotZeroWithoutBreak:
        return QCoreApplication::translate("FormatError", "%1: must be 0 without a break, not %2")
            .arg(field, Value(error));
    case Problem::DoesNotFit:
        if (error.high == 0)
            return QCoreApplication::translate(
                       "FormatError",
                       "%1: the sheet does not fit this paper at any size; choose a larger paper or turn it")
                .arg(field);
        //: A digit size in points that does not fit the page, and the largest that does.
        return QCoreApplication::translate("FormatError",
                                           "%1: the sheet does not fit the page at %2 pt; at most %3 pt fit")
            .arg(field, Value(error))
            .arg(error.high);
    case Problem::None: break;
    }
    return QString::fromStdString(error.Describe());
}

} // namespace sheet
