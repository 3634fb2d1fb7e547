// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print module's entry point, which the windows resolve by name.
#include "ui/print/PrintDialogService.h"

extern "C" Q_DECL_EXPORT PrintService* zkCreatePrintService() { return new PrintDialogService; }
