// The settings JSON: a .vxc file through JSON and back is the same file, and
// an import refuses what it cannot take whole, naming the parameter and value.

#include "files/settings_json.h"
#include "files/vxc_reader.h"
#include "files/vxc_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

using namespace vexlor;

namespace {

// A text a field may hold after typing, a read or a file, in either notation.
QString randomFieldText(QRandomGenerator &random)
{
    static const QString pieces[] = {QStringLiteral("14.0"), QStringLiteral("14,0"), QStringLiteral("0.3"),
                                     QStringLiteral("2074"), QStringLiteral(""), QStringLiteral(" 7 "),
                                     QStringLiteral("abc"), QStringLiteral("caf\u00E9"), QStringLiteral("1e3"),
                                     QStringLiteral("-5"), QStringLiteral("1.234,5"), QStringLiteral("99999")};
    return pieces[random.bounded(int(std::size(pieces)))];
}

// Any snapshot the window could save: every control at a value it can hold.
ParameterSnapshot randomSnapshot(QRandomGenerator &random)
{
    ParameterSnapshot s = ParameterSnapshot::initial();
    for (const ParameterDescriptor *d : storedParameters()) {
        ControlValue &c = s[d->index];
        if (d->kind == ParameterKind::LevelCount) // stepped by its up-down: a whole number
            c.text = QString::number(random.bounded(13));
        else if (d->hasTextControl())
            c.text = randomFieldText(random);
        else if (d->kind == ParameterKind::Slider)
            c.number = random.bounded(d->minimum, d->maximum + 1);
        else if (d->kind == ParameterKind::Choice)
            c.number = random.bounded(-1, d->optionCount);
        else
            c.number = random.bounded(2);
    }
    return s;
}

// The file's bytes read as a command reads them, to JSON and back to bytes.
QByteArray throughJson(const QByteArray &file, NumberFormat format, JsonLimits limits)
{
    const ConfigurationRead read = parseConfiguration(file, format);
    if (!read.ok())
        return "unreadable: " + read.error.toUtf8();
    ParameterSnapshot snapshot = ParameterSnapshot::initial();
    applyToSnapshot(snapshot, read.entries, {});
    const SettingsJsonRead back = readSettingsJson(settingsJson(snapshot), limits);
    if (!back.ok())
        return "refused: " + back.errors.join(u'\n').toUtf8();
    return configurationFileBytes(back.snapshot);
}

QJsonObject initialJson()
{
    return QJsonDocument::fromJson(settingsJson(ParameterSnapshot::initial())).object();
}

// The initial settings' JSON with one parameter's entry changed by `change`.
QByteArray withEntry(const char *name, const std::function<void(QJsonObject &)> &change,
                     bool keepFingerprint = false)
{
    QJsonObject root = initialJson();
    QJsonArray parameters = root.value(QStringLiteral("parameters")).toArray();
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        QJsonObject entry = parameters[i].toObject();
        if (entry.value(QStringLiteral("name")).toString() == QLatin1String(name)) {
            change(entry);
            parameters[i] = entry;
        }
    }
    root.insert(QStringLiteral("parameters"), parameters);
    if (!keepFingerprint)
        root.remove(QStringLiteral("fingerprint"));
    return QJsonDocument(root).toJson();
}

QByteArray withValue(const char *name, const QJsonValue &value)
{
    return withEntry(name, [&value](QJsonObject &entry) { entry.insert(QStringLiteral("value"), value); });
}

} // namespace

