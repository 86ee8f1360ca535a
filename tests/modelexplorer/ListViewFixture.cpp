#include "tests/modelexplorer/ListViewFixture.h"

#include "engine/VXBridge.h"
#include "engine/VXPanel.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "host/HostObjectDataFactory.h"
#include "tests/modelexplorer/ModelTester.h"
#include "tests/modelexplorer/TesterFailures.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/itemviews/ListViewDelegate.h"

#include <string>

namespace {
VXPropertyAttribute attributeFor(unsigned kind)
{
    // Bits: valid, greyed, read-only, hyperlink, boolean.
    return VXPropertyAttribute(
        !(kind & Missing), false, kind & ReadOnly, kind & Link, kind & Boolean);
}
} // namespace

void ListViewFixture::SetUp()
{
    ASSERT_NO_FATAL_FAILURE(startLeakCheckAndHost());
    m_owner = own(vxtest::bridge()->createPanel());
    ASSERT_NE(m_owner, nullptr);
    m_host.watch(m_owner);
    build(false, 6);
}

void ListViewFixture::startLeakCheckAndHost()
{
    WidgetLeakTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    VXHost::installObjectDataFactory();
    vxtest::testerfailures::start();
}

void ListViewFixture::TearDown()
{
    destroyView();
    WidgetLeakTest::TearDown();
}

void ListViewFixture::destroyView()
{
    vxtest::runOnGuiThread([&] {
        delete m_view;
        m_proxyTester.reset();
        m_modelTester.reset();
        delete m_proxy;
        delete m_model;
    });
    m_view = nullptr;
    m_proxy = nullptr;
    m_model = nullptr;
}

VXMEObjectMessageData* ListViewFixture::row(
    int id, unsigned kindCell, unsigned doneCell, unsigned linkCell, const char16_t* done)
{
    const std::u16string name = u"row" + std::u16string(1, char16_t(u'0' + id % 10));
    auto* record = makeRecord(std::uintptr_t(id),
        { name.c_str(), id % 2 ? u"A" : u"B", done, u"open" }, name, id % 2 ? u"A" : u"B");
    record->listAttributes = new VXMEObjectMessageData::AttributeVector { attributeFor(Plain),
        attributeFor(kindCell), attributeFor(doneCell), attributeFor(linkCell) };
    return record;
}

void ListViewFixture::build(bool spreadsheet, int rows)
{
    destroyView();
    ASSERT_TRUE(vxtest::runOnGuiThread([&] {
        m_model = new ListModel(spreadsheet);
        m_modelTester = vxtest::watchModel(m_model);
        m_model->setHeaderInfo(0, " ", 20, false, QString());
        m_model->setHeaderInfo(1, "Name", 80, false, QString());
        m_model->setHeaderInfo(2, "Info.Kind", 80, false, QString());
        m_model->setHeaderInfo(3, "Done", 60, false, QString());
        m_model->setHeaderInfo(4, "Link", 80, false, QString());
        m_proxy = new ListProxyModel;
        m_proxy->setSourceModel(m_model);
        m_proxyTester = vxtest::watchModel(m_proxy);
        m_view = new GuiListView(m_model, m_proxy, m_owner);
        m_view->resize(640, 320);
        m_view->show();
        OwnedRecords records;
        for (int i = 1; i <= rows; ++i)
            records.push_back(row(i));
        replaceRows(std::move(records));
    }));
}

void ListViewFixture::replaceRows(OwnedRecords records)
{
    m_view->replaceList(&records, QString(), false);
}

void ListViewFixture::replaceWithIndexRows(UDInterface* owner, int count)
{
    OwnedRecords records;
    for (int i = 0; i < count; ++i) {
        auto* r = new VXMEObjectData(nullptr);
        r->owner = owner;
        r->index = std::uint64_t(i);
        records.push_back(r);
    }
    replaceRows(std::move(records));
}

QPoint ListViewFixture::cell(int row, int column) const
{
    return m_view->visualRect(m_proxy->index(row, column)).center();
}

QPoint ListViewFixture::checkBox(const GuiListView* view, const QModelIndex& index)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    option.widget = view;
    option.font = view->font();
    return view->listDelegate()->checkBoxRect(option, index).center();
}
