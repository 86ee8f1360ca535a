#include "examples/vxdemo/MenuKinds.h"

#include "engine/VXAction.h"
#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXComboBox.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXToolBar.h"
#include "examples/vxdemo/CommonProperties.h"
#include "examples/vxdemo/KindTable.h"

#include <vector>

using demotext::onOff;
using demotext::quoted;

namespace {

template <class T> T* lookupAs(const MenuKinds::Lookup& lookup, const std::string& name)
{
    auto* typed = dynamic_cast<T*>(lookup(name));
    if (!typed)
        throw CommandError("\"" + name + "\" is not the right kind of object here");
    return typed;
}

Kind action()
{
    Kind kind("action", "<id> <text> [accelerator] [checkable on|off] [tooltip]",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            const std::string accel = a.size() > 2 ? a.word(2, "accelerator") : "";
            const bool checkable = a.size() > 3 && a.flag(3, "checkable");
            const std::string tip = a.size() > 4 ? a.word(4, "tooltip") : "";
            return bridge.createAction(parent, a.integer(0, "id"), "", a.word(1, "text").c_str(),
                accel.c_str(), "", "", tip.c_str(), "", checkable, false, true, true);
        });
    kind.set<VXAction>("text", "<text>",
            [](VXAction& x, const CommandLine& a) { x.setText(a.text(0, "text")); })
        .set<VXAction>("accelerator", "<keys>",
            [](VXAction& x, const CommandLine& a) { x.setAccel(a.text(0, "keys")); })
        .set<VXAction>("icon", "<path>",
            [](VXAction& x, const CommandLine& a) { x.setIcon(a.text(0, "path")); })
        .set<VXAction>("checkable", "on|off",
            [](VXAction& x, const CommandLine& a) { x.setToggleAction(a.flag(0, "on|off")); })
        .set<VXAction>("on", "on|off",
            [](VXAction& x, const CommandLine& a) { x.setOn(a.flag(0, "on|off"), false); })
        .get<VXAction>("text", [](VXAction& x) { return quoted(x.getText()); })
        .get<VXAction>("accelerator", [](VXAction& x) { return quoted(x.getAccel()); })
        .get<VXAction>("on", [](VXAction& x) { return onOff(x.isOn()); })
        .get<VXAction>("checkable", [](VXAction& x) { return onOff(x.isToggleAction()); })
        .act<VXAction>("trigger", "", [](VXAction& x, const CommandLine&) { x.trigger(); })
        .act<VXAction>("toggle", "", [](VXAction& x, const CommandLine&) { x.toggle(); });
    return kind;
}

Kind popupMenu(const MenuKinds::Lookup& lookup)
{
    Kind kind("menu", "", [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
        return bridge.createPopupMenu(parent);
    });
    kind.set<VXPopupMenu>("add", "<action>",
            [lookup](VXPopupMenu& m, const CommandLine& a) {
                m.addMenuItem(lookupAs<VXAction>(lookup, a.word(0, "action")));
            })
        .set<VXPopupMenu>(
            "separator", "", [](VXPopupMenu& m, const CommandLine&) { m.addSeparator(); })
        .set<VXPopupMenu>("submenu", "<menu> <title>",
            [lookup](VXPopupMenu& m, const CommandLine& a) {
                m.addSubMenu(lookupAs<VXPopupMenu>(lookup, a.word(0, "menu")), a.text(1, "title"));
            })
        .set<VXPopupMenu>("clear", "", [](VXPopupMenu& m, const CommandLine&) { m.clear(); })
        .set<VXPopupMenu>("button", "<button>  (the button shows this menu)",
            [lookup](VXPopupMenu& m, const CommandLine& a) {
                lookupAs<VXButton>(lookup, a.word(0, "button"))->setMenu(&m);
            })
        .act<VXPopupMenu>("popup", "", [](VXPopupMenu& m, const CommandLine&) { m.popup(); });
    return kind;
}

Kind toolBar(const MenuKinds::Lookup& lookup)
{
    Kind kind("toolbar", "(parent: a window)",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
            return bridge.createToolBar(parent);
        });
    kind.set<VXToolBar>("add", "<action>",
            [lookup](VXToolBar& t, const CommandLine& a) {
                t.addAction(lookupAs<VXAction>(lookup, a.word(0, "action")));
            })
        .set<VXToolBar>("addwidget", "<widget>",
            [lookup](
                VXToolBar& t, const CommandLine& a) { t.addWidget(lookup(a.word(0, "widget"))); })
        .set<VXToolBar>("separator", "", [](VXToolBar& t, const CommandLine&) { t.addSeparator(); })
        .set<VXToolBar>("label", "<text>",
            [](VXToolBar& t, const CommandLine& a) { t.setLabel(a.text(0, "label")); })
        .set<VXToolBar>("style", "textonly|textbesideicon|textundericon",
            [](VXToolBar& t, const CommandLine& a) {
                t.setButtonStyle(a.word(0, "style").c_str());
            });
    return kind;
}

Kind comboBox()
{
    Kind kind("combobox", "[text]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createComboBox(parent, a.size() ? a.text(0, "text") : std::u16string());
    });
    CommonProperties::addAll<VXComboBox>(kind);
    kind.set<VXComboBox>("items", "<text>...",
            [](VXComboBox& c, const CommandLine& a) {
                std::vector<std::u16string> items;
                for (std::size_t i = 0; i < a.size(); ++i)
                    items.push_back(a.text(i, "item"));
                c.insertItems(items);
            })
        .set<VXComboBox>(
            "clearitems", "", [](VXComboBox& c, const CommandLine&) { c.removeAllItems(); })
        .set<VXComboBox>("current", "<index>",
            [](VXComboBox& c, const CommandLine& a) { c.setCurrentItem(a.integer(0, "index")); })
        .set<VXComboBox>("editable", "on|off",
            [](VXComboBox& c, const CommandLine& a) { c.setEditable(a.flag(0, "on|off")); })
        .set<VXComboBox>("casesensitive", "on|off",
            [](VXComboBox& c, const CommandLine& a) { c.setCaseSensitive(a.flag(0, "on|off")); })
        .get<VXComboBox>(
            "current", [](VXComboBox& c) { return std::to_string(c.getCurrentItem()); })
        .get<VXComboBox>("text", [](VXComboBox& c) { return quoted(c.getCurrentTextU()); })
        .get<VXComboBox>("items",
            [](VXComboBox& c) {
                std::vector<std::u16string> items;
                c.imGetAllItems(items);
                std::string all;
                for (const auto& item : items)
                    all += (all.empty() ? "" : " ") + quoted(item);
                return all;
            })
        .act<VXComboBox>("select", "<index>",
            [](VXComboBox& c, const CommandLine& a) { c.imSelect(a.integer(0, "index")); })
        .act<VXComboBox>("choose", "<text>",
            [](VXComboBox& c, const CommandLine& a) { c.imSelectByString(a.text(0, "text")); });
    return kind;
}

} // namespace

void MenuKinds::addTo(KindTable& table, const Lookup& lookup)
{
    table.add(action());
    table.add(popupMenu(lookup));
    table.add(toolBar(lookup));
    table.add(comboBox());
}
