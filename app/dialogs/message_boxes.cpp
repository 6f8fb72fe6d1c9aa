#include "message_boxes.h"

namespace vexlor {

QString standardErrorText(const QString &message)
{
    // Characters up to '.' in code order (blank, punctuation such as ')' or '!')
    // already end a sentence well enough; anything after gets the full stop.
    if (message.isEmpty() || message.back() <= u'.')
        return message;
    return message + u'.';
}

} // namespace vexlor
