// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/FormatErrorText.h"

#include "engine/SheetFormat.h"

#include <QCoreApplication>

namespace sheet {
namespace {

// The fields the sheet's format, its seed and the custom form refuse, by the names the
// format's checks give them.
struct FieldName {
    const char* key;
    const char* text;
};
constexpr FieldName kFieldNames[] = {
    {"format", QT_TRANSLATE_NOOP("FormatError", "format")},
    {"seed", QT_TRANSLATE_NOOP("FormatError", "seed")},
    {"columns", QT_TRANSLATE_NOOP("FormatError", "columns")},
    {"lines", QT_TRANSLATE_NOOP("FormatError", "lines")},
    {"digits per column", QT_TRANSLATE_NOOP("FormatError", "digits per column")},
    {"digits per line", QT_TRANSLATE_NOOP("FormatError", "digits per line")},
    {"seconds per column", QT_TRANSLATE_NOOP("FormatError", "seconds per column")},
    {"seconds per line", QT_TRANSLATE_NOOP("FormatError", "seconds per line")},
    {"break after", QT_TRANSLATE_NOOP("FormatError", "break after")},
    {"break seconds", QT_TRANSLATE_NOOP("FormatError", "break seconds")},
    {"lowest digit", QT_TRANSLATE_NOOP("FormatError", "lowest digit")},
    {"highest digit", QT_TRANSLATE_NOOP("FormatError", "highest digit")},
};

QString Translate(const char* text) { return QCoreApplication::translate("FormatError", text); }

QString FieldText(const std::string& field) {
    for (const FieldName& name : kFieldNames) {
        if (field == name.key) return Translate(name.text);
    }
    return QString::fromStdString(field);
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
    case Problem::None: break;
    }
    return QString::fromStdString(error.Describe());
}

} // namespace sheet
