#pragma once

#include <QWidget>

class QLabel;

namespace vexlor {

// The splash window (TForm2): borderless, 800 x 435, centred, holding only
// its banner picture (Image1). A click on the picture hides the window; the
// program destroys it when the splash wait is over.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hideOnPictureClick();

    QLabel *m_picture = nullptr;
};

} // namespace vexlor
