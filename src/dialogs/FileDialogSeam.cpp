#include "dialogs/FileDialogSeam.h"

#include <QFileDialog>

namespace {

FileDialogSeam::SaveHook &SaveOverride()
{
    static FileDialogSeam::SaveHook hook;
    return hook;
}

}  // namespace

QString FileDialogSeam::SaveFileName(QWidget *parent, const Request &request)
{
    if (SaveOverride())
        return SaveOverride()(request);
    QFileDialog dialog(parent, request.caption, request.proposedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString FileDialogSeam::OpenFileName(QWidget *parent, Request request)
{
    request.opening = true;
    if (SaveOverride())
        return SaveOverride()(request);
    QFileDialog dialog(parent, request.caption, request.proposedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void FileDialogSeam::Replace(SaveHook hook)
{
    SaveOverride() = std::move(hook);
}
