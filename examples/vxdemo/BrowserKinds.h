#pragma once

class KindTable;

/// The text browser (and its "Informer" variant) and the web-browser control.
class BrowserKinds {
public:
    static void addTo(KindTable& table);
};
