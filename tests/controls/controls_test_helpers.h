#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <vector>

#include "controls/twips.h"

namespace lumeta::testing {

using Caught = std::vector<std::vector<double>>;

// Every mouse signal a spy caught as button, shift, x, y, the twips turned back into pixels.
inline Caught MouseArgs(const QWidget* widget, const QList<QList<QVariant>>& spy) {
    const TwipScale scale = TwipScale::ForWidget(widget);
    Caught caught;
    for (const QList<QVariant>& args : spy)
        caught.push_back({args.at(0).toDouble(), args.at(1).toDouble(),
                          std::round(args.at(2).toDouble() / scale.TwipsPerPixelX * 1000) / 1000,
                          std::round(args.at(3).toDouble() / scale.TwipsPerPixelY * 1000) / 1000});
    return caught;
}

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
