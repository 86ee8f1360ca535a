#include "examples/vxdemo/ButtonKinds.h"

#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXCheckBox.h"
#include "engine/VXGroupedRadioButton.h"
#include "engine/VXImageCheckBox.h"
#include "engine/VXRadioButton.h"
#include "examples/vxdemo/CommonProperties.h"
#include "examples/vxdemo/KindTable.h"

#include <vector>

using demotext::onOff;
using demotext::quoted;

namespace {

Kind button()
{
    Kind kind("button", "[label]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createButton(parent, a.textOr(0));
    });
    CommonProperties::addAll<VXButton>(kind);
    kind.set<VXButton>("label", "<text>",
            [](VXButton& b, const CommandLine& a) { b.setLabel(a.text(0, "label")); })
        .set<VXButton>("icon", "<path>",
            [](VXButton& b, const CommandLine& a) { b.setIcon(a.word(0, "path").c_str()); })
        .set<VXButton>("default", "on|off",
            [](VXButton& b, const CommandLine& a) { b.setDefault(a.flag(0, "on|off")); })
        .set<VXButton>("flat", "on|off",
            [](VXButton& b, const CommandLine& a) { b.setFlat(a.flag(0, "on|off")); })
        .get<VXButton>("tooltip", [](VXButton& b) { return quoted(b.imGetToolTip()); })
        .get<VXButton>("iconset", [](VXButton& b) { return onOff(b.isIconSet()); })
        .act<VXButton>("click", "", [](VXButton& b, const CommandLine&) { b.click(); });
    return kind;
}

Kind checkBox()
{
    Kind kind("checkbox", "[label]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createCheckBox(parent, a.textOr(0));
    });
    CommonProperties::addAll<VXCheckBox>(kind);
    kind.set<VXCheckBox>("label", "<text>",
            [](VXCheckBox& c, const CommandLine& a) { c.setLabel(a.text(0, "label")); })
        .set<VXCheckBox>("checked", "on|off",
            [](VXCheckBox& c, const CommandLine& a) { c.setChecked(a.flag(0, "on|off")); })
        .get<VXCheckBox>("label", [](VXCheckBox& c) { return quoted(c.getLabel()); })
        .get<VXCheckBox>("checked", [](VXCheckBox& c) { return onOff(c.getChecked()); })
        .get<VXCheckBox>("background",
            [](VXCheckBox& c) {
                double red = 0, green = 0, blue = 0;
                const bool known = c.getBackgroundColor(red, green, blue);
                return demotext::color(known, red, green, blue);
            })
        .act<VXCheckBox>("check", "on|off",
            [](VXCheckBox& c, const CommandLine& a) { c.imSetChecked(a.flag(0, "on|off")); });
    return kind;
}

Kind radioButton()
{
    Kind kind("radio", "", [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
        return bridge.createRadioButton(parent);
    });
    CommonProperties::addState<VXRadioButton>(kind);
    kind.set<VXRadioButton>("label", "<text>",
            [](VXRadioButton& r, const CommandLine& a) { r.setLabel(a.text(0, "label")); })
        .get<VXRadioButton>("label", [](VXRadioButton& r) { return quoted(r.getLabel()); })
        .get<VXRadioButton>("checked", [](VXRadioButton& r) { return onOff(r.isChecked()); });
    return kind;
}

Kind groupedRadioButton()
{
    Kind kind("radiogroup", "[count] (then: set <name> items <label>...)",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            return bridge.createGroupedRadioButton(parent, a.size() ? a.integer(0, "count") : 0);
        });
    CommonProperties::addAll<VXGroupedRadioButton>(kind);
    kind.set<VXGroupedRadioButton>("items", "<label>...",
            [](VXGroupedRadioButton& g, const CommandLine& a) {
                std::vector<std::u16string> labels;
                for (std::size_t i = 0; i < a.size(); ++i)
                    labels.push_back(a.text(i, "label"));
                g.insertRadioButtons(labels);
            })
        .set<VXGroupedRadioButton>("current", "<index>",
            [](VXGroupedRadioButton& g, const CommandLine& a) {
                g.setCurrentItem(a.integer(0, "index"));
            })
        .set<VXGroupedRadioButton>("title", "<text>",
            [](VXGroupedRadioButton& g, const CommandLine& a) { g.setTitle(a.text(0, "title")); })
        .set<VXGroupedRadioButton>("horizontal", "on|off",
            [](VXGroupedRadioButton& g, const CommandLine& a) {
                g.setOrientHorizontal(a.flag(0, "on|off"));
            })
        .set<VXGroupedRadioButton>("border", "on|off",
            [](VXGroupedRadioButton& g, const CommandLine& a) {
                g.setShowBorder(a.flag(0, "on|off"));
            })
        .get<VXGroupedRadioButton>(
            "current", [](VXGroupedRadioButton& g) { return std::to_string(g.getCurrentItem()); })
        .get<VXGroupedRadioButton>(
            "count", [](VXGroupedRadioButton& g) { return std::to_string(g.getNumButtons()); })
        .act<VXGroupedRadioButton>("select", "<index>",
            [](VXGroupedRadioButton& g, const CommandLine& a) { g.select(a.integer(0, "index")); });
    return kind;
}

Kind imageCheckBox()
{
    Kind kind("foldarrow", "[name]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createImageCheckBox(parent, a.wordOr(0).c_str());
    });
    kind.set<VXImageCheckBox>("title", "<text>",
            [](VXImageCheckBox& i, const CommandLine& a) { i.setTitle(a.text(0, "title")); })
        .set<VXImageCheckBox>("folded", "on|off",
            [](VXImageCheckBox& i, const CommandLine& a) { i.setToggled(a.flag(0, "on|off")); });
    return kind;
}

} // namespace

void ButtonKinds::addTo(KindTable& table)
{
    table.add(button());
    table.add(checkBox());
    table.add(radioButton());
    table.add(groupedRadioButton());
    table.add(imageCheckBox());
}
