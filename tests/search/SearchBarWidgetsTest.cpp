// The search bar's own widgets, without a host.
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"
#include "vx_qtgui/modelexplorer/search/SBComboBox.h"
#include "vx_qtgui/modelexplorer/search/SBComboBoxValidator.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(SBComboBoxValidatorTest, ItemsInAnyCaseAreAcceptableAndTheirStartsIntermediate)
{
    SBComboBox box;
    box.addItems({ "Alpha", "Beta" });
    SBComboBoxValidator validator(&box);
    const struct {
        const char* text;
        QValidator::State state;
        const char* fixed;
    } cases[] = {
        { "al", QValidator::Intermediate, "Alpha" },
        { "ALPHA", QValidator::Acceptable, "Alpha" },
        { "beta", QValidator::Acceptable, "Beta" },
        { "B", QValidator::Intermediate, "Beta" },
        { "x", QValidator::Invalid, "Alpha" },
        { "Alphas", QValidator::Invalid, "Alpha" },
    };
    for (const auto& c : cases) {
        QString text = QString::fromLatin1(c.text);
        int pos = 0;
        EXPECT_EQ(validator.validate(text, pos), c.state) << c.text;
        validator.fixup(text);
        EXPECT_EQ(text, c.fixed) << c.text;
    }
}

TEST(SBComboBoxTest, ReturnAndFocusLossDeliverTheValue)
{
    QWidget window;
    auto* box = new SBComboBox(&window);
    box->addItems({ "one", "two" });
    QSignalSpy delivered(box, &SBComboBox::cbValueEntered);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(delivered.count(), 1);
    EXPECT_EQ(delivered.takeFirst().at(1).toString(), "one");
    box->setCurrentIndex(1);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
    ASSERT_EQ(delivered.count(), 1);
    EXPECT_EQ(delivered.takeFirst().at(1).toString(), "two");
    QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(box, &toPopup);
    EXPECT_EQ(delivered.count(), 0) << "its own popup takes the focus without a value";
}

TEST(SearchCatalogueTextsTest, TextsTheCatalogueLacksKeepTheWidgetsOwn)
{
    GuiSearchBar bar(nullptr, nullptr);
    bar.setDynamicWidgets({ "Label", "Name:", "StringEdit", "gain" }, false);
    const QString label = bar.searchLabel()->text();
    const QString tip = bar.optionsButton()->toolTip();
    ASSERT_FALSE(label.isEmpty());
    ASSERT_FALSE(tip.isEmpty());
    bar.setCatalogueTexts(QString(), QStringLiteral("Los"), QString());
    EXPECT_EQ(bar.searchLabel()->text(), label);
    EXPECT_EQ(bar.searchButton()->text(), QStringLiteral("Los"));
    EXPECT_EQ(bar.optionsButton()->toolTip(), tip);

    GuiSearchPanel panel(nullptr, nullptr);
    const QString title = panel.headerLabel()->text();
    const QString expandTip = panel.expandButton()->toolTip();
    ASSERT_FALSE(title.isEmpty());
    panel.setCatalogueTexts(QString(), QString(), QStringLiteral("Weniger"));
    EXPECT_EQ(panel.headerLabel()->text(), title);
    EXPECT_EQ(panel.expandButton()->toolTip(), expandTip);
    panel.slotExpandCollapse();
    EXPECT_EQ(panel.expandButton()->toolTip(), QStringLiteral("Weniger"));
}

} // namespace
