#include "access_box.h"

#include "doctor/check_result.h"
#include "doctor/doctor_text.h"

#include <QStringList>

namespace vexlor {
namespace {

// Characters a line of the box holds before it breaks: the box stays about
// as wide as Qt's own boxes.
constexpr int kProseWidth = 64;
constexpr int kCommandWidth = 72;

// The words of `text`: runs between spaces, and for a command the spaces
// within single quotes kept inside their word.
QStringList wordsOf(const QString &text, bool command)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (const QChar c : text) {
        if (command && c == u'\'')
            quoted = !quoted;
        if (c == u' ' && !quoted) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// What the doctor's fixes that are commands begin with; never translated.
bool isCommand(const QString &fix)
{
    return fix.startsWith(QLatin1String("sudo ")) || fix.startsWith(QLatin1String("printf "))
        || fix.startsWith(QLatin1String("echo "));
}

} // namespace

QStringList wrappedLines(const QString &text, int width, bool command)
{
    QStringList lines;
    QString line;
    // Room for the " \" a command's broken line ends in.
    const int room = command ? width - 2 : width;
    for (const QString &word : wordsOf(text, command)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > room) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    if (command) {
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            lines[i] += QLatin1String(" \\");
        for (qsizetype i = 1; i < lines.size(); ++i)
            lines[i].prepend(QLatin1String("  "));
    }
    return lines;
}

QString accessBoxText(const QString &portShown, const CheckResult &access)
{
    QStringList paragraphs;
    //: first line of the box shown when the port does not open for lack of permission; %1 the device
    paragraphs << wrappedLines(DoctorText::tr("You may not open %1.").arg(portShown), kProseWidth, false)
                      .join(u'\n');
    paragraphs << wrappedLines(access.detail, kProseWidth, false).join(u'\n');
    const bool command = isCommand(access.fix);
    //: before the fix in the box shown when the port does not open for lack of permission
    paragraphs << DoctorText::tr("To fix it:") + u'\n'
            + wrappedLines(access.fix, command ? kCommandWidth : kProseWidth, command).join(u'\n');
    return paragraphs.join(QLatin1String("\n\n"));
}

} // namespace vexlor
