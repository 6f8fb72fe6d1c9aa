#include "sheet_pdf.h"

#include "sheet_texts.h"

#include "files/whole_file.h"
#include "params/message_input.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace vexlor {
namespace {

// The page in millimetres: A4 with margins of 18 mm, two columns.
constexpr double kLeft = 18;
constexpr double kWidth = 174;
constexpr double kColumnWidth = 84;
constexpr double kRightColumn = kLeft + kWidth - kColumnWidth;
constexpr double kParametersTop = 56;
constexpr double kRowHeight = 4.3;
constexpr double kGroupGap = 2.2;
constexpr double kLowerTop = 181;  // the chart and the check
constexpr double kLowerHeight = 52;
constexpr double kSignatureLine = 262;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kMuted(0x70, 0x70, 0x70);
const QColor kBarInUse(0x3b, 0x6e, 0x9e);
const QColor kBarUnused(0xc8, 0xd2, 0xdc);

// Draws in millimetres on a PDF page, with the tool's sans font.
class SheetPage {
public:
    explicit SheetPage(QPdfWriter &writer) : m_painter(&writer), m_unit(writer.resolution() / 25.4) {}

    [[nodiscard]] bool isActive() const { return m_painter.isActive(); }
    bool end() { return m_painter.end(); }

    [[nodiscard]] QRectF area(double x, double y, double w, double h) const
    {
        return {x * m_unit, y * m_unit, w * m_unit, h * m_unit};
    }
    void setFont(double points, bool bold = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        // Any letter spacing keeps ligatures out, so "ff" in "Off" stays two
        // letters and a PDF reader's search and text copy find it.
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
        m_painter.setFont(font);
    }
    void text(double x, double y, double w, double h, int flags, const QString &text,
              const QColor &colour = kInk)
    {
        m_painter.setPen(colour);
        m_painter.drawText(area(x, y, w, h), flags, text);
    }
    // `text` shortened in its middle to fit `w` millimetres on one line.
    [[nodiscard]] QString elided(const QString &text, double w) const
    {
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        return metrics.elidedText(text, Qt::ElideMiddle, w * m_unit);
    }
    // Width in millimetres of `text` on one line.
    [[nodiscard]] double width(const QString &text) const
    {
        return QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(text) / m_unit;
    }
    // Height in millimetres that `text` takes wrapped to `w` millimetres.
    [[nodiscard]] double wrappedHeight(double w, const QString &text) const
    {
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        const QRectF bounds(0, 0, w * m_unit, 1e9);
        return metrics.boundingRect(bounds, Qt::TextWordWrap, text).height() / m_unit;
    }
    void line(double x1, double y1, double x2, double y2, const QColor &colour = kMuted)
    {
        m_painter.setPen(QPen(colour, 0.25 * m_unit));
        m_painter.drawLine(QPointF(x1 * m_unit, y1 * m_unit), QPointF(x2 * m_unit, y2 * m_unit));
    }
    void box(double x, double y, double w, double h, const QColor &fill, const QColor &edge)
    {
        m_painter.setPen(edge.isValid() ? QPen(edge, 0.3 * m_unit) : QPen(Qt::NoPen));
        m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        m_painter.drawRect(area(x, y, w, h));
        m_painter.setBrush(Qt::NoBrush);
    }

private:
    QPainter m_painter;
    double m_unit; // device pixels per millimetre
};

void drawHeader(SheetPage &page, const SheetContent &sheet)
{
    page.setFont(18, true);
    page.text(kLeft, 16, 110, 10, Qt::AlignLeft | Qt::AlignVCenter, sheet.title);
    // A long document name is shortened, never run under the fingerprint's box.
    constexpr double kFactsWidth = 120;
    page.setFont(9);
    for (int i = 0; i < sheet.facts.size(); ++i)
        page.text(kLeft, 29 + 4.6 * i, kFactsWidth, 4.6, Qt::AlignLeft | Qt::AlignVCenter,
                  page.elided(sheet.facts[i], kFactsWidth));

    // The fingerprint stands out: it is what the paperwork and the controller share.
    const double x = kLeft + kWidth - 52;
    page.box(x, 16, 52, 22, QColor(0xf2, 0xf5, 0xf8), kMuted);
    page.setFont(8.5);
    page.text(x, 18, 52, 5, Qt::AlignCenter, sheet.fingerprintLabel, kMuted);
    page.setFont(17, true);
    page.text(x, 24, 52, 11, Qt::AlignCenter, sheet.fingerprint);
    page.line(kLeft, 50, kLeft + kWidth, 50);
}

// The caption at the left, the value at the right. A pair too long for the
// column (a long choice in a long language) is set smaller, never cut.
void drawRow(SheetPage &page, double x, double y, const SheetRow &row)
{
    constexpr double kIndent = 1.5;
    constexpr double kGap = 2;
    const double room = kColumnWidth - kIndent;
    double points = 8.5;
    page.setFont(points);
    while (points > 5.5 && page.width(row.caption) + kGap + page.width(row.value) > room) {
        points -= 0.5;
        page.setFont(points);
    }
    constexpr int kLine = Qt::AlignVCenter | Qt::TextDontClip;
    page.text(x + kIndent, y, room, kRowHeight, Qt::AlignLeft | kLine, row.caption);
    page.text(x + kIndent, y, room, kRowHeight, Qt::AlignRight | kLine, row.value);
}

void drawColumn(SheetPage &page, double x, const QList<SheetGroup> &groups)
{
    double y = kParametersTop;
    for (const SheetGroup &group : groups) {
        page.setFont(9.5, true);
        page.text(x, y, kColumnWidth, kRowHeight + 1, Qt::AlignLeft | Qt::AlignVCenter, group.title);
        y += kRowHeight + 1;
        page.line(x, y, x + kColumnWidth, y, kBarUnused);
        for (const SheetRow &row : group.rows) {
            drawRow(page, x, y, row);
            y += kRowHeight;
        }
        y += kGroupGap;
    }
}

void drawLevels(SheetPage &page, const SheetContent &sheet)
{
    page.setFont(9.5, true);
    page.text(kLeft, kLowerTop, kColumnWidth, 6, Qt::AlignLeft | Qt::AlignVCenter, sheet.levelsTitle);
    constexpr double kBase = kLowerTop + kLowerHeight - 5; // the bars stand on it
    constexpr double kTallest = 32;                         // 100 %
    const double slot = kColumnWidth / std::max<qsizetype>(1, sheet.levels.size());
    for (int i = 0; i < sheet.levels.size(); ++i) {
        const SheetLevel &level = sheet.levels[i];
        const double height = kTallest * std::clamp(level.percent, 0, 100) / 100.0;
        const double x = kLeft + i * slot;
        page.box(x + slot * 0.2, kBase - height, slot * 0.6, height,
                 level.inUse ? kBarInUse : kBarUnused, QColor());
        page.setFont(7.5);
        page.text(x, kBase - height - 4.5, slot, 4.5, Qt::AlignCenter,
                  QStringLiteral("%1 %2").arg(level.percent).arg(sheet.levelUnit),
                  level.inUse ? kInk : kMuted);
        page.setFont(8.5);
        page.text(x, kBase, slot, 5, Qt::AlignCenter, QString::number(i + 1));
    }
    page.line(kLeft, kBase, kLeft + kColumnWidth, kBase);
}

void drawCheck(SheetPage &page, const SheetContent &sheet)
{
    page.setFont(9.5, true);
    page.text(kRightColumn, kLowerTop, kColumnWidth, 6, Qt::AlignLeft | Qt::AlignVCenter, sheet.checkTitle);
    const QString body = sheet.checkLines.join(u'\n');
    // The findings must all be on the page: smaller type where there are many.
    double points = 8.5;
    page.setFont(points);
    while (points > 5.5 && page.wrappedHeight(kColumnWidth, body) > kLowerHeight - 7) {
        points -= 0.5;
        page.setFont(points);
    }
    page.text(kRightColumn, kLowerTop + 7, kColumnWidth, kLowerHeight - 7,
              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, body);
}

void drawSignatures(SheetPage &page, const SheetContent &sheet)
{
    page.setFont(8.5);
    for (int i = 0; i < sheet.signatures.size(); ++i) {
        const double x = i == 0 ? kLeft : kRightColumn;
        page.line(x, kSignatureLine, x + kColumnWidth, kSignatureLine, kInk);
        page.text(x, kSignatureLine + 1, kColumnWidth, 5, Qt::AlignLeft | Qt::AlignTop,
                  sheet.signatures[i]);
    }
}

} // namespace

QByteArray settingsSheetPdf(const SheetContent &sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(600);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Vexlor Adjustor"));
        SheetPage page(writer);
        if (!page.isActive())
            return {};
        drawHeader(page, sheet);
        drawColumn(page, kLeft, sheet.leftColumn);
        drawColumn(page, kRightColumn, sheet.rightColumn);
        drawLevels(page, sheet);
        drawCheck(page, sheet);
        drawSignatures(page, sheet);
        if (!page.end())
            return {};
    }
    return buffer.data();
}

QString sheetReplacementRefusal(const QString &path)
{
    // Through a link the file it points to counts; a pipe or a device is
    // never opened, so nothing can block here.
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return {};
    QFile file(path);
    if (info.isFile() && file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-")
        return {};
    return sheetText(texts::kSheetNotPdf).arg(inputForMessage(path));
}

FileWriteResult writeSettingsSheet(const QString &path, const SheetContent &sheet)
{
    if (const QString refusal = sheetReplacementRefusal(path); !refusal.isEmpty())
        return {refusal};
    const QByteArray pdf = settingsSheetPdf(sheet);
    if (!pdf.isEmpty() && writeWholeFile(path, pdf))
        return {};
    return {cannotCreateFileMessage(path)};
}

} // namespace vexlor
