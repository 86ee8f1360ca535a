#pragma once

class KindTable;

/// The Model Explorer over the demo's object store: made with the store, driven as the user.
class ExplorerKinds {
public:
    static void addTo(KindTable& table);
};
