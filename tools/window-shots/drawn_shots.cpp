#include "drawn_shots.h"

#include "sample_dialogs.h"

#include "dialogs/comparison_dialog.h"
#include "dialogs/connection_doctor_dialog.h"
#include "dialogs/restore_backup_dialog.h"
#include "dialogs/road_check_dialog.h"
#include "window/main_window.h"

#include "road/road_class.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

namespace vexlor {
namespace {

struct DrawnText {
    QRect box; // within the widget
    const char *kind;
    QString text;
};

// A caption's text without its mnemonic marks ("&File" reads "File").
QString withoutMnemonics(QString text)
{
    static const QRegularExpression kMark(QStringLiteral("&(.)"));
    return text.replace(kMark, QStringLiteral("\\1"));
}

QString labelText(const QLabel &label)
{
    if (label.textFormat() == Qt::PlainText || !Qt::mightBeRichText(label.text()))
        return label.text();
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

// The button's text beside its check mark or round mark, or on its face.
DrawnText buttonText(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QRect box = button.rect();
    if (qobject_cast<const QCheckBox *>(&button))
        box = button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    else if (qobject_cast<const QRadioButton *>(&button))
        box = button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    return {box, "caption", withoutMnemonics(button.text())};
}

DrawnText comboText(const QComboBox &combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    const QRect box = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &combo);
    return {box, "field", combo.currentText()};
}

DrawnText groupTitle(const QGroupBox &group)
{
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    if (group.isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect box = group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group);
    return {box, "caption", withoutMnemonics(group.title())};
}

QList<DrawnText> tabTexts(const QTabBar &tabs)
{
    QList<DrawnText> texts;
    for (int i = 0; i < tabs.count(); ++i)
        texts.append({tabs.tabRect(i), "caption", withoutMnemonics(tabs.tabText(i))});
    return texts;
}

QList<DrawnText> menuTitles(const QMenuBar &bar)
{
    QList<DrawnText> texts;
    for (QAction *action : bar.actions())
        texts.append({bar.actionGeometry(action), "caption", withoutMnemonics(action->text())});
    return texts;
}

// The field's text inside its frame.
DrawnText editText(const QLineEdit &edit)
{
    const int frame = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit) : 0;
    return {edit.rect().adjusted(frame, frame, -frame, -frame), "field", edit.text()};
}

// What `widget` draws as text, where it reads it back.
QList<DrawnText> textsOf(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return {{label->contentsRect(), "caption", withoutMnemonics(labelText(*label))}};
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return {buttonText(*button)};
    if (const auto *combo = qobject_cast<const QComboBox *>(&widget))
        return {comboText(*combo)};
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        return {groupTitle(*group)};
    if (const auto *tabs = qobject_cast<const QTabBar *>(&widget))
        return tabTexts(*tabs);
    if (const auto *bar = qobject_cast<const QMenuBar *>(&widget))
        return menuTitles(*bar);
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(&widget)) {
        const auto *edit = spin->findChild<QLineEdit *>();
        return {{edit ? edit->geometry() : spin->rect(), "field", spin->text()}};
    }
    const auto *edit = qobject_cast<const QLineEdit *>(&widget);
    // A spin box's or list's own editor is read as its spin box or list.
    if (!edit || qobject_cast<const QAbstractSpinBox *>(edit->parentWidget())
        || qobject_cast<const QComboBox *>(edit->parentWidget()))
        return {};
    return {editText(*edit)};
}

bool saveDrawn(QWidget &widget, const QDir &out, const QString &name)
{
    // Without the focus frame some styles draw around a caption.
    if (QWidget *focused = widget.focusWidget())
        focused->clearFocus();
    QFile list(out.filePath(name + QStringLiteral(".txt")));
    return widget.grab().save(out.filePath(name + QStringLiteral(".png")))
        && list.open(QIODevice::WriteOnly) && list.write(drawnTexts(widget).toUtf8()) >= 0 && list.flush();
}

// A road-class check of a bike a little too fast for its class.
ParameterValues sampleRoadValues()
{
    ParameterValues values{};
    values[5] = 251;  // 25.1 km/h
    values[7] = 2000; // mm
    values[43] = 250; // W
    return values;
}

} // namespace

QString drawnTexts(const QWidget &widget)
{
    QString text;
    for (const QWidget *child : widget.findChildren<QWidget *>()) {
        if (!child->isVisibleTo(&widget) || child->isWindow())
            continue;
        for (const DrawnText &drawn : textsOf(*child)) {
            if (drawn.text.trimmed().isEmpty())
                continue;
            const QRect box(child->mapTo(&widget, drawn.box.topLeft()), drawn.box.size());
            QString says = drawn.text;
            says.replace(u'\n', u' ').replace(u'\t', u' ');
            text += QStringLiteral("%1 %2 %3 %4\t%5\t%6\t%7\n")
                        .arg(box.x())
                        .arg(box.y())
                        .arg(box.width())
                        .arg(box.height())
                        .arg(QLatin1String(drawn.kind), child->objectName(), says);
        }
    }
    return text;
}

QStringList saveDrawnShots(MainWindow &window, ConnectionDoctorDialog &doctor, const QDir &out)
{
    QStringList names;
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    for (int page = 0; pages && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        names << QStringLiteral("tab-") + withoutMnemonics(pages->tabText(page)).toLower();
        if (!saveDrawn(window, out, names.last()))
            return {};
    }
    pages->setCurrentIndex(0);
    const SampleComparison sample = sampleComparison(window.numberFormat());
    ComparisonDialog comparison(sample.rows, sample.fingerprints, &window);
    RestoreBackupDialog restore(sampleBackups(), &window);
    RoadCheckDialog road(sampleRoadValues(), window.numberFormat(), {findRoadClass(u"eu-epac"), QString()},
                         &window);
    const std::pair<QDialog *, QString> dialogs[] = {{&comparison, QStringLiteral("dialog-compare")},
                                                     {&restore, QStringLiteral("dialog-restore")},
                                                     {&road, QStringLiteral("dialog-road-check")},
                                                     {&doctor, QStringLiteral("dialog-doctor")}};
    for (const auto &[dialog, name] : dialogs) {
        dialog->show();
        names << name;
        const bool saved = saveDrawn(*dialog, out, name);
        dialog->hide();
        if (!saved)
            return {};
    }
    return names;
}

} // namespace vexlor
