// Tool pictures: the desktop theme's standard icons where the theme has them, the
// program's own pictures otherwise.
#include "platform/toolbar_control.h"
#include "temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QStyle>

#include <gtest/gtest.h>

namespace vq {
namespace {

QImage Picture(const QIcon& icon)
{
    return icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ToolIcons, ThemeIconsFirstAndOwnDistinctPicturesOtherwise)
{
    const QStringList savedPaths = QIcon::themeSearchPaths();
    const QString savedName = QIcon::themeName();
    test::TempFolder folder;
    // A theme that holds only edit-cut.
    const QDir theme(QString::fromStdString(folder.File("vqtest")));
    ASSERT_TRUE(theme.mkpath("16x16/actions"));
    QFile index(theme.filePath("index.theme"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=vqtest\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    QImage cut(16, 16, QImage::Format_ARGB32);
    cut.fill(Qt::red);
    ASSERT_TRUE(cut.save(theme.filePath("16x16/actions/edit-cut.png")));
    QIcon::setThemeSearchPaths({QString::fromStdString(folder.Path().string())});
    QIcon::setThemeName("vqtest");

    {
        QMainWindow window;
        ToolbarControl control(&window);
        EXPECT_EQ(control.Action(1101)->icon().name(), "edit-cut");

        // Without the theme's icons every tool shows a picture of its own, none of them
        // a stock picture of the style meant for something else.
        std::vector<QImage> seen;
        for (int sp = QStyle::SP_TitleBarMenuButton; sp <= static_cast<int>(QStyle::SP_RestoreDefaultsButton); ++sp)
            seen.push_back(Picture(QApplication::style()->standardIcon(static_cast<QStyle::StandardPixmap>(sp))));
        const std::size_t stock = seen.size();
        for (int id : {1001, 1002, 1003, 1008, 1009, 1102, 1103, 1104, 1201, 1202, 1203}) {
            const QImage picture = Picture(control.Action(id)->icon());
            ASSERT_FALSE(picture.isNull()) << id;
            for (std::size_t i = 0; i < seen.size(); ++i)
                EXPECT_NE(picture, seen[i]) << id << (i < stock ? " looks like a stock picture" : " repeats a tool");
            seen.push_back(picture);
        }
    }
    QIcon::setThemeSearchPaths(savedPaths);
    QIcon::setThemeName(savedName);
}

} // namespace
} // namespace vq
