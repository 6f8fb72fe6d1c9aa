#pragma once

#include "road/road_class.h"
#include "road/tire_size.h"

#include <QList>
#include <QObject>

#include <optional>

class QAction;

namespace vexlor {

class MessageBoxes;
class SettingsFile;

// Connect > Road Class: the class writes are checked against, ticked as the
// [Road Class] section of config.ini says and each choice written there at
// once; and the tire the bike rolls on, as last given in the check (for this
// session only: the next bike has its own).
class RoadClassOptions : public QObject {
    Q_OBJECT
public:
    // `items` are the submenu's checkable items, each with its class id as
    // data ("" for None); `settings` is config.ini. Everything must outlive
    // the options.
    RoadClassOptions(QList<QAction *> items, SettingsFile &settings, MessageBoxes &boxes,
                     QObject *parent = nullptr);

    // Start-up: ticks the class config.ini names (None when it names no class
    // the tool knows).
    void load();

    // The class chosen; nullptr for None.
    [[nodiscard]] const RoadClass *current() const;
    // The tire as typed (empty: none), and the size it names in a language
    // that writes numbers as `format` does.
    [[nodiscard]] const QString &tireText() const { return m_tireText; }
    [[nodiscard]] std::optional<TireSize> tire(NumberFormat format) const
    {
        return parseTireSize(m_tireText, format);
    }

    // The class and tire the check was left with: the class is ticked and
    // kept like a choice from the menu.
    void adopt(const RoadClass *roadClass, const QString &tireText);

private:
    void choose(QAction *item);
    void tick(const QString &id);

    QList<QAction *> m_items;
    SettingsFile &m_settings;
    MessageBoxes &m_boxes;
    QString m_tireText;
};

} // namespace vexlor
