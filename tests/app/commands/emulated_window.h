#pragma once

// A window over the real serial port and the controller emulator on a
// pseudo-terminal, found through VEXLOR_PORT as a user would point it there.

#include "link_window.h"
#include "sim_process.h"

#include <QTemporaryDir>

#include <memory>

struct EmulatedWindow {
    std::unique_ptr<LinkWindow> t;
    std::unique_ptr<SimProcess> sim;

    // Starts the emulator with `arguments` and a window pointed at it; true
    // once the window shows the device connected.
    [[nodiscard]] bool connect(const QStringList &arguments)
    {
        t.reset();
        sim = std::make_unique<SimProcess>();
        const QString path = sim->start(arguments);
        if (path.isEmpty())
            return false;
        qputenv("VEXLOR_PORT", path.toLocal8Bit());
        t = std::make_unique<LinkWindow>();
        t->createWithRealPort();
        (void)QTest::qWaitFor([&] { return t->label("Label15")->text() == QStringLiteral("Device Connected"); });
        return labelState(t->label("Label15")) == QStringLiteral("Device Connected on lime");
    }
};
