#include "menu_bar.h"

#include "art/menu_icon_style.h"
#include "art/tool_icons.h"
#include "basics/profile_texts.h"
#include "basics/safety_texts.h"
#include "basics/shop_texts.h"
#include "basics/window_texts.h"

#include "params/speed_units.h"
#include "road/road_class.h"

#include "language_choice.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStyleFactory>

namespace vexlor {
namespace {

// Menu pictures at the tool bar's 24 pixels.
void useLargeIcons(QMenu *menu)
{
    auto *style = new MenuIconStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(menu);
    menu->setStyle(style);
}

QMenu *addMenu(QMainWindow *window, const char *name, const QString &caption)
{
    QMenu *menu = window->menuBar()->addMenu(caption);
    useLargeIcons(menu);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *addItem(QMainWindow *window, QMenu *menu, const char *name, const QString &caption,
                 ToolPicture picture, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(toolIcon(picture), caption, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setIconVisibleInMenu(true);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action); // reachable whichever control has the focus
    }
    menu->addAction(action);
    return action;
}

// An option: its check mark is its picture.
QAction *addOption(QMainWindow *window, QMenu *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setChecked(true);
    menu->addAction(action);
    return action;
}

// A plain item: no picture, no check mark.
QAction *addPlainItem(QMainWindow *window, QMenu *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, window);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

// The access letter of a caption: the letter after its single '&'.
QChar accessLetter(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&')
                return caption[i + 1].toLower();
            ++i; // "&&" shows one ampersand
        }
    }
    return {};
}

// A language's own name with the first of its letters no item above took as
// access letter ("E&spañol" after "&English"); names are never translated,
// so the letters are chosen here, in every language of the window.
QString withFreeAccessLetter(const QString &name, QSet<QChar> &taken)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar letter = name[i].toLower();
        if (!letter.isLetter() || taken.contains(letter))
            continue;
        taken.insert(letter);
        return name.left(i) + u'&' + name.mid(i);
    }
    return name;
}

// Help > Language: follow the desktop, or one of the languages by its own
// name; one is ticked at a time.
void addLanguageItems(QMainWindow *window, WindowActions &a)
{
    a.languageMenu = a.helpMenu->addMenu(toolIcon(ToolPicture::Language), WindowTexts::tr("&Language"));
    a.languageMenu->setObjectName(QStringLiteral("Language1"));
    a.languageMenu->menuAction()->setObjectName(QStringLiteral("Language1"));
    //: Help > Language: whatever language the desktop is set to
    a.languages << addOption(window, a.languageMenu, "DesktopLanguage1",
                             WindowTexts::tr("Desktop &Language"));
    a.languages.last()->setData(QString());
    a.languageMenu->addSeparator();
    QSet<QChar> taken{accessLetter(a.languages.last()->text())};
    for (const UiLanguage &language : uiLanguages()) {
        const QString code = QString::fromLatin1(language.code); // "de": LanguageDe1
        const QByteArray name = "Language" + code.left(1).toUpper().toLatin1() + code.mid(1).toLatin1() + '1';
        a.languages << addOption(window, a.languageMenu, name.constData(),
                                 withFreeAccessLetter(QString::fromUtf8(language.nativeName), taken));
        a.languages.last()->setData(code);
    }
    auto *group = new QActionGroup(a.languageMenu);
    for (QAction *item : std::as_const(a.languages)) {
        item->setChecked(false);
        group->addAction(item);
    }
}

// Help > Units: the units speeds are shown and typed in, one ticked at a time.
void addUnitsItems(QMainWindow *window, WindowActions &a)
{
    //: Help menu: the units speeds are shown in, metric or imperial
    a.unitsMenu = a.helpMenu->addMenu(WindowTexts::tr("&Units"));
    a.unitsMenu->setObjectName(QStringLiteral("Units1"));
    a.unitsMenu->menuAction()->setObjectName(QStringLiteral("Units1"));
    auto *group = new QActionGroup(a.unitsMenu);
    for (const SpeedUnits units : {SpeedUnits::Metric, SpeedUnits::Imperial}) {
        const bool imperial = units == SpeedUnits::Imperial;
        a.speedUnits << addOption(window, a.unitsMenu, imperial ? "UnitsImperial1" : "UnitsMetric1",
                                  u'&' + speedUnitsName(units));
        a.speedUnits.last()->setData(QString::fromLatin1(speedUnitsId(units)));
        a.speedUnits.last()->setChecked(!imperial);
        group->addAction(a.speedUnits.last());
    }
}

