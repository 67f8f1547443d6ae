#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace lumeta::testing {

// Calls `call`, which shows a modal window, and works the window with `act` once it is up.
// A window still open after five seconds fails the test and is closed, so no test hangs.
template <typename Call>
auto WhileModal(QObject* context, std::function<void()> act, Call call) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, context, [] {
        ADD_FAILURE() << "the window was left open";
        while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->done(QDialog::Rejected);
    });
    guard.start(5000);
    QTimer::singleShot(0, context, [act] {
        if (QTest::qWaitFor([] { return QApplication::activeModalWidget(); })) act();
    });
    return call();
}

}  // namespace lumeta::testing
