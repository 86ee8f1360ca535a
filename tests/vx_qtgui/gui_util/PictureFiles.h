#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

/// Small picture files written for one test into a temporary directory.
class PictureFiles {
public:
    PictureFiles();

    bool isValid() const { return m_dir.isValid(); }
    /// Writes `image` as PNG under `name`; returns the absolute path ("" on failure).
    QString write(const QString& name, const QImage& image) const;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString directory() const { return m_dir.path(); }

    static QImage solid(int width, int height, const QColor& color);

private:
    QTemporaryDir m_dir;
};

/// The installation root the tests run with (the repository's resources/).
QString testResourcesRoot();

/// Tests that change the process-wide display factor: each starts and ends at 1.0.
class DpiScaleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

/// A DpiScaleTest with picture files of its own.
class PictureTest : public DpiScaleTest {
protected:
    void SetUp() override;

    PictureFiles m_files;
};
