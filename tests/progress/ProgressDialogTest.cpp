// Progress dialogs driven by the host through their emitters and canceled by the user.
#include "engine/VXGuiQueueThrottle.h"
#include "engine/VXProgressDialog.h"
#include "tests/support/WidgetTest.h"
#include "vrix/DpiScaling.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiProgressDialog.h"
#include "vx_qtgui/GuiUtil.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>
#include <ctime>

using namespace testing;
using namespace vxtest;

namespace {

// The host's side of the canceled notification (engine thread).
struct CancelCounter : VXIM::Listener {
    ~CancelCounter() override { disconnect(); }
    int count = 0;
};

class ProgressDialogTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        m_deferredDeletes = true; // a modal dialog is deleted later, after its proxy
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_dialog = own(new VXProgressDialog("qt", nullptr));
        VXIM::connectFunction(
            m_dialog->canceledEmitter, &m_cancels, [this] { ++m_cancels.count; },
            VXIM::Thread::getCurrentThread());
    }

    GuiProgressDialog* widget() { return widgetOf<GuiProgressDialog>(m_dialog); }

    // Waits until every packet emitted so far has been handled on the GUI thread.
    void settle()
    {
        m_dialog->setWindowTitleEmitter(u"settled");
        ASSERT_TRUE(
            pumpUntilOnGui([this] { return widget()->windowTitle() == QLatin1String("settled"); }));
    }

    // Settles, then runs `work` on the GUI thread.
    template <class F> void onSettled(F work)
    {
        settle();
        ASSERT_TRUE(runOnGuiThread(work));
    }

    CancelCounter m_cancels;
    VXProgressDialog* m_dialog = nullptr;
};

TEST_F(ProgressDialogTest, HundredThousandUpdatesKeepTheGuiQueueBoundedAndEndOnTheLast)
{
    const int last = 100000;
    m_dialog->setMaximumEmitter(2 * last); // the last value must not reset the dialog
    const VXIM::Thread gui = VXIM::Thread::getNamedThread("Qt");
    ASSERT_TRUE(gui.isValid());
    const std::size_t stallsBefore = VXGuiQueueThrottle::stalls();
    std::size_t longest = 0;
    for (int v = 1; v <= last; ++v) {
        m_dialog->setValueEmitter(v);
        longest = std::max(longest, gui.pendingPackets());
    }
    // Each emission the GUI thread let through while starved adds at most one packet.
    const std::size_t allowance = VXGuiQueueThrottle::stalls() - stallsBefore;
    EXPECT_LE(longest, VXGuiQueueThrottle::kHighWater + allowance);
    RecordProperty("longestGuiQueue", static_cast<int>(longest));
    ASSERT_TRUE(pumpUntilOnGui([this, last] { return widget()->value() == last; }));
    onSettled([&] { EXPECT_EQ(widget()->progressBar()->value(), last); });
}

TEST_F(ProgressDialogTest, CancelFromTheHostActsAsTheUserOnce)
{
    m_dialog->showEmitter();
    m_dialog->cancelEmitter();
    ASSERT_TRUE(pumpUntil([this] { return m_dialog->canceled.load(); }));
    ASSERT_TRUE(pumpUntil([this] { return m_cancels.count > 0; }));
    m_dialog->cancelEmitter(); // already canceled: nothing new to report
    settle();
    deliverEvents();
    EXPECT_EQ(m_cancels.count, 1);
    ASSERT_TRUE(runOnGuiThread([this] { EXPECT_TRUE(widget()->wasCanceled()); }));
}

TEST_F(ProgressDialogTest, ClosesAreIgnoredAndTheUsersCancelSetsTheFlagAndNotifiesOnce)
{
    m_dialog->showEmitter();
    onSettled([this] {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close); // as the window system sends it
        qApp->notify(widget(), &close); // sendEvent would clear the flag
        EXPECT_FALSE(close.isAccepted());
        EXPECT_FALSE(widget()->close()) << "a close from code must be vetoed as well";
        EXPECT_TRUE(widget()->isVisible());
    });
    deliverEvents();
    EXPECT_FALSE(m_dialog->canceled.load());
    EXPECT_EQ(m_cancels.count, 0);
    ASSERT_TRUE(runOnGuiThread([this] { // still attached to its proxy
        QPushButton* cancel = widget()->findChild<QPushButton*>();
        ASSERT_TRUE(cancel && cancel->isVisible());
        QTest::mouseClick(cancel, Qt::LeftButton);
    }));
    ASSERT_TRUE(pumpUntil([this] { return m_cancels.count > 0; }));
    EXPECT_TRUE(m_dialog->canceled.load());
    deliverEvents();
    EXPECT_EQ(m_cancels.count, 1) << "the user's cancel is reported once";
}

