#pragma once

class ListModel;

/// For its lifetime: the model in a reset (with `reset`), its pending list emptied first (with
/// `clearPending`). GUI thread.
class AutoReset {
public:
    AutoReset(ListModel* model, bool reset, bool clearPending);
    AutoReset(const AutoReset&) = delete;
    AutoReset& operator=(const AutoReset&) = delete;
    ~AutoReset();

private:
    ListModel* m_model;
    bool m_reset;
};
