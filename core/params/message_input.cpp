#include "message_input.h"

#include <QChar>

namespace vexlor {
namespace {

constexpr qsizetype kLongest = 80;
constexpr qsizetype kKeptAtStart = 40; // and kLongest - kKeptAtStart - 1 at the end

// The code point starting at `at`; `units` gets its UTF-16 length. A lone
// surrogate counts as a code point of its own (and is escaped).
char32_t codePointAt(QStringView text, qsizetype at, qsizetype &units)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[at + 1]);
    }
    units = 1;
    return c.unicode();
}

// The code point ending just before `end`.
char32_t codePointBefore(QStringView text, qsizetype end, qsizetype &units)
{
    const QChar c = text[end - 1];
    if (c.isLowSurrogate() && end >= 2 && text[end - 2].isHighSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(text[end - 2], c);
    }
    units = 1;
    return c.unicode();
}

QString hexDigits(char32_t c, int width)
{
    return QString::number(uint(c), 16).toUpper().rightJustified(width, u'0');
}

// One code point as a message shows it.
QString shown(char32_t c)
{
    if (c == U'\\')
        return QStringLiteral("\\\\");
    const QChar::Category category = QChar::category(c);
    // Line and paragraph separators are "printable" but break the line.
    const bool invisible = !QChar::isPrint(c) || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
    if (!invisible)
        return QString::fromUcs4(&c, 1);
    if (c <= 0xFF)
        return QStringLiteral("\\x") + hexDigits(c, 2);
    return QStringLiteral("\\u{") + hexDigits(c, 4) + u'}';
}

} // namespace

QString escapedForDisplay(QStringView text)
{
    QString out;
    out.reserve(text.size());
    qsizetype units = 0;
    for (qsizetype at = 0; at < text.size(); at += units)
        out += shown(codePointAt(text, at, units));
    return out;
}

QString inputForMessage(QStringView text)
{
    // Only the ends of a long text are escaped, and only whole escapes are kept.
    QString shownText;
    qsizetype keptAtStart = 0; // the whole pieces that fit the start of a shortened text
    qsizetype units = 0;
    qsizetype at = 0;
    for (; at < text.size(); at += units) {
        const QString piece = shown(codePointAt(text, at, units));
        if (shownText.size() + piece.size() > kLongest)
            break;
        shownText += piece;
        if (shownText.size() <= kKeptAtStart)
            keptAtStart = shownText.size();
    }
    if (at == text.size())
        return shownText;

    QString end;
    for (qsizetype before = text.size(); before > 0; before -= units) {
        const QString piece = shown(codePointBefore(text, before, units));
        if (end.size() + piece.size() > kLongest - kKeptAtStart - 1)
            break;
        end.prepend(piece);
    }
    shownText.truncate(keptAtStart);
    return shownText + QChar(0x2026) + end; // "…"
}

} // namespace vexlor
