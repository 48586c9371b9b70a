#include "dialogs/FileDialogSeam.h"

#include <QFileDialog>

namespace {

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