class TestSettingsJson : public QObject {
    Q_OBJECT
private slots:
    // Guards the round trip of every file the writer can produce: whatever
    // the fields hold (texts in either notation, texts that are no number,
    // no selection, every position) and whichever notation reads it, JSON and
    // back gives the same bytes.
    void roundTripIsByteIdentical()
    {
        QRandomGenerator random(32);
        QList<ParameterSnapshot> snapshots{ParameterSnapshot::initial()};
        for (int i = 0; i < 300; ++i)
            snapshots << randomSnapshot(random);
        for (const ParameterSnapshot &snapshot : std::as_const(snapshots)) {
            const QByteArray file = configurationFileBytes(snapshot);
            for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()})
                QCOMPARE(throughJson(file, format, JsonLimits::Accept), file);
        }
        // A file the window wrote keeps to its fields' limits: no --force needed.
        const QByteArray initial = configurationFileBytes(ParameterSnapshot::initial());
        QCOMPARE(throughJson(initial, NumberFormat::comma(), JsonLimits::Refuse), initial);
    }

    // Guards the documented form: names, values in their units, unit names,
    // the fingerprint of the values as a write sends them.
    void exportedForm()
    {
        const QJsonObject root = initialJson();
        QCOMPARE(root.value(QStringLiteral("format")).toString(), QStringLiteral("vexlor-settings"));
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{4}-[0-9A-F]{4}$"))
                    .match(root.value(QStringLiteral("fingerprint")).toString())
                    .hasMatch());
        const QJsonArray parameters = root.value(QStringLiteral("parameters")).toArray();
        QCOMPARE(parameters.size(), kStoredParameterCount);
        QCOMPARE(parameters[0].toObject(),
                 (QJsonObject{{QStringLiteral("name"), QStringLiteral("MaxBatteryCurrent")},
                              {QStringLiteral("value"), QStringLiteral("14.0")},
                              {QStringLiteral("unit"), QStringLiteral("A")}}));
        QCOMPARE(parameters[7].toObject().value(QStringLiteral("value")), QJsonValue(true)); // UsePedalSensor
        QCOMPARE(parameters[11].toObject().value(QStringLiteral("unit")), QJsonValue(QStringLiteral("ms")));
        QCOMPARE(parameters[12].toObject().value(QStringLiteral("value")), QJsonValue(5)); // PasRatio
        // A value that cannot be sent has no fingerprint.
        ParameterSnapshot bad = ParameterSnapshot::initial();
        bad[1].text = QStringLiteral("abc");
        QVERIFY(!QJsonDocument::fromJson(settingsJson(bad)).object().contains(QStringLiteral("fingerprint")));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("no JSON") << QByteArray("{\"format\": ") << QStringLiteral("This is no JSON (at byte");
        QTest::newRow("other format") << QByteArray("{\"format\": \"x\", \"version\": 1}")
                                      << QStringLiteral("its \"format\" is not \"vexlor-settings\"");
        QTest::newRow("newer version")
            << QByteArray("{\"format\": \"vexlor-settings\", \"version\": 2, \"parameters\": []}")
            << QStringLiteral("These settings are of version 2; this tool reads version 1 and older.");
        QTest::newRow("unknown name")
            << withEntry("SpeedLimit", [](QJsonObject &e) { e.insert(QStringLiteral("name"), QStringLiteral("TopSpeed")); })
            << QStringLiteral("Unknown parameter \"TopSpeed\".");
        QTest::newRow("unknown member")
            << withEntry("SpeedLimit", [](QJsonObject &e) { e.insert(QStringLiteral("colour"), 1); })
            << QStringLiteral("Unknown member \"colour\".");
        QTest::newRow("wrong type, text") << withValue("UsePedalSensor", QStringLiteral("yes"))
                                          << QStringLiteral("UsePedalSensor: \"yes\" is of the wrong type; expected true or false.");
        QTest::newRow("wrong type, fraction") << withValue("PasRatio", 2.5)
                                              << QStringLiteral("PasRatio: 2.5 is of the wrong type; expected a whole number.");
        QTest::newRow("wrong type, list") << withValue("MaxBatteryCurrent", QJsonArray{1})
                                          << QStringLiteral("MaxBatteryCurrent: [1] is of the wrong type; expected a number.");
        QTest::newRow("other unit")
            << withEntry("SpeedLimit", [](QJsonObject &e) { e.insert(QStringLiteral("unit"), QStringLiteral("mph")); })
            << QStringLiteral("SpeedLimit: the unit \"mph\" is not the field's unit \"km/h\".");
        QTest::newRow("missing")
            << withEntry("WheelPerimeter", [](QJsonObject &e) { e.insert(QStringLiteral("name"), QStringLiteral("SpeedLimit")); })
            << QStringLiteral("SpeedLimit is given twice.");
        QTest::newRow("beyond the limits") << withValue("MaxBatteryCurrent", QStringLiteral("45.0"))
                                           << QStringLiteral("MaxBatteryCurrent: 45.0 is beyond the field's limits (allowed: at most 30.0 A).");
        QTest::newRow("beyond the positions") << withValue("PasRatio", 12)
                                              << QStringLiteral("PasRatio: 12 is beyond the field's limits (allowed: 1 to 9).");
        QTest::newRow("no number") << withValue("StatorResistance", QStringLiteral("abc"))
                                   << QStringLiteral("StatorResistance: 'abc' is not a valid integer value");
        QTest::newRow("changed after export")
            << withEntry("SpeedLimit", [](QJsonObject &e) { e.insert(QStringLiteral("value"), QStringLiteral("20.0")); }, true)
            << QStringLiteral("does not belong to these values");
        QTest::newRow("not Latin-1") << withValue("StatorResistance", QStringLiteral("3\u20AC"))
                                     << QStringLiteral("StatorResistance: \"3\u20AC\" holds characters");
    }
    // Guards the import's refusals: each with the name and the value, and
    // nothing taken from a refused document.
    void refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        const SettingsJsonRead read = readSettingsJson(json, JsonLimits::Refuse);
        QVERIFY(!read.ok());
        QVERIFY2(read.errors.join(u'\n').contains(message), qPrintable(read.errors.join(u'\n')));
    }

    // Guards --force: values beyond the limits pass as warnings; a missing
    // parameter or a wrong type never does. A number for a field is taken as
    // the number's text.
    void forcedAndLenient()
    {
        SettingsJsonRead read = readSettingsJson(withValue("MaxBatteryCurrent", 45), JsonLimits::Accept);
        QVERIFY(read.ok());
        QCOMPARE(read.snapshot[1].text, QStringLiteral("45"));
        QCOMPARE(read.warnings.size(), 1);
        read = readSettingsJson(withValue("UseThrottle", 1), JsonLimits::Accept);
        QVERIFY(!read.ok());
        QJsonObject root = initialJson();
        QJsonArray parameters = root.value(QStringLiteral("parameters")).toArray();
        parameters.removeAt(3);
        root.insert(QStringLiteral("parameters"), parameters);
        read = readSettingsJson(QJsonDocument(root).toJson(), JsonLimits::Accept);
        QCOMPARE(read.errors, QStringList{QStringLiteral("BrakeVoltageLevel is missing.")});
    }
};

QTEST_GUILESS_MAIN(TestSettingsJson)
#include "test_settings_json.moc"