TEST_F(ProgressDialogTest, IsBuiltCentredAndCutsLongLabelsAndElidesLabelTextToTheFixedWidth)
{
    ASSERT_TRUE(runOnGuiThread([this] {
        GuiProgressDialog* dialog = widget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowFlags() & (Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
            Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
        EXPECT_EQ(dialog->progressBar()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        EXPECT_EQ(dialog->labelWidget()->font().family(), QStringLiteral("Helvetica"));
        EXPECT_EQ(dialog->labelWidget()->font().pointSize(), 10);
        EXPECT_EQ(dialog->findChild<QProgressBar*>(), dialog->progressBar());
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        EXPECT_EQ(dialog->pos(),
            QPoint(screen.width() / 2 - dialog->width() / 2,
                screen.height() / 2 - dialog->height() / 2));
    }));

    const std::string seventy(70, 'x');
    m_dialog->setLabelEmitter(seventy);
    onSettled([&] { EXPECT_EQ(widget()->labelWidget()->text(), QString::fromStdString(seventy)); });

    m_dialog->setLabelEmitter(std::string(65, 'a') + std::string(6, 'b'));
    onSettled([&] {
        EXPECT_EQ(widget()->labelWidget()->text(),
            QString(65, QLatin1Char('a')) + QStringLiteral("(...)"));
    });

    std::u16string longText(400, u'w');
    m_dialog->setLabelTextEmitter(longText);
    onSettled([&] {
        GuiProgressDialog* dialog = widget();
        EXPECT_EQ(dialog->size(), QSize(VRIX::toDpiScaled(255), VRIX::toDpiScaled(80)));
        const QString shown = dialog->labelWidget()->text();
        EXPECT_LT(shown.size(), 400);
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    });
}

TEST_F(ProgressDialogTest, TextsModalityAndHiddenCancelButton)
{
    m_dialog->setWindowModalityEmitter("modal"); // not a modality name: ignored
    m_dialog->setCancelButtonTextEmitter("Stop");
    m_dialog->setWindowIconEmitter("no/such/icon.png");
    onSettled([this] {
        EXPECT_EQ(widget()->windowModality(), Qt::NonModal);
        auto* button = widget()->findChild<QPushButton*>();
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("Stop"));
    });

    const char* icon = "toolbox/shared/orvidesk/resources/VelmarIcon.png";
    m_dialog->setWindowIconEmitter(icon);
    onSettled([this, icon] {
        const QImage expected
            = QIcon(GuiUtil::installationPath(QString::fromLatin1(icon))).pixmap(16, 16).toImage();
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(widget()->windowIcon().pixmap(16, 16).toImage(), expected);
    });

    m_dialog->setWindowModalityEmitter("WindowModal");
    onSettled([this] { EXPECT_EQ(widget()->windowModality(), Qt::WindowModal); });
    m_dialog->setWindowModalityEmitter("ApplicationModal");
    m_dialog->showEmitter();
    m_dialog->hideCancelButtonEmitter();
    onSettled([this] {
        EXPECT_EQ(widget()->windowModality(), Qt::ApplicationModal);
        for (QPushButton* button : widget()->findChildren<QPushButton*>())
            EXPECT_FALSE(button->isVisible());
    });
    // TearDown destroys the modal dialog, which goes later than its proxy.
}

TEST_F(ProgressDialogTest, DoProgressShowsOnlyAfterTheMinimumDurationOfCpuTime)
{
    m_dialog->setMinimumDurationEmitter(5000);
    m_dialog->doProgressEmitter(true, 1);
    onSettled([this] { EXPECT_FALSE(widget()->isVisible()); });

    // The dialog was built before this reading, so it has used at least this much CPU time.
    const std::clock_t built = std::clock();
    m_dialog->setMinimumDurationEmitter(2);
    volatile double sink = 0;
    while ((std::clock() - built) * 1000.0 / CLOCKS_PER_SEC <= 5)
        sink = sink + 1;
    m_dialog->hideEmitter(); // whatever Qt's own timer did, start hidden
    onSettled([this] { EXPECT_FALSE(widget()->isVisible()); });
    m_dialog->doProgressEmitter(false, 0);
    EXPECT_TRUE(pumpUntilOnGui([this] { return widget()->isVisible(); }));
}

TEST_F(ProgressDialogTest, MinimumAndModalDestroyWithCancelQueued)
{
    m_dialog->setMinimumEmitter(3);
    onSettled([this] { EXPECT_EQ(widget()->minimum(), 3); });

    m_dialog->setWindowModalityEmitter("ApplicationModal");
    m_dialog->showEmitter();
    settle();
    m_dialog->cancelEmitter();
    const void* key = m_dialog;
    destroy(m_dialog); // the modal dialog is closed now and deleted later
    EXPECT_TRUE(pumpUntilOnGui([key] { return widgetOf<GuiProgressDialog>(key) == nullptr; }));
}

} // namespace
