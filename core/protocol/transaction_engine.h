#pragma once

#include "reply_window.h"

#include "params/parameter_table.h"
#include "user_message.h"

#include <QList>
#include <QObject>

#include <array>
#include <memory>

namespace vexlor {

enum class TransactionMode {
    Read,  // fill the window from the controller
    Write, // send the window's values, then store them
};

// How a transaction ended.
struct TransactionOutcome {
    bool passed = false;         // Label44: "Pass" when true, "Fail" otherwise
    int acceptedFrames = 0;      // frames accepted; ProgressBar1 stays there
    bool stored = false;         // a write's store command was acknowledged
    UserMessage message;         // the closing message (success, error or notice)
    bool openInstallationGuide = false; // after the notice, open ProgramFolder + kInstallationGuideFile
};

// One state machine for the read and the write transaction: sixty frames, one
// per protocol index, each answered within its reply window; values
// decoded as they arrive (read); the store command after the sixtieth (write).
class TransactionEngine : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,
        Exchanging, // the sixty frames
        Storing,    // the store command of a write
    };
    Q_ENUM(State)

    // Sends of one frame whose replies keep failing the value check.
    static constexpr int kMaxSendsPerFrame = 5;

    // `window` must outlive the engine.
    explicit TransactionEngine(ReplyWindow *window, QObject *parent = nullptr);
    ~TransactionEngine() override;

    // Starts a transaction with the sixty values a write would send (a read
    // sends them too). The caller encodes them first; an encoding error stops
    // the command before this is called. False, with nothing sent, while this
    // engine runs; other exchanges on the same link are the caller's to keep
    // apart (ControllerSession does).
    [[nodiscard]] bool start(TransactionMode mode,
                             const std::array<quint16, kProtocolItemCount> &values);
    // Stops without finished() (the session is closing); nothing more is sent.
    void abandon();

    [[nodiscard]] State state() const { return m_state; }
    [[nodiscard]] bool isRunning() const { return m_state != State::Idle; }

signals:
    // Frames accepted so far (ProgressBar1), after every exchange that got a
    // good status.
    void progress(int acceptedFrames);
    // Read: the reply of `index` was accepted; decode `value` into its control.
    void valueAccepted(int index, quint16 value);
    // Over: Label44 and Label43 "Idle", then the outcome's message.
    void finished(const vexlor::TransactionOutcome &outcome);

private:
    void sendCurrent();
    void onReplyReady();
    void onLinkLost();
    void finishWith(TransactionOutcome outcome);
    void stopListening();
    [[nodiscard]] TransactionOutcome storeOutcome(const CapturedReply &reply) const;
    [[nodiscard]] TransactionOutcome communicationFailure() const;

    ReplyWindow *m_window;
    State m_state = State::Idle;
    TransactionMode m_mode = TransactionMode::Read;
    QList<QByteArray> m_frames;
    int m_next = 0;          // k: next frame to send, also frames accepted
    int m_sendsOfFrame = 0;  // sends of frame k so far
};

} // namespace vexlor
