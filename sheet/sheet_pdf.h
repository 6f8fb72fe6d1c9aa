#pragma once

#include "sheet_content.h"

#include "files/vxc_writer.h"

#include <QByteArray>

namespace vexlor {

// The sheet drawn on one A4 page, as the bytes of a PDF file; empty when it
// could not be drawn. Needs a QGuiApplication (the offscreen platform does).
[[nodiscard]] QByteArray settingsSheetPdf(const SheetContent &sheet);

// Empty when a sheet may be written to `path`: nothing is there, or an earlier
// PDF (its first bytes "%PDF-"), or a folder (the write then fails as any
// write there). Anything else, a configuration above all, is never replaced:
// the message says so, naming `path`.
[[nodiscard]] QString sheetReplacementRefusal(const QString &path);

// Draws the sheet and writes it to `path` whole, as every file the tool
// writes: when that fails the old file stays as it was. Errors: the refusal
// above, "Cannot create file %1".
[[nodiscard]] FileWriteResult writeSettingsSheet(const QString &path, const SheetContent &sheet);

} // namespace vexlor
