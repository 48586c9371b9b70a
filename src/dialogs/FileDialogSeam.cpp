#include "dialogs/FileDialogSeam.h"

#include <QFileDialog>

namespace {

/// Whether every filter's name already shows its patterns ("（ユニコードテキスト）　*.utx (*.utx)"):
/// the dialog then shows the names alone, so that no pattern shows twice.
bool NamesShowPatterns(const QString &filters)
{
    if (filters.isEmpty())
        return false;
    for (const QString &filter : filters.split(QStringLiteral(";;"))) {
        const qsizetype open = filter.lastIndexOf(u'(');
        if (open < 0 || !filter.endsWith(u')'))
            return false;
        const QString name = filter.left(open);
        for (const QString &pattern : filter.mid(open + 1).chopped(1).split(u' ', Qt::SkipEmptyParts)) {
            if (!name.contains(pattern))
                return false;
        }
    }
    return true;
}

FileDialogSeam::SaveHook &SaveOverride()
{
    static FileDialogSeam::SaveHook hook;
    return hook;
}

}  // namespace

/// The hook's answer or the system dialog's, for opening an existing file or saving under a name.
QString FileDialogSeam::Answer(QWidget *parent, Request &request)
{
    if (SaveOverride())
        return SaveOverride()(request);
    QFileDialog dialog(parent, request.caption, request.proposedPath, request.filter);
    dialog.setAcceptMode(request.opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (request.opening)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the caller decides
    dialog.setOption(QFileDialog::HideNameFilterDetails, NamesShowPatterns(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    request.selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QString FileDialogSeam::SaveFileName(QWidget *parent, Request request)
{
    request.opening = false;
    return Answer(parent, request);
}

QString FileDialogSeam::SaveFileNameAndFilter(QWidget *parent, Request &request)
{
    request.opening = false;
    return Answer(parent, request);
}

QString FileDialogSeam::OpenFileName(QWidget *parent, Request request)
{
    request.opening = true;
    return Answer(parent, request);
}

void FileDialogSeam::Replace(SaveHook hook)
{
    SaveOverride() = std::move(hook);
}
