#include "shell/tform1.h"

#include <QResizeEvent>

namespace besedka {

void TForm1::N40Click() {
    if (!N40->isChecked()) {
        N40->setChecked(true);
        N40->setText(QStringLiteral("Normal"));
        // A window of fixed size cannot be maximised.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showMaximized();
        layOutFullScreen();
        return;
    }
    N40->setChecked(false);
    N40->setText(QStringLiteral("Full Screen"));
    const QRect normal = normalGeometry();
    showNormal();
    setFixedSize(normal.size());
    // Back where it was, too: the desktop may not put it back by itself.
    setGeometry(normal);
    TabControl1->resize(588, 313);
    RE1->resize(581, 305);
    TabControl2->setGeometry(TabControl2->x(), 312, 585, TabControl2->height());
    Speak->move(496, Speak->y());
    EnRus->move(453, EnRus->y());
    Cancel->move(426, Cancel->y());
    Input->resize(422, Input->height());
}

// The offsets are from the window's outer size, as the maximised window has it.
void TForm1::layOutFullScreen() {
    const int w = frameGeometry().width();
    const int h = frameGeometry().height();
    TabControl1->resize(w - 4, h - 92);
    RE1->resize(w - 11, h - 101);
    TabControl2->setGeometry(TabControl2->x(), h - 93, w - 5, TabControl2->height());
    Speak->move(w - 93, Speak->y());
    EnRus->move(w - 136, EnRus->y());
    Cancel->move(w - 163, Cancel->y());
    Input->resize(w - 167, Input->height());
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize client = centralWidget()->size();
    SB1->setGeometry(0, client.height() - SB1->height(), client.width(), SB1->height());
    // The platform maximises the window after the command, in one or more steps.
    if (N40->isChecked() && isMaximized())
        layOutFullScreen();
}

} // namespace besedka
