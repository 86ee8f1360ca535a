#pragma once

#include "vx_qtgui/modelexplorer/GuiMESplitter.h"

class GuiMEDialogList;
class GuiMEDialogPanel;

/// Splitter 2 of the explorer: the list side beside (or above) the dialog pane, with the pane's
/// show, hide and minimum-size rules. GUI thread.
class GuiMEDialogListView : public GuiMESplitter {
    Q_OBJECT

public:
    explicit GuiMEDialogListView(GuiModelExplorer* explorer, QWidget* parent = nullptr);

    GuiMEDialogList* dialogList() const { return m_dialogList; }
    GuiMEDialogPanel* dialogPanel() const { return m_dialogPanel; }

    void setLayoutVertical(bool vertical);
    bool isLayoutVertical() const { return orientation() == Qt::Vertical; }
    /// The list gets `width` of the two current sizes, the pane the rest (at least 0).
    void setListViewWidth(int width);
    int getListViewWidth() const;
    void setDialogPanel(bool show);
    /// A collapsed pane gets its minimum size; the list keeps the rest.
    void setDialogPanelMinSize();

private:
    int paneSize() const;

    GuiMEDialogList* m_dialogList;
    GuiMEDialogPanel* m_dialogPanel;
    // The pane was collapsed when it was last hidden, so showing it must give it room.
    bool m_restorePaneSize = true;
};
