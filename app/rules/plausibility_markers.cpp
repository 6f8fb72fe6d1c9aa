#include "plausibility_markers.h"

#include "art/status_pictures.h"
#include "pages/parameter_binding.h"

#include "params/parameter_codec.h"
#include "road/plausibility_check.h"
#include "road/plausibility_texts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>

namespace vexlor {
namespace {

// The sign sits on the field's top right corner, a little over its frame:
// no field gives up room for it, and it hardly touches the text, which sits
// at the left and in the middle.
constexpr int kMarkerSize = 10; // px
constexpr int kOverRight = 4;   // px it reaches past the field's right edge
constexpr int kOverTop = 2;     // px it reaches above the field's top edge

} // namespace

PlausibilityMarkers::PlausibilityMarkers(const WindowControls &controls, const ParameterBinding &binding,
                                         NumberFormat format, QObject *parent)
    : QObject(parent), m_controls(controls), m_binding(binding), m_format(format)
{
    m_binding.watchChanges(this, [this] { refresh(); });
    refresh();
}

QLabel *PlausibilityMarkers::marker(int index) const
{
    return m_markers.value(index);
}

void PlausibilityMarkers::refresh()
{
    const EncodedSet set = encodeAll(m_binding.snapshot(), m_format);
    if (!set.ok())
        return; // nothing to judge by until the text is a number again
    // A warning shows beside its field and beside the field its limit names.
    QMap<int, QStringList> warnings;
    for (const RoadFinding &f : checkPlausibility(set.values, m_format)) {
        const QString line = roadFindingLines({f});
        warnings[f.descriptor->index] << line;
        if (f.related)
            warnings[f.related->index] << line;
    }
    for (auto it = m_markers.cbegin(); it != m_markers.cend(); ++it) {
        if (!warnings.contains(it.key()))
            it.value()->hide();
    }
    for (auto it = warnings.cbegin(); it != warnings.cend(); ++it)
        show(it.key(), it.value().join(u'\n'));
}

QLabel *PlausibilityMarkers::markerFor(int index)
{
    if (QLabel *made = m_markers.value(index))
        return made;
    QLineEdit *field = m_controls.field(index);
    if (!field)
        return nullptr;
    const ParameterDescriptor &d = parameterAt(index);
    auto *sign = new QLabel(field->parentWidget());
    sign->setObjectName(QString::fromLatin1(d.control) + QStringLiteral("Marker"));
    sign->setFixedSize(kMarkerSize, kMarkerSize);
    sign->setPixmap(statusIcon(StatusPicture::Warn)
                        .pixmap(QSize(kMarkerSize, kMarkerSize), field->devicePixelRatioF()));
    sign->setAccessibleName(plausibilityText(texts::kMarkerName).arg(fieldLabel(d)));
    sign->setProperty("fieldIndex", index);
    field->installEventFilter(this);
    m_markers.insert(index, sign);
    return sign;
}

void PlausibilityMarkers::show(int index, const QString &warnings)
{
    QLabel *sign = markerFor(index);
    if (!sign)
        return;
    sign->setToolTip(warnings);
    sign->setAccessibleDescription(warnings);
    place(sign, m_controls.field(index));
    sign->show();
    sign->raise();
}

void PlausibilityMarkers::place(QLabel *sign, const QLineEdit *field)
{
    sign->move(field->x() + field->width() + kOverRight - kMarkerSize, field->y() - kOverTop);
}

bool PlausibilityMarkers::eventFilter(QObject *watched, QEvent *event)
{
    // The sign stays at its field's right end wherever the layout puts the field.
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        auto *field = static_cast<QLineEdit *>(watched);
        for (QLabel *sign : std::as_const(m_markers)) {
            if (m_controls.field(sign->property("fieldIndex").toInt()) == field)
                place(sign, field);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vexlor
