#include "engine/VXDebugOutputLogging.h"
#include "engine/VXEvent.h"
#include "engine/VXEventCatalogue.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/VXMessageCatalogue.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCreationRoute.h"
#include "vx_qtgui/GuiObject.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cxxabi.h>
#include <set>
#include <string>

using vxtest::runOnGuiThread;

namespace {

using Catalogue = VXMessageCatalogue;

std::string classOf(const QtMessage& message)
{
    int status = 0;
    char* readable = abi::__cxa_demangle(typeid(message).name(), nullptr, nullptr, &status);
    const std::string name = readable ? readable : typeid(message).name();
    std::free(readable);
    return name;
}

class MessageCatalogueRowTest : public ::testing::TestWithParam<std::size_t> {
protected:
    const Catalogue::Row& row() const { return Catalogue::rows()[GetParam()]; }
};

TEST_P(MessageCatalogueRowTest, RowPayloadAndDeliveryPassAndOthersAreRefused)
{
    const Catalogue::Row& r = row();
    int key = 0;
    const QtMessageHolder message(Catalogue::make(r.id, &key));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->messageType(), r.id);
    EXPECT_EQ(message->type(), QEvent::Type(VXMessageEventBase + r.id));
    EXPECT_EQ(Catalogue::find(r.id), &r);
    if (r.delivery == Catalogue::Open) {
        EXPECT_TRUE(Catalogue::fitsPayload(*message, "test", true))
            << "an open row takes any class";
        return;
    }
    EXPECT_EQ(classOf(*message), r.payload);

    // The peer side: the row's delivery passes, the other one is refused.
    if (r.delivery == Catalogue::Post || r.delivery == Catalogue::Send) {
        const bool sent = r.delivery == Catalogue::Send;
        EXPECT_TRUE(Catalogue::fits(*message, sent, "test"));
        const int before = Catalogue::mismatchCount();
        EXPECT_FALSE(Catalogue::fits(*message, !sent, "test"));
        EXPECT_EQ(Catalogue::mismatchCount(), before + 1) << "a refusal is counted";
    }
    EXPECT_EQ(r.reply == Catalogue::ReplyMessage, r.replyClass != nullptr);
    EXPECT_TRUE(r.delivery != Catalogue::Post || r.reply == Catalogue::NoReply)
        << "a posted message has nobody to answer";

    // The GUI side: the row's class passes; a class of another shape does not.
    EXPECT_TRUE(Catalogue::fitsPayload(*message, "test"));
    const bool bare = std::string(r.payload) == "QtMessage";
    const QtMessageHolder other(bare ? new QtBoolMessage(&key, r.id) : new QtMessage(&key, r.id));
    EXPECT_FALSE(Catalogue::fitsPayload(*other, "test", true));
    if (!bare) {
        EXPECT_FALSE(Catalogue::fitsPayload(*other, "test"))
            << "a handler would read " << r.payload << " fields from a bare message";
    }
}

std::string rowName(const ::testing::TestParamInfo<std::size_t>& info)
{
    return Catalogue::rows()[info.param].name;
}

INSTANTIATE_TEST_SUITE_P(EveryRow, MessageCatalogueRowTest,
    ::testing::Range<std::size_t>(0, Catalogue::rowCount()), rowName);

TEST(MessageCatalogueTest, IdsAreUniqueAscendingAndUnknownIdsAreRefused)
{
    for (std::size_t i = 1; i < Catalogue::rowCount(); ++i)
        EXPECT_LT(Catalogue::rows()[i - 1].id, Catalogue::rows()[i].id);
    EXPECT_EQ(Catalogue::find(11), nullptr) << "11 is a gap in the catalogue";
    EXPECT_EQ(Catalogue::make(478, nullptr), nullptr);
    const QtMessageHolder foreign(new QtMessage(nullptr, VXMessageType(5000)));
    EXPECT_FALSE(Catalogue::fitsPayload(*foreign, "test"));
}

TEST(MessageCatalogueTest, DebugNamesAreTheNamedRowsExactly)
{
    std::size_t named = 0;
    for (std::size_t i = 0; i < Catalogue::rowCount(); ++i) {
        const Catalogue::Row& r = Catalogue::rows()[i];
        const char* name = VXDebugOutputLogging::getMessageName(r.id);
        if (r.named) {
            ++named;
            EXPECT_STREQ(name, r.name);
        } else {
            EXPECT_EQ(name, nullptr) << r.name << " must print as an unknown id";
        }
    }
    EXPECT_EQ(named, std::size_t(VXDebugOutputLogging::MessageMapSize));
    std::size_t namedEvents = 0;
    for (std::size_t i = 0; i < VXEventCatalogue::rowCount(); ++i) {
        const VXEventCatalogue::Row& r = VXEventCatalogue::rows()[i];
        const char* name = VXDebugOutputLogging::getEventName(static_cast<int>(r.type));
        EXPECT_EQ(name != nullptr, r.named) << r.name;
        namedEvents += r.named ? 1 : 0;
        EXPECT_STREQ(VXEventCatalogue::name(r.type), r.name);
    }
    EXPECT_EQ(namedEvents, std::size_t(VXDebugOutputLogging::EventMapSize));
}

TEST(MessageCatalogueTest, EventOfAnotherPayloadClassIsRefusedAndCounted)
{
    VXEvent plain(MouseMoveEvent, nullptr); // its row says VXEventMouse
    const int before = VXEventCatalogue::mismatchCount();
    EXPECT_FALSE(VXEventCatalogue::fits(plain));
    EXPECT_EQ(VXEventCatalogue::mismatchCount(), before + 1);
    VXEvent press(ButtonPressEvent, nullptr);
    EXPECT_TRUE(VXEventCatalogue::fits(press));
}

// Progress kinds need a live proxy and build nothing without one.
TEST(MessageCatalogueTest, EveryCreationRowBuildsItsWidgetFromItsPayloadClass)
{
    ASSERT_NO_FATAL_FAILURE(vxtest::startGuiThreadOnce());
    const std::set<int> needProxy = { ProgressBarCreateMsg, ProgressDialogCreateMsg };
    int created = 0;
    for (std::size_t i = 0; i < Catalogue::rowCount(); ++i) {
        const Catalogue::Row& r = Catalogue::rows()[i];
        bool isCreation = false;
        runOnGuiThread([&] { isCreation = GuiCreationRoute::find(r.id) != nullptr; });
        if (!isCreation || needProxy.count(r.id))
            continue;
        static int keys[64];
        void* key = &keys[created % 64];
        const int mismatches = Catalogue::mismatchCount();
        vxtest::send(Catalogue::make(r.id, key));
        EXPECT_EQ(Catalogue::mismatchCount(), mismatches) << r.name;
        runOnGuiThread([&] {
            GuiObject* object = GuiApplication::findWidget(key);
            EXPECT_NE(object, nullptr) << r.name << " built nothing from its own payload class";
            delete object;
        });
        ++created;
    }
    EXPECT_GT(created, 30) << "the loop found too few creation rows to mean anything";
}

} // namespace
