#pragma once

#include "system_facts.h"

namespace vexlor::udev {

// The rules folders, most important first: a file in one hides the file of
// the same name in those after it.
[[nodiscard]] QStringList rulesFolders();

// One rules file udev reads (not hidden by a namesake, not masked by a link
// to /dev/null).
struct RulesFile {
    QString name; // "70-vexlor-cable.rules"
    QString path; // where udev reads it
};

// Every rules file udev reads, by name.
[[nodiscard]] QList<RulesFile> effectiveRulesFiles(const SystemView &system);
// The file udev reads under `name`; nullopt when none (or masked).
[[nodiscard]] std::optional<RulesFile> effectiveRulesFile(const SystemView &system, const QString &name);

// One rule: a line of a rules file with its continuation lines.
struct Rule {
    int firstLine = 0; // 1-based, in the file
    int lastLine = 0;
    QString text;
};
[[nodiscard]] QList<Rule> rules(const SystemView &system, const QString &path);

// Whether `rule` applies to the USB serial port `port`: every match of the
// rule that concerns the device's identity (vendor, product, release, its
// strings, PRODUCT) holds, and at least one names its vendor or product.
// Matches on the event or the subsystem are taken to hold; a match on
// anything else makes the rule count as not applying, so the checks never
// claim more than they know.
[[nodiscard]] bool appliesTo(const Rule &rule, const facts::UsbSerialPort &port);

// Whether `rule` assigns `value` to the property `key` (ENV{key}="value").
[[nodiscard]] bool assigns(const Rule &rule, const QString &key, const QString &value);

} // namespace vexlor::udev
