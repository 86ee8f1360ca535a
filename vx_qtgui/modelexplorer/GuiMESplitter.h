#pragma once

#include <QSplitter>

class GuiModelExplorer;

/// One of the explorer's three splitters (0: tree and accordion, 1: the model view, 2: list and
/// dialog pane); registers itself in the window's splitter slot. GUI thread.
class GuiMESplitter : public QSplitter {
    Q_OBJECT

public:
    GuiMESplitter(GuiModelExplorer* explorer, int index, Qt::Orientation orientation,
        QWidget* parent = nullptr);

protected:
    QSplitterHandle* createHandle() override;
};
