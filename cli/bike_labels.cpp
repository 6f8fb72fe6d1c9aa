#include "bike_labels.h"

#include "cli_texts.h"

#include "params/message_input.h"

#include <QFile>

namespace vexlor::cli {
namespace {

// The first field of a CSV line: up to the first comma, or quoted with ""
// for a quote inside.
QString firstField(const QString &line)
{
    if (!line.startsWith(u'"'))
        return line.section(u',', 0, 0).trimmed();
    QString field;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] != u'"') {
            field += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == u'"') {
            field += u'"';
            ++i;
        } else {
            break;
        }
    }
    return field.trimmed();
}

bool isHeader(const QString &field)
{
    return field.compare(u"label", Qt::CaseInsensitive) == 0 || field.compare(u"bike", Qt::CaseInsensitive) == 0;
}

} // namespace

BikeLabels BikeLabels::numbered(QString prefix)
{
    BikeLabels labels;
    labels.m_prefix = std::move(prefix);
    return labels;
}

BikeLabels BikeLabels::fromCsv(const QByteArray &bytes)
{
    BikeLabels labels;
    labels.m_fromList = true;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1); // a spreadsheet's byte order mark
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString field = firstField(lines[i].trimmed());
        if (field.isEmpty() || (i == 0 && isHeader(field)))
            continue;
        labels.m_list.append(field);
    }
    return labels;
}

std::optional<BikeLabels> BikeLabels::fromCsvFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: %1 the file given with --bike-from, %2 why it cannot be read
        *error = CliText::tr("Cannot read %1: %2").arg(inputForMessage(path), file.errorString());
        return std::nullopt;
    }
    BikeLabels labels = fromCsv(file.readAll());
    if (!labels.hasNext()) {
        //: %1 the file given with --bike-from
        *error = CliText::tr("%1 holds no bike label.").arg(inputForMessage(path));
        return std::nullopt;
    }
    return labels;
}

QString BikeLabels::next()
{
    if (m_fromList)
        return m_next < m_list.size() ? m_list[m_next++] : QString();
    return m_prefix + QString::number(++m_next);
}

} // namespace vexlor::cli
