#pragma once

#include "vrix/DpiScaling.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

/// The GUI utility tests' fixture: the process-wide display factor starts and ends at 1.0, and
/// picture files are written to a temporary directory of the test's own.
class GuiUtilFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        VRIX::setDpiScale(1.0);
        ASSERT_TRUE(m_dir.isValid());
    }
    void TearDown() override { VRIX::setDpiScale(1.0); }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    /// Writes `image` as PNG under `name`; the absolute path, or "" on failure.
    QString write(const QString& name, const QImage& image) const
    {
        return image.save(path(name), "PNG") ? path(name) : QString();
    }
    static QImage solid(int width, int height, const QColor& color)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(color);
        return image;
    }
    /// The installation root the tests run with (the repository's resources/).
    static QString resourcesRoot() { return QStringLiteral(VX_TEST_RESOURCES_ROOT); }

    QTemporaryDir m_dir;
};
