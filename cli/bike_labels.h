#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vexlor::cli {

// The labels the production line gives its bikes, one each in turn: from
// a list, or numbered 1, 2, 3, ... after a prefix (--bike), without end.
class BikeLabels {
public:
    [[nodiscard]] static BikeLabels numbered(QString prefix);
    // The list in a CSV file (--bike-from): the first column of each line;
    // blank lines skipped; a first line reading "label" or "bike" is a
    // header. nullopt with the reason in `error` for a file that cannot be
    // read or holds no label.
    [[nodiscard]] static std::optional<BikeLabels> fromCsvFile(const QString &path, QString *error);
    // The same from the file's bytes (UTF-8).
    [[nodiscard]] static BikeLabels fromCsv(const QByteArray &bytes);

    [[nodiscard]] bool hasNext() const { return !m_fromList || m_next < m_list.size(); }
    [[nodiscard]] QString next();
    [[nodiscard]] bool isList() const { return m_fromList; }

private:
    bool m_fromList = false;
    QStringList m_list;
    QString m_prefix;
    qsizetype m_next = 0;
};

} // namespace vexlor::cli
