// Fuzz target: the transaction engine over a scripted port. Any reply stream
// must end the transaction (no hang), never crash, and end exactly as the
// independent judge in transaction_oracle.cpp says: in particular "Pass" only
// when all sixty frames were accepted with valid value checks and, for a
// write, the store was answered with 0x58.

#include "fake_serial_port.h"
#include "fakes.h"
#include "fuzz_check.h"
#include "reply_script.h"
#include "scripted_controller.h"
#include "transaction_oracle.h"

#include "port/controller_link.h"
#include "protocol/reply_window.h"
#include "protocol/transaction_engine.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>

using namespace vexlor;
using namespace vexlor::fuzz;

namespace {

void describe(const ReplyScript &script, const ExpectedTransaction &e, const TransactionOutcome &o,
              const QList<QByteArray> &writes)
{
    std::fprintf(stderr, "mode %s, %d segments\n",
                 script.mode == TransactionMode::Write ? "write" : "read",
                 int(script.segments.size()));
    std::fprintf(stderr, "expected: passed %d stored %d accepted %d writes %d \"%s\"\n", e.passed,
                 e.stored, e.acceptedFrames, int(e.writes.size()), qPrintable(e.message));
    std::fprintf(stderr, "engine:   passed %d stored %d accepted %d writes %d \"%s\"\n", o.passed,
                 o.stored, o.acceptedFrames, int(writes.size()), qPrintable(o.message.text));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Qt's objects like an application object; no event loop runs: the
    // harness delivers every chunk and decides when a reply window closes.
    static int argc = 1;
    static char name[] = "fuzz_transaction_engine";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ReplyScript script = decodeReplyScript(data, size);
    const ExpectedTransaction expected = judgeTransaction(script);

    auto *port = new FakeSerialPort;
    ControllerLink link(port);
    FUZZ_CHECK(link.openPort(QStringLiteral("/dev/scripted")), "the scripted port opens");
    ManualReplyDeadline deadline;
    ReplyWindow window(&link, &deadline);
    TransactionEngine engine(&window);
    ScriptedController controller(script.segments, *port);
    static const bool trace = qEnvironmentVariableIsSet("VEXLOR_FUZZ_TRACE");
    controller.trace = trace;

    int finishedCount = 0;
    TransactionOutcome outcome;
    QList<QPair<int, quint16>> decoded;
    QObject::connect(&engine, &TransactionEngine::finished, [&](const TransactionOutcome &o) {
        ++finishedCount;
        outcome = o;
    });
    QObject::connect(&engine, &TransactionEngine::valueAccepted,
                     [&](int index, quint16 value) { decoded << qMakePair(index, value); });
    // ProgressBar1 never moves back and ends at the frames accepted.
    int progress = 0;
    bool progressForward = true;
    QObject::connect(&engine, &TransactionEngine::progress, [&](int accepted) {
        progressForward = progressForward && accepted >= progress && accepted <= 60;
        progress = accepted;
    });

    FUZZ_CHECK(engine.start(script.mode, script.values), "an idle engine starts");
    // Each pass either delivers bytes or closes a window, and a transaction has
    // at most 301 windows: far fewer passes than this end every transaction.
    for (int pass = 0;; ++pass) {
        FUZZ_CHECK(pass < 100000, "the transaction ends");
        controller.noteSends();
        if (!engine.isRunning())
            break;
        if (controller.deliverNextChunk())
            continue;
        // Nothing more arrives in this window: it closes, or the device goes away.
        FUZZ_CHECK(window.isAwaiting() && deadline.isRunning(), "a running engine waits for a reply");
        if (controller.takeCablePull()) {
            port->pullCable();
        } else {
            if (trace)
                std::fprintf(stderr, "  window closes\n");
            deadline.expire();
        }
    }
    // Nothing may be sent once the transaction is over.
    const QList<QByteArray> writes = port->writes;

    const bool agrees = finishedCount == 1 && outcome.passed == expected.passed
        && outcome.stored == expected.stored && outcome.acceptedFrames == expected.acceptedFrames
        && outcome.message.text == expected.message
        && outcome.openInstallationGuide == expected.opensGuide && writes == expected.writes
        && decoded == expected.decoded;
    if (!agrees)
        describe(script, expected, outcome, writes);
    FUZZ_CHECK(finishedCount == 1, "finished() is emitted once");
    FUZZ_CHECK(outcome.passed == expected.passed, "Pass exactly when the judge passes it");
    FUZZ_CHECK(outcome.stored == expected.stored, "stored exactly after a 0x58 store reply");
    FUZZ_CHECK(outcome.acceptedFrames == expected.acceptedFrames, "accepted frame count");
    FUZZ_CHECK(outcome.message.text == expected.message, "closing message");
    FUZZ_CHECK(outcome.openInstallationGuide == expected.opensGuide, "guide only after a failed store");
    FUZZ_CHECK(writes == expected.writes, "frames sent, resends and store");
    FUZZ_CHECK(decoded == expected.decoded, "values decoded by a read");
    FUZZ_CHECK(progressForward && progress == outcome.acceptedFrames,
               "progress only moves forward and stops at the frames accepted");
    // The judge's own invariant, stated on its own: a pass took sixty accepted
    // frames, and a write's pass a store.
    FUZZ_CHECK(!outcome.passed
                   || (outcome.acceptedFrames == 60
                       && (script.mode == TransactionMode::Read
                           || (outcome.stored && writes.last() == QByteArrayLiteral("PW\r\n")))),
               "a pass means sixty frames (and a store)");
    FUZZ_CHECK(!writes.contains(QByteArrayLiteral("PW\r\n")) || outcome.acceptedFrames == 60,
               "no store after a failure");
    return 0;
}
