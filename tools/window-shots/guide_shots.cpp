#include "guide_shots.h"

#include "sample_dialogs.h"
#include "setup_shots.h"
#include "window_layout.h"

#include "dialogs/comparison_dialog.h"
#include "dialogs/qt_message_boxes.h"
#include "dialogs/restore_backup_dialog.h"
#include "window/main_window.h"

#include "protocol/connection_check_texts.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTabWidget>

namespace vexlor {
namespace {

bool save(const QPixmap &picture, const QDir &out, const char *name)
{
    return !picture.isNull() && picture.save(out.filePath(QString::fromLatin1(name)));
}

// The window's top left with `menu` open below its title in the menu bar, as
// the user sees it: the popup is a window of its own, painted in its place.
QPixmap droppedDown(MainWindow &window, QMenu *menu)
{
    QMenuBar *bar = window.menuBar();
    const QPoint below = bar->mapTo(&window, bar->actionGeometry(menu->menuAction()).bottomLeft());
    bar->setActiveAction(menu->menuAction()); // its title drawn as open
    menu->popup(window.mapToGlobal(below));
    const QPixmap popup = menu->grab();
    const QRect area(0, 0, std::min(window.width(), below.x() + popup.width() + 24),
                     below.y() + popup.height() + 12);
    QPixmap shot = window.grab(area);
    QPainter painter(&shot);
    painter.drawPixmap(below, popup);
    painter.end();
    menu->hide();
    bar->setActiveAction(nullptr);
    return shot;
}

bool saveWindowShots(MainWindow &window, const QDir &out)
{
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    if (!pages)
        return false;
    pages->setCurrentIndex(1);
    const bool motor = save(window.grab(), out, "window-motor.png");
    pages->setCurrentIndex(0);
    auto *strip = window.findChild<QWidget *>(QStringLiteral("Panel1"));
    return motor && save(window.grab(), out, "window-general.png") && strip
        && save(strip->grab(), out, "status-strip.png");
}

bool saveMenuShots(MainWindow &window, const QDir &out)
{
    const std::pair<const char *, const char *> menus[] = {
        {"FileF1", "menu-file.png"}, {"Connect1", "menu-connect.png"}, {"Help1", "menu-help.png"}};
    for (const auto &[name, file] : menus) {
        auto *menu = window.findChild<QMenu *>(QString::fromLatin1(name));
        if (!menu || !save(droppedDown(window, menu), out, file))
            return false;
    }
    return true;
}

// The box a failed connection check shows, as the window shows it.
bool saveErrorBox(MainWindow &window, const QDir &out)
{
    QtMessageBoxes boxes(&window, QString());
    boxes.showError(shownTitle(window), connectionCheckText(texts::kConnectionNotDetected), {});
    auto *box = window.findChild<QMessageBox *>();
    if (!box)
        return false;
    const bool saved = save(box->grab(), out, "error-box.png");
    box->close();
    return saved;
}

} // namespace

bool saveGuideShots(MainWindow &window, const QDir &out)
{
    const SampleComparison sample = sampleComparison(window.numberFormat());
    ComparisonDialog comparison(sample.rows, sample.fingerprints, &window);
    comparison.show();
    RestoreBackupDialog restore(sampleBackups(), &window);
    restore.show();
    return saveWindowShots(window, out) && saveMenuShots(window, out)
        && save(comparison.grab(), out, "compare.png") && save(restore.grab(), out, "restore.png")
        && saveErrorBox(window, out)
        && saveSetupShots(&window, window.numberFormat(), out, {{}, {}, {}, QStringLiteral("setup-proposal.png")});
}

} // namespace vexlor
