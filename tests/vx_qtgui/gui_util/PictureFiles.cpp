#include "tests/vx_qtgui/gui_util/PictureFiles.h"

#include "vrix/DpiScaling.h"

PictureFiles::PictureFiles() = default;

QString PictureFiles::write(const QString& name, const QImage& image) const
{
    const QString file = m_dir.filePath(name);
    return image.save(file, "PNG") ? file : QString();
}

QImage PictureFiles::solid(int width, int height, const QColor& color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QString testResourcesRoot()
{
    return QStringLiteral(VX_TEST_RESOURCES_ROOT);
}

void DpiScaleTest::SetUp()
{
    VRIX::setDpiScale(1.0);
}

void DpiScaleTest::TearDown()
{
    VRIX::setDpiScale(1.0);
}

void PictureTest::SetUp()
{
    DpiScaleTest::SetUp();
    ASSERT_TRUE(m_files.isValid());
}
