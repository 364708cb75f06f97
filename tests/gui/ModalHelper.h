#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace qb::test {

// Acts on the next modal dialog as soon as it is shown. Polls, because a dialog is not there yet
// when the action that opens it is sent; gives up after `timeoutMs`, closing whatever modal is
// open, so a broken test fails fast instead of hanging.
inline void whenModal(std::function<void(QWidget*)> act, int timeoutMs = 3000) {
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, act, timeoutMs] {
        *elapsed += 10;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace qb::test
