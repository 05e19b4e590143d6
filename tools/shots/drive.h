// Driving the real window from a tool: events handled, mouse presses on board cells, every box
// answered with its default button as soon as it is up.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "window/main_window.h"

namespace orizen::window {

inline void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// A press on the centre of screen cell (x, y), as the mouse gives it.
inline void press(MainWindow& w, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    BoardWidget* board = w.board();
    const QPointF pos =
        board->fromUnits(QPointF(BoardLeft + (x + 0.5) * SquareWidth, BoardTop + (y + 0.5) * SquareHeight));
    QMouseEvent e(QEvent::MouseButtonPress, pos, board->mapToGlobal(pos), b, b, Qt::NoModifier);
    QApplication::sendEvent(board, &e);
    settle();
}

// Every `ms` milliseconds, the modal box up (if any) is answered with its default button.
inline void answerBoxes(QTimer& timer, int ms) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->defaultButton() ? box->defaultButton()->click() : box->accept();
    });
    timer.start(ms);
}

}  // namespace orizen::window
