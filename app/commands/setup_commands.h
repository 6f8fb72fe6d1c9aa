#pragma once

#include "params/number_text.h"

#include <QObject>

namespace vexlor {

class InputRules;
class ParameterBinding;
class RoadClassOptions;
class SafetyDialogs;

// File > New Bike Setup…: the setup assistant over the window's values. The
// values ticked in it go into the window as the user's own edits would,
// modified and unsent; its class and tire become the window's. Cancel
// changes nothing.
class SetupCommands : public QObject {
    Q_OBJECT
public:
    // The collaborators it reads and changes; each must outlive the commands.
    struct Sources {
        ParameterBinding &binding;
        InputRules &rules;
        RoadClassOptions &roadClass;
    };
    SetupCommands(Sources sources, SafetyDialogs &dialogs, NumberFormat numberFormat,
                  QObject *parent = nullptr);

public slots:
    void newBikeSetup();

private:
    Sources m_sources;
    SafetyDialogs &m_dialogs;
    const NumberFormat m_numberFormat;
};

} // namespace vexlor
