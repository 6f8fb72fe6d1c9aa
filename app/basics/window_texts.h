#pragma once

#include <QCoreApplication>

namespace vexlor {

// The translation context "MainWindow" for the window's texts that the page,
// menu, tool-bar and status-strip builders set outside a QObject of their
// own: WindowTexts::tr("&File").
class WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

} // namespace vexlor
