// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the readable listing of a window's buttons into the window description the
// program carries: each button is created as a designer would place it, given the
// listed values through its own properties, and written by its own save step.
//
//   chameleon_formgen LISTING OUTPUT [RECORDS_DIR]
//
// The listing holds blocks "[name]" of lines "Property = value"; a "[defaults]" block
// applies to every button before its own lines. Values: numbers (decimal or 0x hex),
// True/False, "text", Size = width, height in twips, Font = "family", points[, bold]
// [, italic][, underline], pictures as "path" or None. With RECORDS_DIR each button's
// records are also written there as NAME.rec.

#include "controls/chameleonButton/WindowDescription.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "host/core/Geometry.h"
#include "host/core/PropertyStore.h"
#include "host/qt/Picture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

using chameleon::chameleonButton;

struct Line {
    int number;
    QString key;
    QString value;
};

struct Block {
    QString name;
    std::vector<Line> lines;
};

[[noreturn]] void Die(const QString& message) {
    std::fprintf(stderr, "chameleon_formgen: %s\n", qPrintable(message));
    std::exit(1);
}

QString Unquote(const QString& text, int line) {
    const QString t = text.trimmed();
    if (t.size() < 2 || !t.startsWith(u'"') || !t.endsWith(u'"'))
        Die(QStringLiteral("line %1: expected \"text\"").arg(line));
    return t.mid(1, t.size() - 2);
}

long long Number(const QString& text, int line) {
    bool ok = false;
    const QString t = text.trimmed();
    const long long v =
        t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    if (!ok) Die(QStringLiteral("line %1: expected a number, found %2").arg(line).arg(t));
    return v;
}

bool Boolean(const QString& text, int line) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    Die(QStringLiteral("line %1: expected True or False").arg(line));
}

std::shared_ptr<host::Picture> PictureValue(const QString& text, int line, const QDir& base) {
    if (text.trimmed().compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) return nullptr;
    const QString path = base.filePath(Unquote(text, line));
    auto picture = host::Picture::Load(path);
    if (!picture) Die(QStringLiteral("line %1: cannot read picture %2").arg(line).arg(path));
    return picture;
}

QFont FontValue(const QString& text, int line) {
    const QStringList parts = text.split(u',');
    if (parts.size() < 2) Die(QStringLiteral("line %1: expected \"family\", points[, styles]").arg(line));
    QFont font(Unquote(parts[0], line));
    bool ok = false;
    const double points = parts[1].trimmed().toDouble(&ok);
    if (!ok || points <= 0) Die(QStringLiteral("line %1: bad point size").arg(line));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    for (qsizetype i = 2; i < parts.size(); ++i) {
        const QString style = parts[i].trimmed().toLower();
        if (style == QLatin1String("bold"))
            font.setWeight(QFont::Bold);
        else if (style == QLatin1String("italic"))
            font.setItalic(true);
        else if (style == QLatin1String("underline"))
            font.setUnderline(true);
        else if (style != QLatin1String("regular"))
            Die(QStringLiteral("line %1: unknown style %2").arg(line).arg(style));
    }
    return font;
}

