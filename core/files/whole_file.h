#pragma once

#include <QByteArray>
#include <QString>

namespace vexlor {

// How a file may be replaced when its folder refuses new files.
enum class InPlaceWrite {
    Refused, // the file is only ever replaced by a complete new one
    Allowed, // a writable file in a read-only folder is rewritten in place
};

// Replaces the file at `path` with `bytes` (creating its folder), so that it
// holds either its old content or all of the new: the bytes go to a temporary
// file beside it, which takes the old file's place only once every byte is on
// the disk. False when anything failed, a full disk included; the old file is
// then as it was.
//
// QSaveFile alone is not enough: it buffers small writes and flushes them at
// commit, where a failed flush (ENOSPC) is lost and an empty file replaces the
// old one; and it ignores a failed sync. The flush and the sync are checked
// here before the commit.
//
// An in-place rewrite cannot keep the old content when it fails, so it is only
// tried when the disk has room for the new bytes.
[[nodiscard]] bool writeWholeFile(const QString &path, const QByteArray &bytes,
                                  InPlaceWrite inPlace = InPlaceWrite::Refused);

// "Cannot create file %1", the path quoted as messages quote input: what every
// file the tool writes says when it could not be written.
[[nodiscard]] QString cannotCreateFileMessage(const QString &path);

} // namespace vexlor
