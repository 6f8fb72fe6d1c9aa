#pragma once

#include "sheet_content.h"

#include "files/vxc_writer.h"

#include <QByteArray>

namespace vexlor {

// The sheet drawn on one A4 page, as the bytes of a PDF file; empty when it
// could not be drawn. Needs a QGuiApplication (the offscreen platform does).
[[nodiscard]] QByteArray settingsSheetPdf(const SheetContent &sheet);

// Draws the sheet and writes it to `path` whole, as every file the tool
// writes: when that fails the old file stays as it was. Error: "Cannot create
// file %1".
[[nodiscard]] FileWriteResult writeSettingsSheet(const QString &path, const SheetContent &sheet);

} // namespace vexlor
