// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in the program's languages: the save dialog (Qt's own, as offscreen has no
// native one), its overwrite question, and the context menus of text fields and scroll bars.
// In Indonesian they come from the program's own catalog of Qt's texts, unless the system has
// one; in Japanese from the system's catalog; in English they stay Qt's.

#include "../../support/QtLookups.h"
#include "host/qt/FileDialogs.h"
#include "host/qt/Languages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// What a widget shows and tells assistive technology.
QStringList WidgetTexts(const QWidget& top) {
    QStringList texts{top.windowTitle()};
    for (const QWidget* widget : top.findChildren<const QWidget*>()) {
        if (!widget->isVisible()) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) texts << button->text();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
    }
    texts.removeAll(QString());
    return texts;
}

// The save dialog the windows open to save answers, in a folder with a file of the name it
// suggests and a folder: every text of both views, the context menus of its file list and
// its side bar, and the question before it replaces the file.
QStringList SaveDialogTexts() {
    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("answers.csv")));
    if (!existing.open(QIODevice::WriteOnly) || !QDir(folder.path()).mkdir(QStringLiteral("earlier"))) return {};
    existing.close();
    QStringList texts;
    bool driven = false;
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        driver.stop();
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
        auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        auto* detailMode = dialog->findChild<QToolButton*>(QStringLiteral("detailModeButton"));
        auto* sideBar = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QAbstractButton* accept = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
        if (!files || !details || !detailMode || !sideBar || !accept) return;
        // The folder's contents come from a thread: the kinds of its entries with them.
        if (!QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 2; })) return;
        texts << WidgetTexts(*dialog) << testsupport::ContextMenuTexts(files->viewport(), {1, 1});
        detailMode->click();
        for (int column = 0; column < details->header()->count(); ++column)
            texts << details->model()->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < 2; ++row) {
            const QModelIndex kind = details->model()->index(row, 2, details->rootIndex());
            if (!QTest::qWaitFor([&] { return !kind.data().toString().isEmpty(); })) return;
            texts << kind.data().toString();
        }
        texts << WidgetTexts(*dialog) << testsupport::ContextMenuTexts(details->viewport(), {1, 1});
        texts << testsupport::ContextMenuTexts(sideBar->viewport(),
                                               sideBar->visualRect(sideBar->model()->index(0, 0)).center());
        // Saving over the existing file: the question, answered No.
        QTimer::singleShot(0, [&] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << question->text();
                for (const QAbstractButton* button : question->buttons()) texts << button->text();
                question->reject();
            }
        });
        accept->click();
        driven = true;
    });
    driver.start();
    host::QtFileDialogs dialogs;
    const QString chosen = dialogs.SaveFileName(nullptr, {QStringLiteral("Save answers as CSV"),
                                                          existing.fileName(),
                                                          {QStringLiteral("CSV files (*.csv)")},
                                                          QStringLiteral("csv")});
    if (!driven || !chosen.isEmpty()) return {};
    texts.removeAll(QString());
    return texts;
}

// An editable text field's menu, an editable and a read-only text's, and both scroll bars'
// menus.
QStringList ContextMenusTexts() {
    QWidget window;
    window.resize(300, 400);
    auto* field = new QLineEdit(QStringLiteral("60"), &window);
    auto* text = new QPlainTextEdit(QStringLiteral("Tavrendale"), &window);
    text->setReadOnly(true);
    text->setGeometry(0, 40, 100, 100);
    auto* notes = new QPlainTextEdit(QStringLiteral("Kraepelin"), &window);
    notes->setGeometry(0, 260, 100, 100);
    auto* list = new QListWidget(&window);
    list->setGeometry(0, 150, 100, 100);
    for (int row = 0; row < 100; ++row) list->addItem(QStringLiteral("%1 answers in a long row").arg(row));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return {};
    QStringList texts;
    texts << testsupport::ContextMenuTexts(field, {1, 1});
    text->selectAll();
    texts << testsupport::ContextMenuTexts(text->viewport(), {1, 1});
    notes->selectAll();
    texts << testsupport::ContextMenuTexts(notes->viewport(), {1, 1});
    texts << testsupport::ContextMenuTexts(list->verticalScrollBar(), {1, 1});
    texts << testsupport::ContextMenuTexts(list->horizontalScrollBar(), {1, 1});
    return texts;
}

struct Place {
    const char* name;
    QStringList (*texts)();
};
void PrintTo(const Place& place, std::ostream* os) { *os << place.name; }
const Place kPlaces[] = {{"SaveDialog", SaveDialogTexts}, {"ContextMenus", ContextMenusTexts}};

