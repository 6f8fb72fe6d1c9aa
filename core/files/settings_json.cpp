#include "settings_json.h"

#include "params/field_limits.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "params/settings_fingerprint.h"
#include "translation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <optional>

namespace vexlor {
namespace {

constexpr const char *kContext = "SettingsJson";

//: %1 where the JSON breaks (a byte offset), %2 the parser's reason (English)
constexpr const char *kNoJson = QT_TRANSLATE_NOOP("SettingsJson", "This is no JSON (at byte %1: %2).");
//: keep "format" and vexlor-settings as they are: they are written so in the file
constexpr const char *kOtherFormat = QT_TRANSLATE_NOOP(
    "SettingsJson", "This JSON holds no settings: its \"format\" is not \"vexlor-settings\".");
//: %1 the version the file names, %2 the newest this tool reads
constexpr const char *kNewerVersion = QT_TRANSLATE_NOOP(
    "SettingsJson", "These settings are of version %1; this tool reads version %2 and older.");
//: %1 the member as the file spells it; keep "parameters" and "name" as they are
constexpr const char *kUnknownMember = QT_TRANSLATE_NOOP("SettingsJson", "Unknown member \"%1\".");
//: keep "parameters", "name" and "value" as they are: they are written so in the file
constexpr const char *kBadShape = QT_TRANSLATE_NOOP(
    "SettingsJson", "\"parameters\" must be a list of objects, each with a \"name\" and a \"value\".");
//: %1 the parameter's name as the file spells it
constexpr const char *kUnknownName = QT_TRANSLATE_NOOP("SettingsJson", "Unknown parameter \"%1\".");
//: %1 the parameter's name
constexpr const char *kTwice = QT_TRANSLATE_NOOP("SettingsJson", "%1 is given twice.");
//: %1 the parameter's name
constexpr const char *kMissing = QT_TRANSLATE_NOOP("SettingsJson", "%1 is missing.");
//: %1 the parameter's name, %2 the value as the file holds it, %3 what is expected instead
constexpr const char *kWrongType =
    QT_TRANSLATE_NOOP("SettingsJson", "%1: %2 is of the wrong type; expected %3.");
//: what a field's value must be: a number, in quotes or not
constexpr const char *kExpectNumber = QT_TRANSLATE_NOOP("SettingsJson", "a number");
//: keep true and false as they are: they are written so in the file
constexpr const char *kExpectTick = QT_TRANSLATE_NOOP("SettingsJson", "true or false");
constexpr const char *kExpectPair = QT_TRANSLATE_NOOP("SettingsJson", "0 or 1");
constexpr const char *kExpectWhole = QT_TRANSLATE_NOOP("SettingsJson", "a whole number");
//: %1 the parameter's name, %2 the unit the file names, %3 the field's unit
constexpr const char *kOtherUnit =
    QT_TRANSLATE_NOOP("SettingsJson", "%1: the unit %2 is not the field's unit \"%3\".");
//: %1 the parameter's name, %2 the value; a .vxc file holds 8-bit (Latin-1) text only
constexpr const char *kNotLatin1 = QT_TRANSLATE_NOOP(
    "SettingsJson", "%1: %2 holds characters a configuration file cannot keep.");
//: %1 the parameter's name, %2 the value, %3 the allowed range ("at most 30.0 A")
constexpr const char *kBeyondLimits =
    QT_TRANSLATE_NOOP("SettingsJson", "%1: %2 is beyond the field's limits (allowed: %3).");
//: %1 the fingerprint in the file, %2 the one of its values
constexpr const char *kOtherFingerprint = QT_TRANSLATE_NOOP(
    "SettingsJson", "The fingerprint %1 does not belong to these values (they give %2): the file "
                    "was changed after it was written. Remove the fingerprint to take the changed "
                    "values.");

QString text(const char *source)
{
    return translated(kContext, source);
}

// The unit as the file names it: the measure alone, in English (never translated).
QString unitName(const ParameterDescriptor &d)
{
    return QString::fromUtf8(*d.limitUnit ? d.limitUnit : d.unit);
}

// A field's text as the file held it, before the reader's separator fix-up.
QString fileTextOf(const ControlValue &c)
{
    return c.fileText.isEmpty() ? c.text : c.fileText;
}

QJsonValue valueOf(const ParameterDescriptor &d, const ControlValue &c)
{
    if (d.hasTextControl())
        return fileTextOf(c);
    if (d.kind == ParameterKind::Flag)
        return c.number != 0;
    return c.number;
}

// A field's text with the point the checks read: "14,0" as "14.0"; a text
// that is no number either way stays as it is.
QString withPoint(const QString &text)
{
    if (textToReal(text, NumberFormat::point()) || !textToReal(text, NumberFormat::comma()))
        return text;
    QString pointed = text;
    return pointed.replace(pointed.indexOf(u','), 1, u'.');
}

// The snapshot as the checks and the fingerprint read it: every field with a point.
ParameterSnapshot pointed(ParameterSnapshot snapshot)
{
    for (const ParameterDescriptor *d : storedParameters()) {
        if (d->hasTextControl())
            snapshot[d->index].text = withPoint(snapshot[d->index].text);
    }
    snapshot.limitMaxSpeed = true;
    return snapshot;
}

std::optional<QString> fingerprintOf(const ParameterSnapshot &snapshot)
{
    const EncodedSet encoded = encodeAll(pointed(snapshot), NumberFormat::point());
    if (!encoded.ok())
        return std::nullopt;
    return settingsFingerprint(encoded.values);
}

// The JSON value as a message quotes it: compact JSON, shown safely.
QString quoted(const QJsonValue &value)
{
    const QJsonDocument document(QJsonArray{value});
    const QByteArray json = document.toJson(QJsonDocument::Compact);
    return inputForMessage(QString::fromUtf8(json.mid(1, json.size() - 2)));
}

} // namespace

QByteArray settingsJson(const ParameterSnapshot &snapshot)
{
    QJsonArray parameters;
    for (const ParameterDescriptor *d : storedParameters()) {
        QJsonObject entry{{QStringLiteral("name"), QString::fromLatin1(d->name)},
                          {QStringLiteral("value"), valueOf(*d, snapshot[d->index])}};
        if (!unitName(*d).isEmpty())
            entry.insert(QStringLiteral("unit"), unitName(*d));
        parameters.append(entry);
    }
    QJsonObject root{{QStringLiteral("format"), QString::fromLatin1(kSettingsJsonFormat)},
                     {QStringLiteral("version"), kSettingsJsonVersion},
                     {QStringLiteral("parameters"), parameters}};
    if (const std::optional<QString> mark = fingerprintOf(snapshot))
        root.insert(QStringLiteral("fingerprint"), *mark);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {

// Reads one document into a snapshot, collecting what is wrong.
class JsonImport {
public:
    explicit JsonImport(JsonLimits limits) : m_limits(limits) {}

    SettingsJsonRead read(const QByteArray &bytes)
    {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            fail(text(kNoJson).arg(QString::number(parseError.offset), parseError.errorString()));
        } else if (!document.isObject()) {
            fail(text(kOtherFormat));
        } else if (readRoot(document.object())) {
            checkWhole();
        }
        return m_result;
    }

private:
    void fail(const QString &message) { m_result.errors << message; }

    bool readRoot(const QJsonObject &root)
    {
        if (root.value(QStringLiteral("format")).toString() != QLatin1String(kSettingsJsonFormat)) {
            fail(text(kOtherFormat));
            return false;
        }
        const QJsonValue version = root.value(QStringLiteral("version"));
        if (!version.isDouble() || version.toDouble() != version.toInt()
            || version.toInt() > kSettingsJsonVersion || version.toInt() < 1) {
            fail(text(kNewerVersion).arg(quoted(version), QString::number(kSettingsJsonVersion)));
            return false;
        }
        for (const QString &key : root.keys()) {
            if (key != u"format" && key != u"version" && key != u"fingerprint" && key != u"parameters")
                fail(text(kUnknownMember).arg(inputForMessage(key)));
        }
        m_fingerprint = root.value(QStringLiteral("fingerprint"));
        const QJsonValue parameters = root.value(QStringLiteral("parameters"));
        if (!parameters.isArray()) {
            fail(text(kBadShape));
            return false;
        }
        for (const QJsonValue &entry : parameters.toArray())
            readEntry(entry);
        return m_result.ok();
    }

    void readEntry(const QJsonValue &entry)
    {
        const QJsonObject object = entry.toObject();
        if (!entry.isObject() || !object.value(QStringLiteral("name")).isString()
            || !object.contains(QStringLiteral("value"))) {
            fail(text(kBadShape));
            return;
        }
        for (const QString &key : object.keys()) {
            if (key != u"name" && key != u"value" && key != u"unit")
                fail(text(kUnknownMember).arg(inputForMessage(key)));
        }
        const QString name = object.value(QStringLiteral("name")).toString();
        const ParameterDescriptor *d = parameterByName(name.toUtf8().constData());
        if (!d || !d->isStored()) {
            fail(text(kUnknownName).arg(inputForMessage(name)));
            return;
        }
        if (m_seen.contains(d->index)) {
            fail(text(kTwice).arg(name));
            return;
        }
        m_seen.insert(d->index);
        const QJsonValue unit = object.value(QStringLiteral("unit"));
        if (!unit.isUndefined() && unit.toString() != unitName(*d))
            fail(text(kOtherUnit).arg(name, quoted(unit), unitName(*d)));
        readValue(*d, object.value(QStringLiteral("value")));
    }

    void readValue(const ParameterDescriptor &d, const QJsonValue &value)
    {
        ControlValue &control = m_result.snapshot[d.index];
        const QString name = QString::fromLatin1(d.name);
        if (d.hasTextControl() && (value.isString() || value.isDouble())) {
            control.text = value.isString() ? value.toString()
                                            : generalNumberText(value.toDouble(), NumberFormat::point());
            if (QString::fromLatin1(control.text.toLatin1()) != control.text)
                fail(text(kNotLatin1).arg(name, quoted(value)));
        } else if (d.kind == ParameterKind::Flag && value.isBool()) {
            control.number = value.toBool() ? 1 : 0;
        } else if (d.kind == ParameterKind::TwoWay && value.isDouble()
                   && (value.toDouble() == 0 || value.toDouble() == 1)) {
            control.number = value.toInt();
        } else if (!d.hasTextControl() && d.kind != ParameterKind::Flag && d.kind != ParameterKind::TwoWay
                   && value.isDouble() && value.toDouble() == value.toInt()) {
            control.number = value.toInt();
        } else {
            fail(text(kWrongType).arg(name, quoted(value), text(expected(d))));
        }
    }

    static const char *expected(const ParameterDescriptor &d)
    {
        if (d.hasTextControl())
            return kExpectNumber;
        if (d.kind == ParameterKind::Flag)
            return kExpectTick;
        return d.kind == ParameterKind::TwoWay ? kExpectPair : kExpectWhole;
    }

    // Missing parameters, values a write could not send or the fields would
    // refuse, and the fingerprint.
    void checkWhole()
    {
        for (const ParameterDescriptor *d : storedParameters()) {
            if (!m_seen.contains(d->index))
                fail(text(kMissing).arg(QString::fromLatin1(d->name)));
        }
        if (!m_result.ok())
            return;
        const ParameterSnapshot checked = pointed(m_result.snapshot);
        QStringList problems;
        for (const ParameterDescriptor *d : storedParameters()) {
            const EncodedValue sent = encodeParameter(d->index, checked, NumberFormat::point());
            if (!sent.ok())
                problems << QString::fromLatin1(d->name) + QStringLiteral(": ") + sent.error;
        }
        for (const LimitBreach &breach : valuesBeyondFieldLimits(checked, NumberFormat::point())) {
            const QString shown = fileTextOrNumber(*breach.descriptor);
            problems << text(kBeyondLimits).arg(QString::fromLatin1(breach.descriptor->name), shown,
                                                breach.allowed);
        }
        (m_limits == JsonLimits::Accept ? m_result.warnings : m_result.errors) << problems;
        checkFingerprint();
    }

    QString fileTextOrNumber(const ParameterDescriptor &d) const
    {
        const ControlValue &c = m_result.snapshot[d.index];
        return inputForMessage(d.hasTextControl() ? c.text : QString::number(c.number));
    }

    void checkFingerprint()
    {
        if (m_fingerprint.isUndefined())
            return;
        const std::optional<QString> mark = fingerprintOf(m_result.snapshot);
        if (!mark || m_fingerprint.toString() != *mark)
            fail(text(kOtherFingerprint).arg(quoted(m_fingerprint), mark.value_or(QStringLiteral("-"))));
    }

    JsonLimits m_limits;
    SettingsJsonRead m_result;
    QSet<int> m_seen;
    QJsonValue m_fingerprint;
};

} // namespace

SettingsJsonRead readSettingsJson(const QByteArray &bytes, JsonLimits limits)
{
    return JsonImport(limits).read(bytes);
}

} // namespace vexlor