// File > Reopen and its four items.
void addReopenItems(QMainWindow *window, WindowActions &a)
{
    a.reopenMenu = a.fileMenu->addMenu(toolIcon(ToolPicture::Reopen), WindowTexts::tr("&Reopen"));
    a.reopenMenu->setObjectName(QStringLiteral("Reopen1"));
    useLargeIcons(a.reopenMenu);
    a.reopenMenu->menuAction()->setObjectName(QStringLiteral("Reopen1"));
    a.reopenMenu->setToolTipsVisible(true); // a shortened path shows whole in its tip
    static constexpr const char *kReopenNames[] = {"N11", "N21", "N31", "N41"};
    for (int i = 0; i < 4; ++i) {
        // Captioned "1".."4" until the recent-files list puts file names there;
        // no pictures and no access keys on these.
        auto *item = new QAction(QString::number(i + 1), window);
        item->setObjectName(QString::fromLatin1(kReopenNames[i]));
        a.reopenMenu->addAction(item);
        a.reopen[i] = item;
    }
}

// File > Profiles: empty until it opens, when the profile commands fill it.
void addProfilesMenu(WindowActions &a)
{
    a.profilesMenu = a.fileMenu->addMenu(texts::profileText(texts::kProfilesMenu));
    a.profilesMenu->setObjectName(QStringLiteral("Profiles1"));
    a.profilesMenu->menuAction()->setObjectName(QStringLiteral("Profiles1"));
    a.profilesMenu->setToolTipsVisible(true); // each profile's note
}

// The object name of a class's item: "eu-epac" gives RoadClassEuEpac1.
QByteArray roadClassItemName(const char *id)
{
    QByteArray name = "RoadClass";
    for (const QByteArray &part : QByteArray(id).split('-'))
        name += part.left(1).toUpper() + part.mid(1);
    return name + '1';
}

// Connect > Road Class: None or one of the classes, one ticked at a time,
// each class with the first of its letters still free as access letter;
// then the check against it.
void addRoadClassItems(QMainWindow *window, WindowActions &a)
{
    a.roadClassMenu = a.connectMenu->addMenu(texts::shopText(texts::kRoadClassMenu));
    a.roadClassMenu->setObjectName(QStringLiteral("RoadClass1"));
    a.roadClassMenu->menuAction()->setObjectName(QStringLiteral("RoadClass1"));
    a.roadClasses << addOption(window, a.roadClassMenu, "RoadClassNone1",
                               texts::shopText(texts::kNoRoadClassItem));
    a.roadClasses.last()->setData(QString());
    a.roadClassMenu->addSeparator();
    QSet<QChar> taken{accessLetter(a.roadClasses.last()->text())};
    for (const RoadClass &c : roadClasses()) {
        a.roadClasses << addOption(window, a.roadClassMenu, roadClassItemName(c.id).constData(),
                                   withFreeAccessLetter(roadClassName(c), taken));
        a.roadClasses.last()->setData(QString::fromLatin1(c.id));
    }
    auto *group = new QActionGroup(a.roadClassMenu);
    for (QAction *item : std::as_const(a.roadClasses)) {
        item->setChecked(false);
        group->addAction(item);
    }
    a.checkRoadClass = addItem(window, a.connectMenu, "CheckRoadClass1",
                               texts::shopText(texts::kCheckRoadClassItem), ToolPicture::RoadCheck);
}

