// The message envelope and its payloads, without a GUI thread.
#include "engine/VXDebugOutputLogging.h"
#include "messaging/QtDoubleArrayMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStringIDMapMessage.h"
#include "messaging/QtStringMessage.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>
#include <vector>

namespace {

using vxtest::CountedMessage;
using vxtest::g_alive;

TEST(QtMessage, StartsUnsharedWithoutARecordAndTimestampedOnlyWhileLoggingIsOn)
{
    QtMessageHolder before(new QtMessage(nullptr, SSIsInViewMsg));
    EXPECT_EQ(before->m_syncControl, nullptr);
    EXPECT_EQ(before->referenceCount(), 1);
    EXPECT_EQ(before->m_timestamp, 0);
    VXDebugOutputLogging::setEnabled(true, nullptr); // on, writing nowhere
    QtMessageHolder during(new QtMessage(nullptr, ShowMsg));
    // Tracing a message built while logging was off measures from tick 0 and must not fail.
    before->debugOutput("VRIXOneMessage process message", true);
    VXDebugOutputLogging::setEnabled(false, nullptr);
    EXPECT_NE(during->m_timestamp, 0);
}

TEST(QtMessage, LastReleaseOnAnyThreadDestroysOnce)
{
    QtMessageHolder first(new CountedMessage(nullptr, HideMsg, 0));
    ASSERT_EQ(g_alive.load(), 1);
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([copy = first]() mutable {
            for (int j = 0; j < 1000; ++j) {
                QtMessageHolder again(copy);
                again.reset();
            }
            copy.reset();
        });
    }
    first.reset();
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(g_alive.load(), 0);
}

TEST(QtMessage, ReplyToAPostedMessageIsFreed)
{
    QtMessageHolder request(new QtMessage(nullptr, GetToolTipMsg));
    request->setReturnMsg(new CountedMessage(nullptr, HideMsg, 0));
    EXPECT_EQ(g_alive.load(), 0);
    request->setReturnMsg(nullptr);
}

TEST(QtMessagePayload, RectangleIsStoredWithInclusiveCorners)
{
    QtMessageHolder held(new QtRectMessage(nullptr, SetRectMsg));
    auto* rect = static_cast<QtRectMessage*>(held.get());
    rect->setRect(10, 20, 100, 30);
    EXPECT_EQ(std::make_tuple(rect->m_left, rect->m_top, rect->m_right, rect->m_bottom),
        std::make_tuple(10, 20, 109, 49));
}

TEST(QtMessagePayload, StringsConvertFromBothEncodingsAndNullBecomesEmpty)
{
    QtMessageHolder text(new QtStringMessage(nullptr, SetToolTipMsg, nullptr, true));
    EXPECT_TRUE(static_cast<QtStringMessage*>(text.get())->m_string.isEmpty());

    int parent = 0;
    QtMessageHolder four(new QtHandleStr4Message(
        nullptr, BTNCreateMsg, &parent, "label", nullptr, nullptr, nullptr, true));
    auto* m = static_cast<QtHandleStr4Message*>(four.get());
    EXPECT_EQ(m->m_handle, &parent);
    EXPECT_EQ((QStringList { m->m_string1, m->m_string2, m->m_string4 }),
        (QStringList { "label", "", "" }));

    QtMessageHolder alert(new QtHandleString6IntMessage(
        nullptr, MSGBOXCreateModalAlertMsg, nullptr, u"text", "OK", nullptr, nullptr, 1, nullptr));
    auto* a = static_cast<QtHandleString6IntMessage*>(alert.get());
    EXPECT_EQ((QStringList { a->m_string1, a->m_string2, a->m_string3, a->m_string6 }),
        (QStringList { "", "text", "OK", "" }));
    EXPECT_EQ(a->m_int, 1);

    const std::u16string wide = u"\u00e9t\u00e9 \u65e5\u672c";
    QtMessageHolder font(new QtStrInt4Message(nullptr, SetFontMsg, wide, 14, -1, -1, -1));
    auto* f = static_cast<QtStrInt4Message*>(font.get());
    EXPECT_EQ(f->m_string, QString::fromStdU16String(wide));
    EXPECT_EQ(std::make_pair(f->m_int1, f->m_int4), std::make_pair(14, -1));

    const QByteArray local = QString::fromStdU16String(wide).toLocal8Bit();
    QtMessageHolder narrow(
        new QtStrInt4Message(nullptr, SetFontMsg, local.constData(), 1, 2, 3, 4, false));
    EXPECT_EQ(
        static_cast<QtStrInt4Message*>(narrow.get())->m_string, QString::fromLocal8Bit(local));
}

TEST(QtMessagePayload, MapAndListMessagesCollectTheirEntries)
{
    QtMessageHolder mapHeld(new QtStringIDMapMessage(nullptr, MECreateMsg));
    auto* map = static_cast<QtStringIDMapMessage*>(mapHeld.get());
    map->addPair(3, u"three");
    map->addPair(1, u"one");
    map->addPair(3, u"drei");
    EXPECT_EQ(map->m_map.size(), 2);
    EXPECT_EQ(map->m_map.value(3), QStringLiteral("drei"));

    QtMessageHolder listHeld(new QtListInt2Message(nullptr, CMBInsertMultItemsMsg));
    auto* list = static_cast<QtListInt2Message*>(listHeld.get());
    list->addListItem("a");
    list->addListItem(u"b");
    list->addListItem(static_cast<const char*>(nullptr));
    EXPECT_EQ(list->m_list, (QList<QString> { "a", "b", "" }));
}

TEST(QtMessagePayload, ArrayMessageOwnsACopy)
{
    QtMessageHolder held(new QtDoubleArrayMessage(nullptr, GetBackgroundColorMsg));
    auto* colour = static_cast<QtDoubleArrayMessage*>(held.get());
    {
        const std::vector<double> rgb { 10.0, 20.0, 30.0 };
        colour->setValues(rgb.data(), 3);
    }
    ASSERT_EQ(colour->m_count, 3);
    EXPECT_EQ(colour->m_array[2], 30.0);
    colour->setValues(nullptr, 5);
    EXPECT_EQ(colour->m_count, 0);
    EXPECT_EQ(colour->m_array, nullptr);
}

} // namespace
