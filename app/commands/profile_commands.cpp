#include "profile_commands.h"

#include "basics/profile_texts.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/message_boxes.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"

#include "backups/profile_store.h"
#include "files/vxc_reader.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"

#include <QAction>
#include <QMenu>

namespace vexlor {

ProfileCommands::ProfileCommands(const ProfileStore &profiles, WindowValueAccess values,
                                 Desktop desktop, QMenu *menu, NumberFormat numberFormat,
                                 QObject *parent)
    : QObject(parent), m_profiles(profiles), m_binding(values.binding), m_rules(values.rules),
      m_boxes(desktop.boxes), m_dialogs(desktop.dialogs), m_menu(menu), m_numberFormat(numberFormat)
{
    connect(m_menu, &QMenu::aboutToShow, this, &ProfileCommands::fillMenu);
}

void ProfileCommands::fillMenu()
{
    m_menu->clear();
    const QList<Profile> profiles = m_profiles.list();
    if (profiles.isEmpty())
        m_menu->addAction(texts::profileText(texts::kNoProfiles))->setEnabled(false);
    for (const Profile &profile : profiles) {
        // A name's "&" is shown, not taken as an access key.
        QAction *item = m_menu->addAction(QString(profile.name).replace(u'&', QStringLiteral("&&")));
        item->setToolTip(profile.note.isEmpty() ? profile.name : profile.note);
        item->setStatusTip(profile.note);
        connect(item, &QAction::triggered, this, [this, path = profile.path] { applyProfile(path); });
    }
}

void ProfileCommands::applyProfile(const QString &path)
{
    if (m_mayReplaceValues && !m_mayReplaceValues())
        return;
    // Checked whole first, as Open does: a damaged file changes nothing.
    const ConfigurationRead read = readConfigurationFile(path, m_numberFormat);
    if (!read.ok()) {
        m_boxes.standardError(read.error);
        return;
    }
    const OldVersionQuestion ask = [this] { return m_boxes.question(QString(), oldVersionQuestion()); };
    for (const ConfigurationEntry &entry : read.entries)
        m_binding.apply(resolveEntry(entry, ask));
}

void ProfileCommands::saveAsProfile()
{
    // The value being edited counts as leaving it would bound it, and a
    // profile keeps only values a write could send, as Save does.
    if (!m_rules.applyPendingRules())
        return;
    const ParameterSnapshot values = m_binding.snapshot();
    if (const EncodedSet encoded = encodeAll(values, m_numberFormat); !encoded.ok()) {
        m_boxes.standardError(encoded.error);
        return;
    }
    const std::optional<ProfileDraft> draft = m_dialogs.chooseProfileToSave();
    if (!draft)
        return;
    if (m_profiles.find(draft->name)
        && !m_boxes.question(texts::profileText(texts::kSaveProfileTitle),
                             texts::profileText(texts::kReplaceProfile).arg(inputForMessage(draft->name))))
        return;
    if (const QString error = m_profiles.save(draft->name, draft->note, values); !error.isEmpty())
        m_boxes.standardError(error);
}

} // namespace vexlor
