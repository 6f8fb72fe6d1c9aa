#pragma once

#include "app_services.h"
#include "main_window.h"
#include "message_boxes.h"
#include "shell_opener.h"

#include <QLocale>
#include <QTabWidget>
#include <QList>
#include <QTest>
#include <QUrl>

#include <memory>

// Records the boxes the window would show instead of blocking on them.
class RecordingMessageBoxes final : public vexlor::MessageBoxes {
public:
    struct Box {
        QString kind; // "standard", "error", "information", "question"
        QString caption;
        QString text;
    };
    QList<Box> shown;
    bool answerYes = true;

    void standardError(const QString &message) override
    {
        shown.append({QStringLiteral("standard"), QString(), vexlor::standardErrorText(message)});
    }
    void error(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("error"), caption, text});
    }
    void information(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("information"), caption, text});
    }
    bool question(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("question"), caption, text});
        return answerYes;
    }
};

// Records what the window hands to the desktop.
class RecordingShell final : public vexlor::ShellOpener {
public:
    QList<QUrl> opened;
    void open(const QUrl &target) override { opened.append(target); }
};

// A main window with recorders, shown and active so focus moves as it would
// for a user.
struct TestWindow {
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    std::unique_ptr<vexlor::MainWindow> window;

    TestWindow()
    {
        vexlor::AppServices services;
        services.boxes = &boxes;
        services.shell = &shell;
        window = std::make_unique<vexlor::MainWindow>(services);
        window->show();
        window->activateWindow();
    }

    [[nodiscard]] bool isActive() { return QTest::qWaitForWindowActive(window.get()); }

    // Brings the tab holding `control` to the front, so it can take the focus.
    void showPageOf(QWidget *control) const
    {
        auto *pages = window->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        for (QWidget *w = control; w; w = w->parentWidget()) {
            if (pages->indexOf(w) >= 0) {
                pages->setCurrentWidget(w);
                return;
            }
        }
    }

    template <typename T>
    [[nodiscard]] T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
};

// Sets the default locale for the lifetime of the object.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale &locale) : m_previous(QLocale()) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(m_previous); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale m_previous;
};