// A few of Qt's texts each place shows, with the program's Indonesian for them.
struct Sample {
    const char* place;
    const char* context;
    const char* english;
    const char* indonesian;
};
const Sample kSamples[] = {
    {"SaveDialog", "QFileDialog", "File &name:", "&Nama berkas:"},
    {"SaveDialog", "QFileDialog", "Files of type:", "Jenis berkas:"},
    {"SaveDialog", "QFileDialog", "&Save", "&Simpan"},
    {"SaveDialog", "QPlatformTheme", "Cancel", "Batal"},
    {"SaveDialog", "QFileDialog", "Detail View", "Tampilan Rinci"},
    {"SaveDialog", "QFileDialog", "Create New Folder", "Buat Folder Baru"},
    {"SaveDialog", "QFileDialog", "&New Folder", "&Folder Baru"},
    {"SaveDialog", "QFileSystemModel", "Date Modified", "Tanggal Diubah"},
    {"SaveDialog", "QPlatformTheme", "&No", "&Tidak"},
    {"ContextMenus", "QLineEdit", "&Undo", "U&rungkan"},
    {"ContextMenus", "QLineEdit", "&Paste", "T&empel"},
    {"ContextMenus", "QWidgetTextControl", "&Copy", "&Salin"},
    {"ContextMenus", "QWidgetTextControl", "Select All", "Pilih Semua"},
    {"ContextMenus", "QWidgetTextControl", "Cu&t", "Po&tong"},
    {"ContextMenus", "QScrollBar", "Scroll here", "Gulir ke sini"},
    {"ContextMenus", "QScrollBar", "Left edge", "Tepi kiri"},
};

// The system's catalog of Qt's Japanese texts, where the system has one.
bool LoadSystemCatalog(QTranslator& catalog, const char* code) {
    return catalog.load(QStringLiteral("qtbase_%1").arg(QLatin1String(code)), host::SystemQtTranslationsFolder());
}

class QtTextsTest : public ::testing::TestWithParam<Place> {};

TEST_P(QtTextsTest, IndonesianTranslatesEveryTextQtAsksFor) {
    testsupport::UntranslatedRecorder recorder;
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QStringLiteral("id")));
    recorder.Clear();
    const QStringList texts = GetParam().texts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(recorder.Untranslated().toStdString(), "") << "left in English";
}

TEST_P(QtTextsTest, EnglishShowsQtsOwnTexts) {
    testsupport::UntranslatedRecorder recorder;
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QStringLiteral("en")));
    const QStringList texts = GetParam().texts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_GT(recorder.Count(), 0u);
    for (const Sample& sample : kSamples) {
        if (QLatin1String(sample.place) != QLatin1String(GetParam().name)) continue;
        EXPECT_TRUE(texts.contains(QString::fromUtf8(sample.english))) << sample.english;
        EXPECT_FALSE(texts.contains(QString::fromUtf8(sample.indonesian))) << sample.indonesian;
    }
}

TEST_P(QtTextsTest, IndonesianShowsTheProgramsWords) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QStringLiteral("id")));
    const QStringList texts = GetParam().texts();
    for (const Sample& sample : kSamples) {
        if (QLatin1String(sample.place) != QLatin1String(GetParam().name)) continue;
        EXPECT_TRUE(texts.contains(QString::fromUtf8(sample.indonesian))) << sample.indonesian;
        EXPECT_FALSE(texts.contains(QString::fromUtf8(sample.english))) << sample.english;
    }
}

TEST_P(QtTextsTest, JapaneseShowsTheSystemsCatalog) {
    QTranslator japanese;
    if (!LoadSystemCatalog(japanese, "ja")) GTEST_SKIP() << "no qtbase_ja.qm (Debian's qt6-translations-l10n)";
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QStringLiteral("ja")));
    const QStringList texts = GetParam().texts();
    int compared = 0;
    for (const Sample& sample : kSamples) {
        if (QLatin1String(sample.place) != QLatin1String(GetParam().name)) continue;
        const QString expected = japanese.translate(sample.context, sample.english);
        if (expected.isEmpty()) continue;
        ++compared;
        EXPECT_TRUE(texts.contains(expected)) << sample.english << " as " << expected.toStdString();
        EXPECT_FALSE(texts.contains(QString::fromUtf8(sample.indonesian))) << sample.indonesian;
    }
    EXPECT_GT(compared, 0);
}

INSTANTIATE_TEST_SUITE_P(Places, QtTextsTest, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

// Where the system has a catalog of Qt's Indonesian texts, it is Qt's own for the Qt the
// program runs on, and it wins over the program's. A copy of the Japanese one stands in for it.
TEST(QtCatalogs, TheSystemsOwnIsPreferredToTheProgramsOwn) {
    QTranslator japanese;
    if (!LoadSystemCatalog(japanese, "ja")) GTEST_SKIP() << "no qtbase_ja.qm (Debian's qt6-translations-l10n)";
    const QString systemCancel = japanese.translate("QPlatformTheme", "Cancel");
    ASSERT_FALSE(systemCancel.isEmpty());
    QTemporaryDir withCatalog;
    QTemporaryDir without;
    QTemporaryDir withoutLanguage;
    ASSERT_TRUE(QFile::copy(japanese.filePath(), withCatalog.filePath(QStringLiteral("qtbase_id.qm"))));
    ASSERT_TRUE(QFile::copy(japanese.filePath(), withoutLanguage.filePath(QStringLiteral("qtbase.qm"))));
    const struct {
        const char* system;
        QString folder;
        const char* code;
        QString cancel;
    } cases[] = {
        {"with a catalog of its own", withCatalog.path(), "id", systemCancel},
        {"without one", without.path(), "id", QStringLiteral("Batal")},
        {"with one of no language", withoutLanguage.path(), "id", QStringLiteral("Batal")},
        {"with one in English", withCatalog.path(), "en", QStringLiteral("Cancel")},
    };
    for (const auto& c : cases) {
        host::Translations translations(c.folder);
        ASSERT_TRUE(translations.Install(QString::fromLatin1(c.code)));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), c.cancel.toStdString())
            << c.system;
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"))
        << "removed with the language";
}

} // namespace
