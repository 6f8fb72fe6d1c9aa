#pragma once

#include "reply_script.h"

#include "fake_serial_port.h"

#include <QByteArray>
#include <QList>

namespace vexlor::fuzz {

// The controller's side of a reply script, played into the in-memory port:
// every send takes the next segment, whose chunks the harness delivers one by
// one, and after them, if the segment says so and the window is still open,
// the cable is pulled. Time does not pass on its own: the harness closes a
// silent window itself.
class ScriptedController {
public:
    // `port` must outlive the controller.
    ScriptedController(QList<ReplySegment> segments, FakeSerialPort &port);

    // Takes the sends made since the last call: a new send leaves what the
    // previous segment still held undelivered, as it belonged to that window.
    void noteSends();
    // Delivers the next chunk of the current segment; false when none is left.
    bool deliverNextChunk();
    // Whether the current segment ends with the cable pulled; asks once.
    bool takeCablePull();

    // Prints every send and every delivered chunk to stderr (for triage).
    bool trace = false;

private:
    QList<ReplySegment> m_segments;
    FakeSerialPort &m_port;
    qsizetype m_sends = 0;
    QList<QByteArray> m_pending;
    bool m_pullPending = false;
};

} // namespace vexlor::fuzz
