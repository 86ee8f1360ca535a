#include "examples/vxdemo/ProgressKinds.h"

#include "engine/VXProgressBar.h"
#include "engine/VXProgressDialog.h"
#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/KindTable.h"

namespace {

Kind progressBar()
{
    // The proxy asks the running bridge for its widget itself.
    Kind kind("progressbar", "", [](VXBridge&, VXWidget* parent, const CommandLine&) {
        return new VXProgressBar("qt", parent);
    });
    kind.set<VXProgressBar>("range", "<minimum> <maximum>",
            [](VXProgressBar& p, const CommandLine& a) {
                p.setMinimumEmitter(a.integer(0, "minimum"));
                p.setMaximumEmitter(a.integer(1, "maximum"));
            })
        .set<VXProgressBar>("value", "<value>", [](VXProgressBar& p, const CommandLine& a) {
            p.setValueEmitter(a.integer(0, "value"));
        });
    return kind;
}

Kind progressDialog()
{
    Kind kind("progressdialog", "", [](VXBridge&, VXWidget* parent, const CommandLine&) {
        return new VXProgressDialog("qt", parent);
    });
    kind.set<VXProgressDialog>("range", "<minimum> <maximum>",
            [](VXProgressDialog& p, const CommandLine& a) {
                p.setMinimumEmitter(a.integer(0, "minimum"));
                p.setMaximumEmitter(a.integer(1, "maximum"));
            })
        .set<VXProgressDialog>("value", "<value>",
            [](VXProgressDialog& p, const CommandLine& a) {
                p.setValueEmitter(a.integer(0, "value"));
            })
        .set<VXProgressDialog>("label", "<text>",
            [](VXProgressDialog& p, const CommandLine& a) {
                p.setLabelTextEmitter(a.text(0, "text"));
            })
        .set<VXProgressDialog>("title", "<text>",
            [](VXProgressDialog& p, const CommandLine& a) {
                p.setWindowTitleEmitter(a.text(0, "title"));
            })
        .set<VXProgressDialog>("canceltext", "<text>",
            [](VXProgressDialog& p, const CommandLine& a) {
                p.setCancelButtonTextEmitter(a.word(0, "text"));
            })
        .set<VXProgressDialog>("visible", "on|off",
            [](VXProgressDialog& p, const CommandLine& a) {
                if (a.flag(0, "on|off"))
                    p.showEmitter();
                else
                    p.hideEmitter();
            })
        .get<VXProgressDialog>(
            "canceled", [](VXProgressDialog& p) { return demotext::onOff(p.canceled.load()); })
        .act<VXProgressDialog>(
            "cancel", "", [](VXProgressDialog& p, const CommandLine&) { p.cancelEmitter(); });
    return kind;
}

} // namespace

void ProgressKinds::addTo(KindTable& table)
{
    table.add(progressBar());
    table.add(progressDialog());
}
