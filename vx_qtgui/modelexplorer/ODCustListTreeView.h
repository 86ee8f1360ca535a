#pragma once

#include "vx_qtgui/modelexplorer/GuiTreeAccordion.h"

class GuiModelExplorer;

/// Splitter 0 of the explorer: the tree panel above the accordion of extra panes. Registered
/// with the window, which reports the splitter positions on each of its resizes. GUI thread.
class ODCustListTreeView : public GuiTreeAccordion {
    Q_OBJECT

public:
    ODCustListTreeView(GuiModelExplorer* explorer, GuiTreePanel* panel, QWidget* parent);
};
