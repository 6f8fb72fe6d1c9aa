#include "parameter_codec.h"

#include "message_input.h"

#include "translation.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace vexlor {
namespace {

using K = ParameterKind;

constexpr qint64 kLargestCount = 65535;

// The one field without a caption is named after its parameter in messages
// and lists; its words are marked here to be translated like a caption.
//: the field before "magnets a circle", as messages and lists name it
[[maybe_unused]] constexpr const char *kUncaptionedFieldName =
    QT_TRANSLATE_NOOP("Parameters", "Pedal sensor magnets");

EncodedValue refused(QString message)
{
    return {0, std::move(message)};
}

// The text a message quotes: the file's own where the reader changed it.
const QString &quotedText(const ControlValue &control)
{
    return control.fileText.isEmpty() ? control.text : control.fileText;
}

EncodedValue encodeDecimal(const ParameterDescriptor &d, const ControlValue &control, NumberFormat format,
                           ExtendedArithmetic arithmetic)
{
    const auto parsed = parseDecimalText(control.text, format);
    if (!parsed)
        return refused(notAValidFloatMessage(quotedText(control)));
    const auto count = decimalToCount(*parsed, d.factor, arithmetic);
    if (!count)
        return refused(outOfRangeMessage(d, quotedText(control), format));
    return {*count, {}};
}

EncodedValue encodeWhole(const ParameterDescriptor &d, const ControlValue &control, NumberFormat format)
{
    const auto number = textToInteger(control.text);
    if (!number)
        return refused(notAValidIntegerMessage(quotedText(control)));
    // Integer division truncates toward zero: -3 ms of stop delay sends 0.
    const qint64 count = qint64(*number) / d.factor;
    if (count < 0 || count > kLargestCount)
        return refused(outOfRangeMessage(d, quotedText(control), format));
    return {quint16(count), {}};
}

EncodedValue encodeNumber(const ParameterDescriptor &d, const ControlValue &control, NumberFormat format)
{
    switch (d.kind) {
    case K::Flag:
    case K::TwoWay:
        return {quint16(control.number != 0 ? 1 : 0), {}};
    case K::Choice:
        if (control.number < 0) {
            //: %1 a radio group's title, %2 how many items it has
            return refused(QCoreApplication::translate(
                               "Values", "No item is selected for %1: select one of its %2 items.")
                               .arg(fieldLabel(d))
                               .arg(d.optionCount));
        }
        return {quint16(std::min(control.number, int(kLargestCount))), {}};
    case K::Slider: {
        const qint64 count = qint64(control.number) * d.factor + d.offset;
        if (count < 0 || count > kLargestCount)
            return refused(outOfRangeMessage(d, QString::number(control.number), format));
        return {quint16(count), {}};
    }
    default:
        Q_UNREACHABLE();
    }
    return {};
}

// The limit of a decimal field, as the refusal states it: the least decimal,
// two places finer than the field shows, that no longer encodes. Products are
// truncated, so every value below 65536 / factor counts is accepted and the
// true limit is never itself a value; the one stated lies within a hundredth
// of the field's last place above it, and every accepted value lies below it.
QString decimalLimitText(const ParameterDescriptor &d, NumberFormat format)
{
    const int shownDecimals = formatDecimals(d.readFormat);
    const int decimals = shownDecimals + 2;
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const auto accepted = [&](qint64 scaled) {
        return decimalToCount(DecimalText{false, QString::number(scaled), -decimals}, d.factor).has_value();
    };
    // Below 65536 counts in exact arithmetic; the encoder's rounding may move
    // the edge by a step either way, so it has the last word.
    qint64 largest = ((kLargestCount + 1) * scale - 1) / d.factor;
    while (!accepted(largest))
        --largest;
    while (accepted(largest + 1))
        ++largest;
    const qint64 limit = largest + 1;

    QString fraction = QStringLiteral("%1").arg(limit % scale, decimals, 10, QLatin1Char('0'));
    while (fraction.size() > shownDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString text = QString::number(limit / scale);
    if (!fraction.isEmpty())
        text += format.separator() + fraction;
    return text;
}

} // namespace

EncodedValue encodeParameter(int index, const ParameterSnapshot &snapshot, NumberFormat format,
                             ExtendedArithmetic arithmetic)
{
    const ParameterDescriptor &d = parameterAt(index);
    const ControlValue &control = snapshot[index];
    switch (d.kind) {
    case K::Fixed:
        return {d.fixedValue, {}};
    case K::Decimal:
        if (index == kSpeedLimitIndex && !snapshot.limitMaxSpeed)
            return {kUnlimitedSpeedValue, {}}; // the speed edit is not read at all
        return encodeDecimal(d, control, format, arithmetic);
    case K::Whole:
    case K::LevelCount:
        return encodeWhole(d, control, format);
    default:
        return encodeNumber(d, control, format);
    }
}

EncodedSet encodeAll(const ParameterSnapshot &snapshot, NumberFormat format, ExtendedArithmetic arithmetic)
{
    EncodedSet set;
    for (int index = 0; index < kProtocolItemCount; ++index) {
        EncodedValue encoded = encodeParameter(index, snapshot, format, arithmetic);
        if (!encoded.ok()) {
            set.errorIndex = index;
            set.error = std::move(encoded.error);
            return set;
        }
        set.values[index] = encoded.value;
    }
    return set;
}

std::optional<ControlValue> decodeParameter(int index, quint16 value, NumberFormat format,
                                            ExtendedArithmetic arithmetic)
{
    const ParameterDescriptor &d = parameterAt(index);
    ControlValue control;
    switch (d.kind) {
    case K::Fixed:
        return std::nullopt;
    case K::Decimal:
        control.text = countToDecimalText(value, d.factor, formatDecimals(d.readFormat), format, arithmetic);
        break;
    case K::Whole:
    case K::LevelCount:
        control.text = QString::number(qint64(value) * d.factor);
        break;
    case K::Flag:
    case K::TwoWay:
        control.number = value != 0 ? 1 : 0;
        break;
    case K::Choice:
        control.number = std::min(int(value), d.optionCount - 1);
        break;
    case K::Slider:
        // Signed division truncating toward zero, then into the track bar's range.
        control.number = std::clamp((int(value) - d.offset) / d.factor, d.minimum, d.maximum);
        break;
    }
    return control;
}

QString fieldLabel(const ParameterDescriptor &d)
{
    QString caption = parameterText(d.caption).trimmed();
    while (caption.endsWith(u':'))
        caption = caption.chopped(1).trimmed();
    if (!caption.isEmpty())
        return caption;
    // "PedalSensorMagnets" -> "Pedal sensor magnets" (kUncaptionedFieldName)
    const QString name = QString::fromLatin1(d.name);
    QString words;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i > 0 && name[i].isUpper())
            words += u' ' + name[i].toLower();
        else
            words += name[i];
    }
    return parameterText(words.toUtf8().constData());
}

int formatDecimals(const char *readFormat)
{
    const char *point = std::strchr(readFormat, '.');
    return point ? int(std::strlen(point + 1)) : 0;
}

QString outOfRangeMessage(const ParameterDescriptor &d, const QString &text, NumberFormat format)
{
    if (d.kind == K::Decimal) {
        //: %1 the text typed, %2 the field's caption, %3 the first value too large
        return QCoreApplication::translate(
                   "Values", "'%1' is out of range for %2: the controller accepts 0 to less than %3.")
            .arg(inputForMessage(text), fieldLabel(d), decimalLimitText(d, format));
    }
    QString largest;
    if (d.kind == K::Slider)
        largest = QString::number((kLargestCount - d.offset) / d.factor);
    else // whole numbers: every text that truncates to 65535 counts or fewer
        largest = QString::number(kLargestCount * d.factor + d.factor - 1);
    //: %1 the text typed, %2 the field's caption, %3 the largest value accepted
    return QCoreApplication::translate("Values",
                                       "'%1' is out of range for %2: the controller accepts 0 to %3.")
        .arg(inputForMessage(text), fieldLabel(d), largest);
}

} // namespace vexlor
