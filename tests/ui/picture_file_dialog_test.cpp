#include <gtest/gtest.h>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>

#include "shell/picture_file_dialog.h"
#include "support/scratch_folder.h"

namespace {

const QString kImagesFilter = "Images (*.bmp;*.jpeg;*.jpg;*.pcx)";
const QString kAllFilesFilter = "All Files (*.*)";

TEST(PictureFilter, ReadsThePatternsTheWayTheTextWritesThem) {
    EXPECT_EQ(FilterPatterns(kImagesFilter), (QStringList{"*.bmp", "*.jpeg", "*.jpg", "*.pcx"}));
    EXPECT_EQ(FilterPatterns(kAllFilesFilter), (QStringList{"*.*"}));
    struct Case {
        const char* name;
        bool image;
    };
    for (const Case& c : {Case{"a.bmp", true}, Case{"B.JPG", true}, Case{"c.Pcx", true},
                          Case{"d.jpeg", true}, Case{"e.png", false}, Case{"bmp", false},
                          Case{"f.bmp.txt", false}, Case{"README", false}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PassesFilter(c.name, kImagesFilter), c.image);
        EXPECT_TRUE(PassesFilter(c.name, kAllFilesFilter))
            << "every file, with an extension or not";
    }
}

// What the player sees in the open dialog: the two filters as written, each listing
// the files it names (and every folder), all of them choosable.
TEST(PictureFileDialog, EachFilterListsTheFilesItsTextNames) {
    ScratchFolder folder;
    for (const char* name : {"a.bmp", "B.JPG", "c.Pcx", "d.jpeg", "e.txt", "README"})
        WriteBytes(folder.Path() / name, "x");
    std::filesystem::create_directory(folder.Path() / "more");
    const QString where = QString::fromStdString(folder.Path().string());
    const PictureRequest request{
        "Open", where, "a.bmp", {kImagesFilter, kAllFilesFilter}, kImagesFilter};
    const std::unique_ptr<QFileDialog> dialog = MakePictureFileDialog(nullptr, request);
    EXPECT_EQ(dialog->nameFilters(), request.filters);
    EXPECT_EQ(dialog->selectedNameFilter(), kImagesFilter);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    dialog->show();

    QAbstractProxyModel& proxy = *dialog->proxyModel();
    auto& files = *qobject_cast<QFileSystemModel*>(proxy.sourceModel());
    const QModelIndex root = files.index(where);
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.rowCount(root) == 7; }, 5000));
    const auto listed = [&] {
        QStringList names;
        const QModelIndex parent = proxy.mapFromSource(root);
        for (int row = 0; row < proxy.rowCount(parent); ++row) {
            const QModelIndex item = proxy.index(row, 0, parent);
            EXPECT_TRUE(proxy.flags(item).testFlag(Qt::ItemIsEnabled))
                << item.data().toString().toStdString();
            names << item.data().toString();
        }
        names.sort(Qt::CaseInsensitive);
        return names;
    };
    EXPECT_EQ(listed(), (QStringList{"a.bmp", "B.JPG", "c.Pcx", "d.jpeg", "more"}));

    // The player picks the other filter.
    auto* filters = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(filters, nullptr);
    QTest::keyClick(filters, Qt::Key_Down);
    EXPECT_EQ(dialog->selectedNameFilter(), kAllFilesFilter);
    EXPECT_EQ(listed(),
              (QStringList{"a.bmp", "B.JPG", "c.Pcx", "d.jpeg", "e.txt", "more", "README"}));
}

}  // namespace
