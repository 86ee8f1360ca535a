#pragma once

#include "tests/support/GuiThreadRunner.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vxtest {

/// Any thread, before the engine thread opens a modal dialog (and blocks in it): the next
/// visible modal `Dialog` is passed to `answer` on the GUI thread, as a user would act on it.
/// Gives up after about thirty seconds so that a dialog that never came answers no later one.
template <class Dialog> void answerNextDialog(std::function<void(Dialog*)> answer)
{
    ASSERT_TRUE(runOnGuiThread([answer] {
        auto* timer = new QTimer(qApp);
        auto ticks = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, [timer, answer, ticks] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            const bool expired = ++*ticks > 3000;
            if (!expired && (!dialog || !dialog->isVisible()))
                return;
            timer->stop();
            timer->deleteLater();
            if (!expired)
                answer(dialog);
        });
        timer->start(10);
    }));
}

} // namespace vxtest
