#pragma once

// Reads back the texts a window drew, from its picture: window-shots
// --drawn saves each tab and dialog with the list of the texts it shows and
// the box each is drawn in; each box is cut out, enlarged and read by
// tesseract's text recognition. Reading is what makes two platforms'
// drawings comparable whatever their fonts: a field drawn blank reads as
// nothing, a field showing another value reads as that value.

#include "event_wait.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <algorithm>
#include <numeric>

struct DrawnText {
    QRect box;
    QString kind; // "field" or "caption"
    QString name;
    QString text;
};

// The lines of a list that window-shots --drawn wrote.
inline QList<DrawnText> drawnTexts(const QString &listPath)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<DrawnText> texts;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(u'\t');
        const QStringList box = parts.value(0).split(u' ');
        if (parts.size() != 4 || box.size() != 4)
            return {};
        texts.append({QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt()), parts[1], parts[2],
                      parts[3]});
    }
    return texts;
}

// What is left of a text for comparing readings: its letters and digits, in
// lower case, with the letters a reader takes for digits taken as those
// digits (o as 0, i and l as 1). Punctuation, spaces and line breaks are
// where readings of the same drawing differ most, and where no field's value
// does.
inline QString comparable(const QString &text)
{
    QString kept;
    for (const QChar c : text.toLower()) {
        if (c == u'o')
            kept += u'0';
        else if (c == u'i' || c == u'l')
            kept += u'1';
        else if (c.isLetterOrNumber())
            kept += c;
    }
    return kept;
}

// How many letters must be put in, left out or changed to make `a` of `b`.
inline qsizetype editDistance(const QString &a, const QString &b)
{
    QList<qsizetype> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// How a box is prepared for reading. Each font reads best one way or the
// other: thin serif letters lose their shapes when made black and white.
enum class Shades { Grey, BlackAndWhite };

// The box of `picture`, made easy to read: four times as large (the
// recognition wants letters some 30 pixels high), its greys stretched from
// black to white, or black and white at half way between its darkest and
// lightest grey (coloured backgrounds read as white), with a white margin.
inline QImage readable(const QImage &picture, const QRect &box, Shades shades)
{
    const QImage cut = picture.copy(box.intersected(picture.rect())).convertToFormat(QImage::Format_Grayscale8);
    if (cut.isNull())
        return {};
    const QImage large = cut.scaled(cut.size() * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < large.height(); ++y) {
        const uchar *line = large.constScanLine(y);
        darkest = std::min(darkest, int(*std::min_element(line, line + large.width())));
        lightest = std::max(lightest, int(*std::max_element(line, line + large.width())));
    }
    const int range = std::max(1, lightest - darkest);
    constexpr int kMargin = 24;
    QImage framed(large.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_Grayscale8);
    framed.fill(Qt::white);
    for (int y = 0; y < large.height(); ++y) {
        const uchar *from = large.constScanLine(y);
        uchar *to = framed.scanLine(y + kMargin) + kMargin;
        for (int x = 0; x < large.width(); ++x) {
            const int stretched = (from[x] - darkest) * 255 / range;
            to[x] = shades == Shades::Grey ? uchar(stretched) : (stretched < 128 ? 0 : 255);
        }
    }
    return framed;
}

// Each box of `picturePath` as read, in the order of `texts`; none when the
// picture or the recognition is missing. The boxes are written into `work`
// and read by one run of tesseract.
inline QStringList readBack(const QString &picturePath, const QList<DrawnText> &texts, const QString &work,
                            Shades shades)
{
    const QImage picture(picturePath);
    QDir(work).mkpath(QStringLiteral("."));
    QStringList boxes;
    for (const DrawnText &text : texts) {
        boxes << QDir(work).filePath(QStringLiteral("box-%1.png").arg(boxes.size() + 1, 3, 10, QChar(u'0')));
        if (picture.isNull() || !readable(picture, text.box, shades).save(boxes.last()))
            return {};
    }
    QFile list(QDir(work).filePath(QStringLiteral("boxes.txt")));
    if (boxes.isEmpty() || !list.open(QIODevice::WriteOnly) || list.write(boxes.join(u'\n').toUtf8()) < 0)
        return {};
    list.close();
    QProcess tesseract;
    // A block of text (page segmentation 6): a caption may wrap.
    tesseract.start(QStringLiteral("tesseract"),
                    {list.fileName(), QStringLiteral("stdout"), QStringLiteral("--psm"), QStringLiteral("6")});
    if (!tesseract.waitForFinished(kHangMs) || tesseract.exitCode() != 0)
        return {};
    // One page a box, each ended by a form feed but the last.
    QStringList read = QString::fromUtf8(tesseract.readAllStandardOutput()).split(u'\f');
    return read.size() == boxes.size() ? read : QStringList{};
}
