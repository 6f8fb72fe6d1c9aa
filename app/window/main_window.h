#pragma once

#include "app_services.h"
#include "basics/status_strip.h"
#include "basics/window_actions.h"
#include "basics/window_caption.h"
#include "pages/window_controls.h"

#include "params/number_text.h"

#include <QMainWindow>

#include <functional>

class QMimeData;
class QTabWidget;

namespace vexlor {

// What the window leaves to the commands behind it when it closes and when
// files are dropped on it; the assembly fills them in. Until then the window
// closes at once and takes no drop.
struct WindowHooks {
    // Asks about unsaved changes: false keeps the window open.
    std::function<bool()> settleUnsavedChanges = [] { return true; };
    // Whether the controller link is let go already.
    std::function<bool()> isReleased = [] { return true; };
    // Lets the link go, then calls `released`.
    std::function<void(std::function<void()> released)> release;
    std::function<bool(const QMimeData *)> acceptsDrop = [](const QMimeData *) { return false; };
    std::function<void(const QMimeData *)> openDropped;
};

// The tool's one working window (TForm1): every parameter as a control on the
// "General" and "Motor" tabs, the menu bar, the tool bar and the status strip.
// It builds its own widgets and nothing else, and hands out narrow views of
// them (actions, controls, status strip, caption); WindowAssembly builds the
// commands over those views and runs the start-up.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const StartValues &start, QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const QString &programTitle() const { return m_caption.programTitle(); }
    // The executable's folder, ending in a separator.
    [[nodiscard]] const QString &programFolder() const { return m_programFolder; }
    [[nodiscard]] bool decimalCommaLocale() const { return m_numberFormat.decimalComma; }
    [[nodiscard]] const NumberFormat &numberFormat() const { return m_numberFormat; }

    // The views the commands are built over.
    [[nodiscard]] const WindowActions &actions() const { return m_actions; }
    [[nodiscard]] const WindowControls &controls() const { return m_controls; }
    [[nodiscard]] const StatusStrip &strip() const { return m_strip; }
    [[nodiscard]] WindowCaption &caption() { return m_caption; }

    void setHooks(WindowHooks hooks) { m_hooks = std::move(hooks); }

    // Start-up steps of the window's own, in the order the assembly runs them.
    void showGeneralTab();
    void acceptDroppedFiles();

signals:
    // Help > Connection Doctor..., or a box's offer of it: the program's entry
    // shows the doctor.
    void connectionDoctorRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildWindow();
    // Closing: the controller link is released first, after the question
    // about unsaved changes.
    void releaseControllerThenClose();

    const QString m_programFolder;
    const NumberFormat m_numberFormat;

    WindowCaption m_caption;
    bool m_closing = false;
    bool m_placed = false; // centred on the first showing

    WindowActions m_actions;
    WindowControls m_controls;
    StatusStrip m_strip;
    QTabWidget *m_pages = nullptr; // PageControl1
    WindowHooks m_hooks;
};

} // namespace vexlor
