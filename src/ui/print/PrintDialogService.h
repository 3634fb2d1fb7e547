// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The print module's service: the print dialog and the printer it sets up.
#include "ui/gui/PrintModule.h"

class PrintDialogService final : public PrintService {
public:
    PrintOutcome print(QWidget* parent, QPageLayout::Orientation orientation, const PaintPages& paint) override;
};
