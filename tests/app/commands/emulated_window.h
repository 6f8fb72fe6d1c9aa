#pragma once

// A window over the real serial port and the controller emulator on a
// pseudo-terminal, found through VEXLOR_PORT as a user would point it there.
// The emulator, not the clock, closes the windows of the replies it leaves
// out, so no reply is judged late for the machine's load.

#include "emulator_deadline.h"
#include "link_window.h"
#include "sim_process.h"

#include <QTemporaryDir>

#include <memory>

struct EmulatedWindow {
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<EmulatorReplyDeadline> told;
    std::unique_ptr<LinkWindow> t; // last, so the window goes first

    // Starts the emulator with `arguments` and a window pointed at it; true
    // once the window shows the device connected.
    [[nodiscard]] bool connect(const QStringList &arguments)
    {
        t.reset();
        told.reset();
        sim = std::make_unique<SimProcess>();
        auto port = std::make_unique<vexlor::QtSerialPort>();
        told = std::make_unique<EmulatorReplyDeadline>(*sim, *port);
        const QString path = sim->start(arguments);
        if (path.isEmpty())
            return false;
        qputenv("VEXLOR_PORT", path.toLocal8Bit());
        t = std::make_unique<LinkWindow>();
        t->create(std::move(port), t->systemLister);
        t->session->closeReplyWindowsBy(told.get());
        (void)QTest::qWaitFor([&] { return !t->session->isStartingUp(); }, kHangMs);
        return labelState(t->label("Label15")) == QStringLiteral("Device Connected on lime");
    }
};
