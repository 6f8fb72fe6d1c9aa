#include "udev_rules.h"

#include <QRegularExpression>

namespace vexlor::udev {
namespace {

// KEY{attribute} OPERATOR "value"
const QRegularExpression &assignmentPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(([A-Z_]+)(?:\{([^}]*)\})?\s*(==|!=|\+=|-=|:=|=)\s*"([^"]*)\")"));
    return pattern;
}

// A udev pattern (* ? [...] and | between alternatives) as a regular expression.
QRegularExpression globExpression(const QString &pattern)
{
    QStringList alternatives;
    for (const QString &glob : pattern.split(u'|')) {
        QString expression;
        for (const QChar c : glob) {
            if (c == u'*')
                expression += QLatin1String(".*");
            else if (c == u'?')
                expression += u'.';
            else if (c == u'[' || c == u']')
                expression += c;
            else
                expression += QRegularExpression::escape(QString(c));
        }
        alternatives << expression;
    }
    return QRegularExpression(QStringLiteral("\\A(?:") + alternatives.join(u'|') + QStringLiteral(")\\z"));
}

// The device's value for a match key; nullopt for a key of no identity.
std::optional<QString> identityValue(const QString &key, const QString &name,
                                     const facts::UsbSerialPort &port)
{
    const auto hex4 = [](quint16 v) { return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')); };
    if (key == u"ATTRS" || key == u"ATTR") {
        if (name == u"idVendor")
            return hex4(port.vendorId);
        if (name == u"idProduct")
            return hex4(port.productId);
        if (name == u"bcdDevice")
            return hex4(port.release);
        if (name == u"serial")
            return port.serialNumber;
        if (name == u"product")
            return port.product;
        if (name == u"manufacturer")
            return port.manufacturer;
    } else if (key == u"ENV") {
        if (name == u"PRODUCT") // as the kernel writes it: hex without leading zeros
            return QStringLiteral("%1/%2/%3")
                .arg(port.vendorId, 0, 16)
                .arg(port.productId, 0, 16)
                .arg(port.release, 0, 16);
        if (name == u"ID_VENDOR_ID")
            return hex4(port.vendorId);
        if (name == u"ID_MODEL_ID")
            return hex4(port.productId);
    }
    return std::nullopt;
}

bool takenToHold(const QString &key, const QString &name)
{
    return key == u"ACTION" || key == u"SUBSYSTEM" || key == u"SUBSYSTEMS"
        || (key == u"ENV" && name == u"DEVTYPE");
}

bool namesDevice(const QString &key, const QString &name)
{
    return name == u"idVendor" || name == u"idProduct" || name == u"ID_VENDOR_ID" || name == u"ID_MODEL_ID"
        || (key == u"ENV" && name == u"PRODUCT");
}

} // namespace

QStringList rulesFolders()
{
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
            QStringLiteral("/lib/udev/rules.d")};
}

QList<RulesFile> effectiveRulesFiles(const SystemView &system)
{
    QStringList seen;
    QList<RulesFile> files;
    for (const QString &folder : rulesFolders()) {
        for (const QString &name : system.folderEntries(folder).value_or(QStringList())) {
            if (!name.endsWith(QLatin1String(".rules")) || seen.contains(name))
                continue;
            seen << name;
            const QString path = folder + u'/' + name;
            if (system.linkTarget(path) != u"/dev/null") // a masked file hides its namesakes
                files.append({name, path});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const RulesFile &a, const RulesFile &b) { return a.name < b.name; });
    return files;
}

std::optional<RulesFile> effectiveRulesFile(const SystemView &system, const QString &name)
{
    for (const RulesFile &file : effectiveRulesFiles(system)) {
        if (file.name == name)
            return file;
    }
    return std::nullopt;
}

QList<Rule> rules(const SystemView &system, const QString &path)
{
    QList<Rule> result;
    const QList<QByteArray> lines = system.readFile(path).value_or(QByteArray()).split('\n');
    Rule rule;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines[i]).trimmed();
        if (rule.text.isEmpty()) {
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            rule.firstLine = i + 1;
        }
        rule.lastLine = i + 1;
        const bool continues = line.endsWith(u'\\');
        if (continues)
            line.chop(1);
        rule.text += line + u' ';
        if (!continues) {
            result << rule;
            rule = Rule();
        }
    }
    if (!rule.text.isEmpty())
        result << rule;
    return result;
}

bool appliesTo(const Rule &rule, const facts::UsbSerialPort &port)
{
    bool named = false;
    auto it = assignmentPattern().globalMatch(rule.text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString key = m.captured(1), name = m.captured(2), op = m.captured(3);
        if (op != u"==" && op != u"!=")
            continue;
        if (takenToHold(key, name))
            continue;
        const std::optional<QString> value = identityValue(key, name, port);
        if (!value)
            return false;
        if (globExpression(m.captured(4)).match(*value).hasMatch() != (op == u"=="))
            return false;
        named = named || namesDevice(key, name);
    }
    return named;
}

bool assigns(const Rule &rule, const QString &key, const QString &value)
{
    auto it = assignmentPattern().globalMatch(rule.text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1) == u"ENV" && m.captured(2) == key
            && (m.captured(3) == u"=" || m.captured(3) == u":=") && m.captured(4) == value)
            return true;
    }
    return false;
}

} // namespace vexlor::udev
