#pragma once

#include <functional>

class QWidget;

namespace lumeta {

// Runs work once, after the window's first picture has gone to the screen and the events
// waiting then have been handled: what that picture does not need never delays it.
void AfterFirstPaint(QWidget& window, std::function<void()> work);

}  // namespace lumeta
