#pragma once

// The window as most window tests see it: built over the recorders of
// window_doubles.h, shown and active.

#include "event_wait.h"
#include "window_doubles.h"

#include "fake_serial_port.h"

#include <QLocale>
#include <QTabWidget>
#include <QTest>

#include <memory>

// A main window shown and active, so focus moves as it would for a user. Its
// config.ini lives in a folder of its own (or `settingsFolder`), its dialogs
// are scripted, and no controller cable is plugged in.
struct TestWindow : WindowDoubles {
    std::unique_ptr<vexlor::WindowAssembly> assembly;
    vexlor::MainWindow *window = nullptr;

    explicit TestWindow(const QStringList &commandLine = {}, const QString &settingsFolder = {},
                        const QString &language = QStringLiteral("en"))
        : WindowDoubles(settingsFolder)
    {
        assembly = assemble({std::make_unique<FakeSerialPort>(), lister, bridges, QString()},
                            commandLine, language);
        window = &assembly->window();
        window->show();
        window->activateWindow();
    }

    [[nodiscard]] bool isActive() { return QTest::qWaitForWindowActive(window, kHangMs); }

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
