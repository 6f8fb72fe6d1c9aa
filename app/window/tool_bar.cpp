#include "tool_bar.h"

#include "basics/window_actions.h"
#include "basics/window_texts.h"
#include "art/tool_icons.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>

namespace vexlor {
namespace {

QToolButton *speedButton(const char *name, const QString &tip, ToolPicture picture,
                         QAction *action, int width, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setIcon(toolIcon(picture));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(width, 30);
    button->setEnabled(action->isEnabled());
    // Not setDefaultAction: the button keeps its own tip and the menu item none.
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QToolButton::setEnabled);
    return button;
}

} // namespace

QWidget *buildToolBar(const WindowActions &a, QWidget *parent)
{
    auto *bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 1, 0, 2);
    row->setSpacing(0);
    row->addWidget(speedButton("SpeedButton1", WindowTexts::tr("New Configuration"),
                               ToolPicture::NewPage, a.newConfiguration, 31, bar));
    row->addWidget(speedButton("SpeedButton2", WindowTexts::tr("Open Configuration"),
                               ToolPicture::OpenFolder, a.open, 31, bar));
    row->addWidget(speedButton("SpeedButton3", WindowTexts::tr("Save Configuration"),
                               ToolPicture::Save, a.save, 31, bar));
    row->addSpacing(8);
    row->addWidget(speedButton("SpeedButton4", WindowTexts::tr("Test Controller Connection"),
                               ToolPicture::Connection, a.testConnection, 32, bar));
    row->addWidget(speedButton("SpeedButton5", WindowTexts::tr("Read Controller Configuration"),
                               ToolPicture::ReadUp, a.readSettings, 31, bar));
    row->addWidget(speedButton("SpeedButton6", WindowTexts::tr("Write Controller Configuration"),
                               ToolPicture::WriteDown, a.writeSettings, 31, bar));
    row->addStretch();
    return bar;
}

} // namespace vexlor
