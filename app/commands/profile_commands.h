#pragma once

#include "window_value_access.h"

#include "params/number_text.h"

#include <QObject>

#include <functional>

class QMenu;

namespace vexlor {

class FileDialogs;
class MessageBoxes;
class ParameterBinding;
class ProfileStore;

// File > Profiles and File > Save as Profile…: configurations kept under a
// name with a note. A profile taken from the menu puts its values into the
// window like a backup does: the current document and the reopen list stay,
// the caption marks the values as changed, and nothing reaches the
// controller until the user writes.
class ProfileCommands : public QObject {
    Q_OBJECT
public:
    struct Desktop {
        MessageBoxes &boxes;
        FileDialogs &dialogs;
    };
    // `menu` is File > Profiles, filled each time it opens. Everything must
    // outlive the commands; `numberFormat` reads the profiles.
    ProfileCommands(const ProfileStore &profiles, WindowValueAccess values, Desktop desktop,
                    QMenu *menu, NumberFormat numberFormat, QObject *parent = nullptr);

    // Asked before a profile replaces the window's values: false keeps them.
    void setReplaceGuard(std::function<bool()> mayReplaceValues)
    {
        m_mayReplaceValues = std::move(mayReplaceValues);
    }

public slots:
    // The profiles by name, each with its note as tip; one disabled item
    // while there is none.
    void fillMenu();
    // The window's values as a profile, its name and note asked first; one of
    // the same name is replaced only when the user says so.
    void saveAsProfile();
    void applyProfile(const QString &path);

private:
    const ProfileStore &m_profiles;
    ParameterBinding &m_binding;
    InputRules &m_rules;
    MessageBoxes &m_boxes;
    FileDialogs &m_dialogs;
    QMenu *m_menu;
    const NumberFormat m_numberFormat;
    std::function<bool()> m_mayReplaceValues;
};

} // namespace vexlor
