#pragma once

#include "vrix/services/ApplicationContext.h"

#include <string>

/// The "ApplicationContext" service of the GUI utility tests: the installation root is the
/// repository's resources/ tree unless a test changes it. Any thread.
class TestApplicationContext : public VXServices::ApplicationContext {
public:
    explicit TestApplicationContext(std::string root);

    void setRoot(std::string root) { m_root = std::move(root); }

    void registerFeature(const char* name, int value, void (*callback)(int)) override;
    bool isFeatureEnabled(const char* name) override;
    const char* getPreferencesDirectory(bool create) override;
    const char* getRelease() override;
    const char* getRoot() override;
    const char* getBinArchDir() override;
    const char* getCharacterEncoding() override;

private:
    std::string m_root;
};
