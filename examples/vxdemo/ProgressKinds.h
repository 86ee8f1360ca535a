#pragma once

class KindTable;

/// The progress bar and the progress dialog, both driven through their proxies' emitters.
class ProgressKinds {
public:
    static void addTo(KindTable& table);
};
