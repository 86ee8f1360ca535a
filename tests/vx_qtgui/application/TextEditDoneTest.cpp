// The text-edit-done rule: a press outside the focused widget ends its edit first.
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiEventTypes.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using vxtest::runOnGuiThread;

namespace {

// Records edit-done events and presses, in order, for the widgets it watches.
class Recorder : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == VRIX::TextEditDoneEventType())
            log.push_back(watched->objectName().toStdString() + ":done");
        else if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            log.push_back(watched->objectName().toStdString() + ":press");
        return false;
    }
    std::vector<std::string> log;
};

// A window with an edit field, a button and a panel that never cancels edits. GUI thread.
struct Form {
    Form()
    {
        window.setGeometry(50, 50, 300, 200);
        auto* layout = new QVBoxLayout(&window);
        keeper->setMinimumHeight(40);
        keeper->setProperty("neverCancelsTextEdit", true);
        layout->addWidget(edit);
        layout->addWidget(button);
        layout->addWidget(keeper);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }

    // Names `widget` for the log and watches it.
    template <class W> W* watched(W* widget, const char* name)
    {
        widget->setObjectName(QLatin1String(name));
        widget->installEventFilter(&recorder);
        return widget;
    }

    // A left press at the centre of `target`, delivered the way Qt delivers one.
    void press(QWidget* target, QEvent::Type type = QEvent::MouseButtonPress)
    {
        const QPoint local = target->rect().center();
        QMouseEvent e(type, local, target->window()->mapFromGlobal(target->mapToGlobal(local)),
            target->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }

    Recorder recorder;
    QWidget window;
    QLineEdit* edit = watched(new QLineEdit, "edit");
    QPushButton* button = watched(new QPushButton(QStringLiteral("Apply")), "button");
    QWidget* keeper = new QWidget;
    QPushButton* keeperChild
        = watched(new QPushButton(QStringLiteral("Inside"), keeper), "keeperChild");
};

// A press anywhere but at the centre of a widget: at (1, 1) of `target`, far off screen.
void pressOff(QWidget* target)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(9000, 9000), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// What a user does to the form with the edit field focused, and what the widgets then see.
struct Press {
    const char* name;
    std::function<void(Form&)> act;
    std::vector<std::string> seen;
};

// The rule lives in the running application's notify(); each row gets a fresh form.
TEST(TextEditDone, APressOutsideTheFocusedFieldEndsItsEditFirstUnlessMarkedToKeepIt)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    const Press presses[] = {
        { "on a button", [](Form& f) { f.press(f.button); }, { "edit:done", "button:press" } },
        { "double on a button", [](Form& f) { f.press(f.button, QEvent::MouseButtonDblClick); },
            { "edit:done", "button:press" } },
        { "inside the field", [](Form& f) { f.press(f.edit); }, { "edit:press" } },
        { "in a marked panel", [](Form& f) { f.press(f.keeperChild); }, { "keeperChild:press" } },
        { "on a marked button",
            [](Form& f) {
                f.button->setProperty("neverCancelsTextEdit", true);
                f.press(f.button);
            },
            { "button:press" } },
        { "in a popup menu",
            [](Form&) {
                QMenu menu;
                menu.addAction(QStringLiteral("Item"));
                pressOff(&menu);
            },
            {} },
        // A widget never shown: no widget lies under the press.
        { "outside every widget",
            [](Form&) {
                QWidget stray;
                pressOff(&stray);
            },
            { "edit:done" } },
        { "a release only", [](Form& f) { f.press(f.button, QEvent::MouseButtonRelease); }, {} },
        { "without a focus widget",
            [](Form& f) {
                f.edit->clearFocus();
                QApplication::setActiveWindow(nullptr);
                ASSERT_EQ(QApplication::focusWidget(), nullptr);
                f.press(f.button);
            },
            { "button:press" } },
    };
    for (const Press& row : presses) {
        ASSERT_TRUE(runOnGuiThread([&] {
            Form form;
            // Checked on the GUI thread, where a scoped trace would not reach: name the row.
            ASSERT_EQ(QApplication::focusWidget(), form.edit) << row.name;
            row.act(form);
            EXPECT_EQ(form.recorder.log, row.seen) << row.name;
        }));
    }
}

TEST(RegisteredEventTypes, DistinctStableAndInTheUserRange)
{
    const int done = VRIX::TextEditDoneEventType();
    const int ok = GuiApplication::OD_OK_EDIT_WIDGET_EVENT_TYPE();
    const int cancel = GuiApplication::OD_CANCEL_EDIT_WIDGET_EVENT_TYPE();
    EXPECT_TRUE(done >= QEvent::User && done <= QEvent::MaxUser) << done;
    EXPECT_TRUE(done != ok && done != cancel && ok != cancel) << done << " " << ok << " " << cancel;
    EXPECT_EQ(GuiApplication::OD_OK_EDIT_WIDGET_EVENT_TYPE(), ok);
}

} // namespace
