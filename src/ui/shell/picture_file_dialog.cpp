#include "shell/picture_file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace {

const QLatin1String kEveryFile("*.*");

// The file dialog splits filter patterns at spaces only and matches them with the
// file system's case; the filters the program shows list their patterns the other
// way ("*.bmp;*.jpg") and mean them in any case. This proxy does the filtering, and the
// dialog's own name filter only greys files, which the proxy lights again.
class PictureFilterProxy : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetFilterText(const QString& filterText) {
        filterText_ = filterText;
        invalidateFilter();
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags flags = QSortFilterProxyModel::flags(index);
        return index.isValid() ? flags | Qt::ItemIsEnabled | Qt::ItemIsSelectable : flags;
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || PassesFilter(files->fileName(index), filterText_);
    }

  private:
    QString filterText_;
};

}  // namespace

QStringList FilterPatterns(const QString& filterText) {
    static const QRegularExpression inParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = inParentheses.match(filterText);
    const QString patterns = match.hasMatch() ? match.captured(1) : filterText;
    return patterns.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
}

bool PassesFilter(const QString& fileName, const QString& filterText) {
    for (const QString& pattern : FilterPatterns(filterText)) {
        if (pattern == kEveryFile || pattern == QLatin1String("*")) return true;
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        if (wildcard.match(fileName).hasMatch()) return true;
    }
    return false;
}

std::unique_ptr<QFileDialog> MakePictureFileDialog(QWidget* parent, const PictureRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(parent, request.caption, request.folder);
    // The filtering below needs Qt's own dialog.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    auto* proxy = new PictureFilterProxy(dialog.get());
    dialog->setProxyModel(proxy);
    if (auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel()))
        files->setNameFilterDisables(true);
    dialog->setNameFilters(request.filters);
    const QString chosen = request.filters.contains(request.chosenFilter)
                               ? request.chosenFilter
                               : request.filters.value(0);
    dialog->selectNameFilter(chosen);
    proxy->SetFilterText(chosen);
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, proxy,
                     &PictureFilterProxy::SetFilterText);
    if (!request.fileName.isEmpty()) dialog->selectFile(request.fileName);
    return dialog;
}

QString RunPictureFileDialog(QWidget* parent, const PictureRequest& request) {
    const std::unique_ptr<QFileDialog> dialog = MakePictureFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}
