#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace vexlor {

class MessageBoxes;
class ParameterBinding;
class SettingsFile;

// Help > Units: Metric or Imperial, ticked as the [Units] section of
// config.ini says and each choice written there at once. The speed fields
// follow the choice at once; no value changes with it.
class UnitOptions : public QObject {
    Q_OBJECT
public:
    // `items` are the menu's checkable items, each with its units' id as data
    // ("metric", "imperial"); `settings` is config.ini. Everything must
    // outlive the options.
    UnitOptions(QList<QAction *> items, SettingsFile &settings, ParameterBinding &binding,
                MessageBoxes &boxes, QObject *parent = nullptr);

    // Start-up: ticks and shows the units config.ini names (metric when none).
    void load();

private:
    void choose(QAction *item);
    void tick();

    QList<QAction *> m_items;
    SettingsFile &m_settings;
    ParameterBinding &m_binding;
    MessageBoxes &m_boxes;
};

} // namespace vexlor
