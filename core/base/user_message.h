#pragma once

#include <QString>

namespace vexlor {

// The three forms a message to the user takes; the window maps them to its
// message boxes (error + OK, question + Yes/No, information + OK).
enum class MessageIcon {
    Error,
    Question,
    Information,
};

// A text the core wants shown, with its caption and form. The core never
// shows it itself.
struct UserMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Error;

    friend bool operator==(const UserMessage &, const UserMessage &) = default;
};

} // namespace vexlor
