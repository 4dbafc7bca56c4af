// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts for a user, reporting its main window's first paint.
#include "FirstPaint.h"
#include "app/Startup.h"

int main(int argc, char** argv) { return app::RunTavrendale(argc, argv, ReportFirstPaint); }
