// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../support/ScriptedFileDialogs.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/WindowLookups.h"
#include "sheetresults/frmSheetResults.h"

#include <QString>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

// The Sheet results window opened on a finished sitting, its dialogs answered from a script.
class SheetResultsWindowTest : public testing::Test {
protected:
    void Open(sheetresults::FinishedSitting sitting) {
        window = std::make_unique<sheetresults::frmSheetResults>(sheetresults::SheetResultsServices{&files, &messages});
        window->ShowSitting(std::move(sitting));
        ASSERT_TRUE(testsupport::ShowActive(*window));
    }
    template <typename T> T* Get(const char* name) const { return testsupport::FindIn<T>(*window, name); }
    // The value of the score of that name in the scores table.
    QString Score(const QString& name) const {
        const auto* table = Get<QTableWidget>("grdScores");
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == name) return table->item(row, 1)->text();
        return QStringLiteral("(no row)");
    }

    host::ScriptedFileDialogs files;
    host::ScriptedMessageBoxes messages;
    std::unique_ptr<sheetresults::frmSheetResults> window;
};