void addFileMenu(QMainWindow *window, WindowActions &a)
{
    a.fileMenu = addMenu(window, "FileF1", WindowTexts::tr("&File"));
    a.newConfiguration = addItem(window, a.fileMenu, "New1", WindowTexts::tr("&New Configuration"),
                                 ToolPicture::NewPage);
    //: File menu: the assistant that proposes values from what is printed on the bike's parts
    a.newBikeSetup = addItem(window, a.fileMenu, "NewBikeSetup1", WindowTexts::tr("New Bike Set&up…"),
                             ToolPicture::BikeSetup);
    a.open = addItem(window, a.fileMenu, "Open1", WindowTexts::tr("&Open Configuration..."),
                     ToolPicture::OpenFolder, QKeySequence(Qt::CTRL | Qt::Key_O));
    addReopenItems(window, a);
    addProfilesMenu(a);
    a.restoreBackup = addItem(window, a.fileMenu, "RestoreBackup1",
                              texts::text(texts::kRestoreBackupItem), ToolPicture::RestoreBackup);
    a.fileMenu->addSeparator();
    a.save = addItem(window, a.fileMenu, "Save1", WindowTexts::tr("&Save"), ToolPicture::Save,
                     QKeySequence(Qt::CTRL | Qt::Key_S));
    a.saveAs = addItem(window, a.fileMenu, "Saveas1", WindowTexts::tr("Save &As..."),
                       ToolPicture::SaveAs);
    a.saveAsProfile = addItem(window, a.fileMenu, "SaveAsProfile1",
                              texts::profileText(texts::kSaveAsProfileItem), ToolPicture::SaveAs);
    a.exportSettingsSheet = addItem(window, a.fileMenu, "ExportSettingsSheet1",
                                    texts::shopText(texts::kExportSheetItem), ToolPicture::SettingsSheet);
    a.fileMenu->addSeparator();
    a.exit = addItem(window, a.fileMenu, "Exit1", WindowTexts::tr("E&xit"), ToolPicture::Exit);
}

void addConnectMenu(QMainWindow *window, WindowActions &a)
{
    a.connectMenu = addMenu(window, "Connect1", WindowTexts::tr("&Connect"));
    a.testConnection = addItem(window, a.connectMenu, "TestConnection1",
                               WindowTexts::tr("&Test Controller Connection"), ToolPicture::Connection);
    a.connectMenu->addSeparator();
    a.readSettings = addItem(window, a.connectMenu, "ReadSettings1",
                             WindowTexts::tr("&Read Controller Configuration"), ToolPicture::ReadUp,
                             QKeySequence(Qt::Key_F3));
    a.writeSettings = addItem(window, a.connectMenu, "WriteControllerSettings1",
                              WindowTexts::tr("&Write Controller Configuration"),
                              ToolPicture::WriteDown, QKeySequence(Qt::Key_F12));
    a.compareWithController = addItem(window, a.connectMenu, "CompareWithController1",
                                      texts::text(texts::kCompareWithControllerItem),
                                      ToolPicture::Compare);
    a.connectMenu->addSeparator();
    a.backUpBeforeWrite = addOption(window, a.connectMenu, "BackUpBeforeWrite1",
                                    texts::text(texts::kBackUpBeforeWriteItem));
    a.verifyAfterWrite = addOption(window, a.connectMenu, "VerifyAfterWrite1",
                                   texts::text(texts::kVerifyAfterWriteItem));
    a.connectMenu->addSeparator();
    addRoadClassItems(window, a);
    a.connectMenu->addSeparator();
    //: Connect menu: the label (frame number, customer) the register records with each operation
    a.bike = addPlainItem(window, a.connectMenu, "Bike1", WindowTexts::tr("Bi&ke…"));
    //: Connect menu: the register of every operation, as a table
    a.history = addPlainItem(window, a.connectMenu, "History1", WindowTexts::tr("H&istory…"));
}

void addHelpMenu(QMainWindow *window, WindowActions &a)
{
    a.helpMenu = addMenu(window, "Help1", WindowTexts::tr("&Help"));
    a.helpTopics = addItem(window, a.helpMenu, "HelpTopics1", WindowTexts::tr("&Help Topics"),
                           ToolPicture::Help);
    //: Help menu: the pointer that shows what the next field clicked does
    a.whatsThis = addItem(window, a.helpMenu, "WhatsThis1", WindowTexts::tr("What's &This?"),
                          ToolPicture::WhatsThis, QKeySequence(Qt::SHIFT | Qt::Key_F1));
    a.technicalSupport = addItem(window, a.helpMenu, "TechnicalSupport1",
                                 WindowTexts::tr("Technical &Support"), ToolPicture::Mail);
    //: Help menu: the checks of why the programming cable does not work
    a.connectionDoctor = addItem(window, a.helpMenu, "ConnectionDoctor1",
                                 WindowTexts::tr("&Connection Doctor…"), ToolPicture::Doctor);
    addLanguageItems(window, a);
    addUnitsItems(window, a);
    a.helpMenu->addSeparator();
    a.about = addItem(window, a.helpMenu, "About1", WindowTexts::tr("&About..."), ToolPicture::About);
}

} // namespace

WindowActions buildWindowActions(QMainWindow *window)
{
    WindowActions a;
    addFileMenu(window, a);
    addConnectMenu(window, a);
    addHelpMenu(window, a);
    return a;
}

} // namespace vexlor
