#include "status_strip.h"

#include "window_texts.h"
#include "shop_texts.h"

#include "link/device_state.h"
#include "protocol/transaction_texts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>

#include <algorithm>

namespace vexlor {
namespace {

// `width` pixels, or more where a translation of one of `texts` needs them:
// the progress bar beside it gives the room.
QLabel *statusLabel(const char *objectName, const QString &accessibleName, int width,
                    std::initializer_list<QString> texts, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    // Announced by what it shows; its text, the state, is its description.
    label->setAccessibleName(accessibleName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    constexpr int kPadding = 2; // clear of the dividers either side
    for (const QString &text : texts)
        width = std::max(width, label->fontMetrics().horizontalAdvance(text.trimmed()) + kPadding);
    label->setFixedWidth(width);
    label->setAutoFillBackground(true);
    return label;
}

// A label that shortens its text in the middle (a path keeps its file name)
// instead of widening the fixed window.
class ElidedLabel final : public QLabel {
public:
    using QLabel::QLabel;
    [[nodiscard]] QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect room = contentsRect().adjusted(3, 0, -3, 0);
        painter.drawText(room, int(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width()));
    }
};

QFrame *divider(int width, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(width);
    return line;
}

} // namespace

void setStatusLabel(QLabel *label, const QString &text, const QColor &background)
{
    label->setText(text);
    label->setAccessibleDescription(text.trimmed());
    if (!background.isValid()) {
        label->setPalette(QPalette()); // back to the strip's own colours
        return;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black); // readable on lime and red alike
    label->setPalette(palette);
}

void showStatusMessage(QLabel *message, const QString &text)
{
    message->setText(text);
    message->setToolTip(text);
    message->setAccessibleDescription(text);
    message->show();
}

void showBikeLabel(QLabel *bike, const QString &label)
{
    //: the status strip's field with the bike's label (a frame number, a customer); %1 the label
    const QString text = WindowTexts::tr("Bike: %1").arg(label);
    bike->setText(text);
    bike->setToolTip(text);
    bike->setAccessibleDescription(label);
    bike->setVisible(!label.isEmpty());
}

namespace {

// A field of free text that shortens itself to the room it gets; hidden
// while it has nothing to say.
ElidedLabel *textField(const char *objectName, const QString &accessibleName, QWidget *parent)
{
    auto *field = new ElidedLabel(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setAccessibleName(accessibleName);
    field->setTextFormat(Qt::PlainText);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    field->hide();
    return field;
}

} // namespace

StatusStrip buildStatusStrip(QWidget *parent)
{
    auto *strip = new QFrame(parent);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFrameShape(QFrame::Panel);
    strip->setFrameShadow(QFrame::Sunken);

    auto *progress = new QProgressBar(strip);
    progress->setObjectName(QStringLiteral("ProgressBar1"));
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setTextVisible(false);
    progress->setMinimumHeight(8); // the strip is only 20 pixels high
    //: the status strip's labels as a screen reader names them
    auto *result = statusLabel("Label44", WindowTexts::tr("Result"), 38,
                               {transactionText(texts::kPass), transactionText(texts::kFail)}, strip);
    auto *activity = statusLabel("Label43", WindowTexts::tr("Activity"), 34,
                                 {transactionText(texts::kBusy), transactionText(texts::kIdle)}, strip);
    auto *link = statusLabel("Label15", WindowTexts::tr("Connection"), 125,
                             {deviceStateText(DeviceState::Connected) + u' ',
                              deviceStateText(DeviceState::Lost) + u' '},
                             strip);
    const QString fingerprintText = texts::shopText(texts::kFingerprintStatus);
    auto *fingerprint = statusLabel("FingerprintLabel", texts::shopText(texts::kFingerprintName), 0,
                                    {fingerprintText.arg(QStringLiteral("DDDD-DDDD")),
                                     fingerprintText.arg(QStringLiteral("8888-8888"))},
                                    strip);
    fingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse); // to copy onto paperwork
    //: the status strip's message, such as where a file was saved, as a screen reader names it
    auto *message = textField("StatusMessage", WindowTexts::tr("Message"), strip);
    //: the status strip's field with the bike's label, as a screen reader names it
    auto *bike = textField("BikeLabel", WindowTexts::tr("Bike"), strip);

    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(0);
    row->addWidget(bike, 2);
    row->addWidget(message, 4);
    row->addWidget(progress, 1);
    row->addWidget(divider(6, strip));
    row->addWidget(fingerprint);
    row->addWidget(divider(3, strip));
    row->addWidget(result);
    row->addWidget(divider(3, strip));
    row->addWidget(activity);
    row->addWidget(divider(3, strip));
    row->addWidget(link);

    // Created with a trailing blank after the link state, as it always was.
    setStatusLabel(link, deviceStateText(DeviceState::Connected) + u' ');
    setStatusLabel(activity, transactionText(texts::kIdle), kLime);
    setStatusLabel(result, QStringLiteral("----"), kLime);
    return StatusStrip{strip, link, activity, result, progress, fingerprint, message, bike};
}

} // namespace vexlor
