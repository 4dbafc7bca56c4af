// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/KeptSitting.h"
#include "windowkit/CsvFile.h"

class QWidget;

namespace history {

// Shows a kept sitting's results window as it was, beside `owner` and belonging to it: the
// Sheet results window for a sheet, the Work curve window for a drill run, from the kept
// record, standing against the sittings before it. Nothing is kept again.
void ShowKeptSitting(QWidget* owner, const engine::KeptSitting& sitting, windowkit::SaveDialogs dialogs);

} // namespace history
