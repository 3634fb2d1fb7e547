// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/PrintModule.h"
#include <QLibrary>
#include <QPagedPaintDevice>
#include <memory>

PrintOutcome PrintWithDialog(const QStringList& modulePaths, QWidget* parent, QPageLayout::Orientation orientation,
                             const PaintPages& paint) {
    for (const QString& path : modulePaths) {
        QLibrary module(path);   // stays loaded for the rest of the run
        auto create = reinterpret_cast<CreatePrintService>(module.resolve(ZK_PRINT_MODULE_ENTRY));
        if (!create) continue;
        const std::unique_ptr<PrintService> service(create());
        return service->print(parent, orientation, paint);
    }
    return PrintOutcome::Failed;
}

QSizeF SheetSize(const QPagedPaintDevice& sheets) {
    return sheets.pageLayout().paintRectPixels(sheets.logicalDpiY()).size();
}
