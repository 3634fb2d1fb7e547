// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Printing is a module of its own (zelka-kvadra-print, src/ui/print/): the print
// support and the print dialog load when the player first prints, so they cost nothing
// at start-up. The windows paint their pages on any paged device; the module asks for
// the printer and hands it to them.
//   const PrintOutcome outcome = PrintWithDialog(ModulePaths(kPrintModuleName), this,
//                                                QPageLayout::Landscape, paintPages);
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// Paints every page on `sheets`, which are set up already (orientation, margins);
// false when the device fails.
using PaintPages = std::function<bool(QPagedPaintDevice& sheets)>;

enum class PrintOutcome { Printed, Cancelled, Failed };

class PrintService {
public:
    virtual ~PrintService() = default;
    // The print dialog over `parent`, for sheets lying in `orientation`; when the player
    // chooses a printer, `paint` prints on it.
    virtual PrintOutcome print(QWidget* parent, QPageLayout::Orientation orientation, const PaintPages& paint) = 0;
};

// The module's one entry point: a new service, owned by the caller.
#define ZK_PRINT_MODULE_ENTRY "zkCreatePrintService"
using CreatePrintService = PrintService* (*)();

inline const QString kPrintModuleName = QStringLiteral("zelka-kvadra-print");

// Loads the module from the first of `modulePaths` that holds it (ModulePaths; it stays
// loaded for the run) and prints through it. Without the module nothing can be printed:
// Failed.
PrintOutcome PrintWithDialog(const QStringList& modulePaths, QWidget* parent, QPageLayout::Orientation orientation,
                             const PaintPages& paint);

// The printable part of a sheet of `sheets`, in its pixels, from its top-left corner.
QSizeF SheetSize(const QPagedPaintDevice& sheets);
