#include "guarded_write.h"

#include "write_safety_texts.h"

#include "params/parameter_codec.h"
#include "protocol/transaction_texts.h"

namespace vexlor {
namespace {

UserMessage errorMessage(const QString &text, const char *caption = texts::kErrorCaption)
{
    return {text, transactionText(caption), MessageIcon::Error};
}

QString verifyFailureText(const QList<ParameterDifference> &differences)
{
    QString text = writeSafetyText(texts::kVerifyFoundDifferences) + u'\n';
    for (const ParameterDifference &d : differences) {
        text += u'\n'
            + writeSafetyText(texts::kVerifyDifferenceLine)
                  .arg(fieldLabel(*d.descriptor), valueWithUnit(*d.descriptor, d.expectedText),
                       valueWithUnit(*d.descriptor, d.actualText));
    }
    return text;
}

} // namespace

GuardedWrite::GuardedWrite(ControllerSession &session, BackupStore &backups, NumberFormat format,
                           QObject *parent)
    : SessionCommand(session, parent)
    , m_backups(backups)
    , m_format(format)
{
}

void GuardedWrite::onProgress(int acceptedFrames)
{
    m_phaseFrames = acceptedFrames;
    emit progress(framesBefore() + acceptedFrames);
}

void GuardedWrite::onAbandoned()
{
    // Closing abandoned the running phase without its end: so is this write.
    if (m_phases[m_current] == Phase::Write)
        endWriteAfter(m_phaseFrames);
    else if (m_phases[m_current] == Phase::Verify)
        endWrite(WriteEnd::CheckFailed);
    recordWriteEnd();
}

ExchangeStart GuardedWrite::start(const ParameterSnapshot &window, const ParameterValues &values,
                                  WriteSafety safety)
{
    if (isRunning())
        return ExchangeStart::Busy;
    m_phases.clear();
    if (safety.backUpBeforeWrite)
        m_phases.append(Phase::Backup);
    m_phases.append(Phase::Write);
    if (safety.verifyAfterWrite)
        m_phases.append(Phase::Verify);
    m_window = window;
    m_values = values;
    m_outcome = {};
    return startPhase(0);
}

ExchangeStart GuardedWrite::startPhase(qsizetype position)
{
    m_current = position;
    m_read = {};
    m_phaseFrames = 0;
    const TransactionMode mode = m_phases[position] == Phase::Write ? TransactionMode::Write
                                                                    : TransactionMode::Read;
    // Read frames carry the values a write sends, as the plain read's do.
    return runTransaction(mode, m_values);
}

void GuardedWrite::onTransactionFinished(const TransactionOutcome &outcome)
{
    switch (m_phases[m_current]) {
    case Phase::Backup:
        afterBackupRead(outcome);
        break;
    case Phase::Write:
        afterWrite(outcome);
        break;
    case Phase::Verify:
        afterVerify(outcome);
        break;
    }
}

void GuardedWrite::afterBackupRead(const TransactionOutcome &outcome)
{
    if (!outcome.passed) {
        // The read's own failure, and what it means for the write.
        TransactionOutcome failed = outcome;
        failed.message.text = writeSafetyText(texts::kBackupReadFailed).arg(outcome.message.text);
        finish(failed);
        return;
    }
    m_outcome.heldBefore = m_read;
    ParameterSnapshot controller = m_window;
    for (const ParameterDescriptor *d : storedParameters()) {
        if (const auto decoded = decodeParameter(d->index, m_read[d->index], m_format))
            controller[d->index] = *decoded;
    }
    const BackupStore::SaveResult saved = m_backups.save(controller);
    if (!saved.ok()) {
        m_outcome.backupError = saved.error;
        TransactionOutcome failed = outcome;
        failed.passed = false;
        failed.message = errorMessage(writeSafetyText(texts::kBackupNotKept).arg(saved.error));
        finish(failed);
        return;
    }
    m_outcome.backupPath = saved.path;
    m_outcome.record = saved.record;
    emit backupSaved(saved.path);
    next(outcome);
}

void GuardedWrite::afterWrite(const TransactionOutcome &outcome)
{
    m_outcome.outcome = outcome; // the write's message stands unless the verify finds otherwise
    if (!outcome.passed) {
        endWriteAfter(outcome.acceptedFrames);
        finish(outcome);
        return;
    }
    endWrite(WriteEnd::Completed);
    next(outcome);
}

void GuardedWrite::afterVerify(const TransactionOutcome &outcome)
{
    TransactionOutcome result = m_outcome.outcome;
    result.acceptedFrames = outcome.acceptedFrames;
    if (!outcome.passed) {
        result.passed = false;
        result.message =
            errorMessage(writeSafetyText(texts::kVerifyReadFailed).arg(outcome.message.text));
        endWrite(WriteEnd::CheckFailed);
        finish(result);
        return;
    }
    m_outcome.heldAfter = m_read;
    m_outcome.differences = differingParameters(m_values, m_read, m_format);
    m_outcome.verified = m_outcome.differences.isEmpty();
    endWrite(m_outcome.verified ? WriteEnd::Verified : WriteEnd::Differences);
    if (!m_outcome.verified) {
        result.passed = false;
        result.message = errorMessage(verifyFailureText(m_outcome.differences), texts::kWriteCaption);
    }
    finish(result);
}

void GuardedWrite::next(const TransactionOutcome &outcome)
{
    if (m_current + 1 == m_phases.size()) {
        finish(outcome);
        return;
    }
    if (startPhase(m_current + 1) != ExchangeStart::Started) {
        if (m_phases[m_current] == Phase::Write)
            endWrite(WriteEnd::Interrupted, 0);
        else
            endWrite(WriteEnd::CheckFailed);
        --m_current; // the frames so far are the last phase's
        TransactionOutcome refused;
        refused.acceptedFrames = outcome.acceptedFrames;
        refused.message = errorMessage(transactionText(texts::kCommunicationInterrupted));
        finish(refused);
    }
}

void GuardedWrite::finish(TransactionOutcome outcome)
{
    recordWriteEnd();
    outcome.acceptedFrames += framesBefore();
    m_outcome.outcome = outcome;
    emit finished(m_outcome);
}

void GuardedWrite::endWrite(WriteEnd end, int frame)
{
    m_outcome.record.end = end;
    m_outcome.record.frame = frame;
}

void GuardedWrite::endWriteAfter(int writtenFrames)
{
    // All sixty taken: it was the store that failed.
    if (writtenFrames >= kProtocolItemCount)
        endWrite(WriteEnd::StoreFailed);
    else
        endWrite(WriteEnd::Interrupted, writtenFrames);
}

void GuardedWrite::recordWriteEnd()
{
    // Without a backup there is no record. One that cannot be updated keeps
    // "unfinished", which never reads as a write that ended well.
    if (!m_outcome.backupPath.isEmpty())
        (void)m_backups.recordWriteEnd(m_outcome.backupPath, m_outcome.record);
}

} // namespace vexlor
