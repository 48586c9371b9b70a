#pragma once

#include <QString>

#include <functional>

class QWidget;

/// The one way the program asks for a file name to open or to save under: the system's file
/// dialog, replaceable in tests by a hook that answers with a path (empty: cancelled).
class FileDialogSeam
{
public:
    struct Request {
        QString caption;
        QString proposedPath;   ///< start folder and proposed file name
        QString filter;         ///< e.g. "（ユニコードテキスト）　*.utx (*.utx)"; several joined by ";;"
        QString defaultSuffix;  ///< without the dot
        bool opening = false;   ///< an existing file to open, not a name to save under
        /// The filter shown first; after SaveFileNameAndFilter, the one the user chose.
        QString selectedFilter = {};
    };
    /// The chosen path, or an empty text when the user cancelled. The dialog itself does not
    /// ask before an existing file is chosen; the caller decides.
    static QString SaveFileName(QWidget *parent, Request request);

    /// As SaveFileName, and the filter chosen in the dialog is left in request.selectedFilter.
    static QString SaveFileNameAndFilter(QWidget *parent, Request &request);

    /// The chosen existing file, or an empty text when the user cancelled.
    static QString OpenFileName(QWidget *parent, Request request);
    /// A hook answers with a path and may choose a filter by setting request.selectedFilter.
    using SaveHook = std::function<QString(Request &request)>;
    /// Replaces the dialog (pass an empty hook to restore it).
    static void Replace(SaveHook hook);

private:
    static QString Answer(QWidget *parent, Request &request);
};
