#include "splash_window.h"

#include "art/banner_picture.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace vexlor {
namespace {

constexpr QSize kClientSize(800, 435);
constexpr QSize kPictureSize(800, 437); // drawn centred, one row cut at top and bottom

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TForm2"));
    setFixedSize(kClientSize);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setPixmap(QPixmap::fromImage(drawBannerPicture(kPictureSize, devicePixelRatio())));
    m_picture->setGeometry(rect());
    m_picture->installEventFilter(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease)
        hideOnPictureClick();
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::hideOnPictureClick()
{
    hide(); // not destroyed: the program does that when the splash wait ends
}

} // namespace vexlor
