#pragma once

#include <QSplitterHandle>

/// The explorer splitters' handle: on scaled displays it shows the resize cursor itself, which
/// the platform does not do there. GUI thread.
class GuiMESplitterHandle : public QSplitterHandle {
    Q_OBJECT

public:
    GuiMESplitterHandle(Qt::Orientation orientation, QSplitter* parent);
};
