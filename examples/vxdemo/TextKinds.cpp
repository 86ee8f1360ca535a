#include "examples/vxdemo/TextKinds.h"

#include "engine/VXBridge.h"
#include "engine/VXEdit.h"
#include "engine/VXEditArea.h"
#include "engine/VXHyperLink.h"
#include "engine/VXImage.h"
#include "engine/VXSlider.h"
#include "engine/VXText.h"
#include "examples/vxdemo/CommonProperties.h"
#include "examples/vxdemo/KindTable.h"

using demotext::onOff;
using demotext::quoted;

namespace {

Kind edit()
{
    Kind kind("edit", "[text]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createEdit(parent, a.wordOr(0).c_str());
    });
    CommonProperties::addLook<VXEdit>(kind);
    CommonProperties::addState<VXEdit>(kind);
    kind.set<VXEdit>("minsize", "<width> <height>",
            [](VXEdit& e, const CommandLine& a) {
                e.setMinimumSize(a.integer(0, "width"), a.integer(1, "height"));
            })
        .set<VXEdit>("text", "<text>",
            [](VXEdit& e, const CommandLine& a) { e.setTextU(a.text(0, "text")); })
        .set<VXEdit>("placeholder", "<text>",
            [](VXEdit& e, const CommandLine& a) {
                e.setPlaceholderText(a.word(0, "text").c_str());
            })
        .set<VXEdit>("clearable", "on|off",
            [](VXEdit& e, const CommandLine& a) { e.setClearable(a.flag(0, "on|off")); })
        .set<VXEdit>("password", "on|off",
            [](VXEdit& e, const CommandLine& a) { e.setEchoMode(a.flag(0, "on|off")); })
        .get<VXEdit>("text", [](VXEdit& e) { return quoted(e.getTextU()); })
        .get<VXEdit>("placeholder", [](VXEdit& e) { return quoted(e.getPlaceholderText()); })
        .get<VXEdit>("password", [](VXEdit& e) { return onOff(e.getEchoMode()); })
        .get<VXEdit>("fontsize", [](VXEdit& e) { return std::to_string(e.imGetFontSize()); })
        .act<VXEdit>("type", "<text>",
            [](VXEdit& e, const CommandLine& a) { e.imSetTextU(a.text(0, "text")); });
    return kind;
}

Kind editArea()
{
    Kind kind("editarea", "", [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
        return bridge.createEditArea(parent);
    });
    CommonProperties::addAll<VXEditArea>(kind);
    kind.set<VXEditArea>("text", "<text>",
            [](VXEditArea& e, const CommandLine& a) { e.setText(a.word(0, "text").c_str()); })
        .set<VXEditArea>("file", "<path>",
            [](VXEditArea& e, const CommandLine& a) { e.setFile(a.word(0, "path").c_str()); })
        .set<VXEditArea>("wrap", "on|off",
            [](VXEditArea& e, const CommandLine& a) { e.setWordWrap(a.flag(0, "on|off")); })
        .get<VXEditArea>("text", [](VXEditArea& e) { return quoted(e.getText()); })
        .act<VXEditArea>("type", "<text>",
            [](VXEditArea& e, const CommandLine& a) { e.imSetText(a.word(0, "text").c_str()); });
    return kind;
}

Kind textLabel()
{
    Kind kind("text", "[text]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createTextBox(parent, a.wordOr(0).c_str());
    });
    CommonProperties::addAll<VXText>(kind);
    kind.set<VXText>(
            "text", "<text>", [](VXText& t, const CommandLine& a) { t.setText(a.text(0, "text")); })
        .set<VXText>("wrap", "on|off",
            [](VXText& t, const CommandLine& a) { t.setWordWrap(a.flag(0, "on|off")); })
        .get<VXText>("text", [](VXText& t) { return quoted(t.getText()); })
        .get<VXText>("fontsize", [](VXText& t) { return std::to_string(t.getFontSize()); });
    return kind;
}

Kind slider()
{
    Kind kind("slider", "[name]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createSlider(parent, a.wordOr(0).c_str());
    });
    kind.set<VXSlider>("range", "<minimum> <maximum>",
            [](VXSlider& s, const CommandLine& a) {
                s.setMinValue(a.integer(0, "minimum"));
                s.setMaxValue(a.integer(1, "maximum"));
            })
        .set<VXSlider>("value", "<value>",
            [](VXSlider& s, const CommandLine& a) { s.setValue(a.integer(0, "value")); })
        .set<VXSlider>("ticks", "<interval>",
            [](VXSlider& s, const CommandLine& a) { s.setTickInterval(a.integer(0, "interval")); })
        .set<VXSlider>("minsize", "<width> <height>",
            [](VXSlider& s, const CommandLine& a) {
                s.setMinimumSize(a.integer(0, "width"), a.integer(1, "height"));
            })
        .get<VXSlider>("value", [](VXSlider& s) { return std::to_string(s.value()); });
    return kind;
}

Kind image()
{
    Kind kind("image", "[name] [picture path]",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            return bridge.createImage(parent, a.wordOr(0).c_str(), a.wordOr(1).c_str());
        });
    CommonProperties::addGeometry<VXImage>(kind);
    CommonProperties::addState<VXImage>(kind);
    kind.set<VXImage>("picture", "<path>",
            [](VXImage& i, const CommandLine& a) { i.setFilePath(a.word(0, "path").c_str()); })
        .act<VXImage>("click", "", [](VXImage& i, const CommandLine&) { i.imClick(); });
    return kind;
}

Kind hyperLink()
{
    Kind kind(
        "hyperlink", "<text> <url>", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            return bridge.createHyperLink(
                parent, a.word(0, "text").c_str(), a.word(1, "url").c_str());
        });
    CommonProperties::addAll<VXHyperLink>(kind);
    kind.set<VXHyperLink>("url", "<url>",
            [](VXHyperLink& h, const CommandLine& a) { h.setURL(a.text(0, "url")); })
        .get<VXHyperLink>("url", [](VXHyperLink& h) { return quoted(h.getURL()); })
        .act<VXHyperLink>("click", "", [](VXHyperLink& h, const CommandLine&) { h.click(); });
    return kind;
}

} // namespace

void TextKinds::addTo(KindTable& table)
{
    table.add(edit());
    table.add(editArea());
    table.add(textLabel());
    table.add(slider());
    table.add(image());
    table.add(hyperLink());
}