std::vector<Block> ReadListing(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) Die(QStringLiteral("cannot read %1").arg(path));
    QTextStream in(&file);
    std::vector<Block> blocks;
    int number = 0;
    while (!in.atEnd()) {
        ++number;
        QString text = in.readLine();
        // A '#' outside quotes starts a comment.
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'"') quoted = !quoted;
            if (text[i] == u'#' && !quoted) {
                text.truncate(i);
                break;
            }
        }
        text = text.trimmed();
        if (text.isEmpty()) continue;
        if (text.startsWith(u'[') && text.endsWith(u']')) {
            blocks.push_back({text.mid(1, text.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = text.indexOf(u'=');
        if (eq < 0 || blocks.empty()) Die(QStringLiteral("%1:%2: expected Property = value").arg(path).arg(number));
        blocks.back().lines.push_back({number, text.left(eq).trimmed(), text.mid(eq + 1).trimmed()});
    }
    return blocks;
}

void Apply(chameleonButton& b, const Line& l, const QDir& base) {
    using Setter = std::function<void(const QString&)>;
    const int n = l.number;
    auto colour = [n](const QString& v) { return static_cast<host::Colour>(Number(v, n)); };
    auto int32 = [n](const QString& v) { return static_cast<std::int32_t>(Number(v, n)); };
    const std::map<QString, Setter> setters = {
        {"BackColor", [&](const QString& v) { b.SetBackColor(colour(v)); }},
        {"BackOver", [&](const QString& v) { b.SetBackOver(colour(v)); }},
        {"ForeColor", [&](const QString& v) { b.SetForeColor(colour(v)); }},
        {"ForeOver", [&](const QString& v) { b.SetForeOver(colour(v)); }},
        {"MaskColor", [&](const QString& v) { b.SetMaskColor(colour(v)); }},
        {"ButtonType", [&](const QString& v) { b.SetButtonType(int32(v)); }},
        {"Caption", [&](const QString& v) { b.SetCaption(Unquote(v, n)); }},
        {"Enabled", [&](const QString& v) { b.SetEnabled(Boolean(v, n)); }},
        {"Font", [&](const QString& v) { b.SetFont(FontValue(v, n)); }},
        {"ColorScheme", [&](const QString& v) { b.SetColorScheme(int32(v)); }},
        {"ShowFocusRect", [&](const QString& v) { b.SetShowFocusRect(Boolean(v, n)); }},
        {"MousePointer",
         [&](const QString& v) {
             if (!b.SetMousePointer(int32(v))) Die(QStringLiteral("line %1: pointer code out of range").arg(n));
         }},
        {"MouseIcon", [&](const QString& v) { b.SetMouseIcon(PictureValue(v, n, base)); }},
        {"HandPointer", [&](const QString& v) { b.SetHandPointer(Boolean(v, n)); }},
        {"SoftBevel", [&](const QString& v) { b.SetSoftBevel(Boolean(v, n)); }},
        {"PictureNormal", [&](const QString& v) { b.SetPictureNormal(PictureValue(v, n, base)); }},
        {"PictureOver", [&](const QString& v) { b.SetPictureOver(PictureValue(v, n, base)); }},
        {"PicturePosition", [&](const QString& v) { b.SetPicturePosition(int32(v)); }},
        {"UseMaskColor", [&](const QString& v) { b.SetUseMaskColor(Boolean(v, n)); }},
        {"UseGreyscale", [&](const QString& v) { b.SetUseGreyscale(Boolean(v, n)); }},
        {"SpecialEffect", [&](const QString& v) { b.SetSpecialEffect(int32(v)); }},
        {"CheckBoxBehaviour", [&](const QString& v) { b.SetCheckBoxBehaviour(Boolean(v, n)); }},
        {"value", [&](const QString& v) { b.SetValue(Boolean(v, n)); }},
        {"Size",
         [&](const QString& v) {
             const QStringList wh = v.split(u',');
             if (wh.size() != 2) Die(QStringLiteral("line %1: expected width, height").arg(n));
             // Twips to pixels at 96 dots per inch.
             b.resize(static_cast<int>(Number(wh[0], n) / 15), static_cast<int>(Number(wh[1], n) / 15));
         }},
    };
    const auto it = setters.find(l.key);
    if (it == setters.end()) Die(QStringLiteral("line %1: unknown property %2").arg(n).arg(l.key));
    it->second(l.value);
}

} // namespace

int main(int argc, char** argv) {
    // Generation happens at build time, with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4)
        Die(QStringLiteral("usage: chameleon_formgen LISTING OUTPUT [RECORDS_DIR]"));
    const QDir base = QFileInfo(args[1]).absoluteDir();

    std::vector<Block> blocks = ReadListing(args[1]);
    std::vector<Line> defaults;
    std::vector<host::StoredControl> controls;
    for (const Block& block : blocks) {
        if (block.name == QLatin1String("defaults")) {
            defaults.insert(defaults.end(), block.lines.begin(), block.lines.end());
            continue;
        }
        chameleonButton button;
        button.setObjectName(block.name);
        chameleon::Ambient ambient;
        ambient.displayName = block.name;
        ambient.userMode = false; // placed as in a designer
        button.SetAmbient(ambient);
        button.InitNew();
        for (const Line& line : defaults) Apply(button, line, base);
        for (const Line& line : block.lines) Apply(button, line, base);
        QString error;
        auto records = chameleon::SaveButton(button, &error);
        if (!records) Die(QStringLiteral("%1: %2").arg(block.name, error));
        controls.push_back({chameleon::kTypeName, block.name.toStdU16String(), std::move(*records)});
        if (args.size() == 4) {
            QFile records(QDir(args[3]).filePath(block.name + QStringLiteral(".rec")));
            if (!records.open(QIODevice::WriteOnly)) Die(QStringLiteral("cannot write %1").arg(records.fileName()));
            const auto& bytes = controls.back().records;
            records.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        }
    }
    if (controls.empty()) Die(QStringLiteral("%1 lists no control").arg(args[1]));

    const std::vector<std::uint8_t> description = host::WriteWindowDescription(controls);
    QFile out(args[2]);
    if (!out.open(QIODevice::WriteOnly)) Die(QStringLiteral("cannot write %1").arg(args[2]));
    out.write(reinterpret_cast<const char*>(description.data()), static_cast<qint64>(description.size()));
    return out.error() == QFile::NoError ? 0 : 1;
}
