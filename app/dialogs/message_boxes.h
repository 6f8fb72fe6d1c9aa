#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace vexlor {

// The answer to the question before unsaved values are replaced or closed.
enum class SaveChoice { Save, Discard, Cancel };

// The modal boxes the window shows the user. Behind an interface so tests can
// record what would be shown instead of blocking on a modal box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // The application's standard error report: error icon, OK, the message
    // with a closing full stop (standardErrorText). Like an error raised in an
    // event handler, it is shown once the handler has returned to the event
    // loop, so callers simply stop what they were doing after calling it.
    virtual void standardError(const QString &message) = 0;

    // Error icon and OK.
    virtual void error(const QString &caption, const QString &text) = 0;
    // Information icon and OK.
    virtual void information(const QString &caption, const QString &text) = 0;
    // Question icon with Yes and No; true for Yes.
    [[nodiscard]] virtual bool question(const QString &caption, const QString &text) = 0;
    // Warning icon with Save, Discard and Cancel, Qt's standard buttons (so
    // their texts come translated); Escape and closing the box cancel.
    [[nodiscard]] virtual SaveChoice askToSave(const QString &caption, const QString &text) = 0;

    // Error icon and OK, for reports raised from a timer: the caller goes on
    // at once and `closed` runs once the user has closed the box. This default
    // shows error() and then runs `closed`.
    virtual void showError(const QString &caption, const QString &text,
                           std::function<void()> closed)
    {
        error(caption, text);
        if (closed)
            closed();
    }

    // A line of text to type under `label`, `current` offered: nullopt when
    // cancelled. This default cancels.
    [[nodiscard]] virtual std::optional<QString> askText(const QString &caption, const QString &label,
                                                         const QString &current)
    {
        (void)caption;
        (void)label;
        (void)current;
        return std::nullopt;
    }

    // error() with a second button beside OK that offers more help
    // (`offer`, "Connection Doctor..."): true when the user took it. This
    // default shows error() and the offer is not taken.
    [[nodiscard]] virtual bool errorWithOffer(const QString &caption, const QString &text,
                                              const QString &offer)
    {
        (void)offer;
        error(caption, text);
        return false;
    }
    // showError() with that second button: `taken` runs once the user has
    // closed the box with it. This default shows showError().
    virtual void showErrorWithOffer(const QString &caption, const QString &text, const QString &offer,
                                    std::function<void()> taken)
    {
        (void)offer;
        (void)taken;
        showError(caption, text, {});
    }
    // showErrorWithOffer() for a text laid out in lines already (names and
    // commands that must not be split): each line shown as it stands, never
    // wrapped further. This default shows showErrorWithOffer().
    virtual void showLaidOutErrorWithOffer(const QString &caption, const QString &text, const QString &offer,
                                           std::function<void()> taken)
    {
        showErrorWithOffer(caption, text, offer, std::move(taken));
    }
};

// The text of the standard error report: the message with a full stop added
// unless it is empty or already ends in a full stop or other punctuation.
[[nodiscard]] QString standardErrorText(const QString &message);

} // namespace vexlor
