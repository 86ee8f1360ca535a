#pragma once

class QWidget;

/// For its lifetime: updates of the view suspended (with `suspend`), restored as they were.
/// GUI thread.
class AutoUpdate {
public:
    AutoUpdate(QWidget* view, bool suspend);
    AutoUpdate(const AutoUpdate&) = delete;
    AutoUpdate& operator=(const AutoUpdate&) = delete;
    ~AutoUpdate();

private:
    QWidget* m_view;
    bool m_restore;
};
