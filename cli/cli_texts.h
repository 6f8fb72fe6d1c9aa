#pragma once

// Texts only the command line shows. Plain English for now; each is a
// translatable user text.
namespace vexlor::cli::texts {

// On stderr once the backup is kept: %1 its path.
inline constexpr const char *kBackupKept = "Backup: %1";
// On stderr after a read-back that found every value as written.
inline constexpr const char *kVerified = "Read back: the controller holds every value written.";

} // namespace vexlor::cli::texts
