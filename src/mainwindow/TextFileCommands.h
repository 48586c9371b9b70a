#pragma once

#include "lib/TextTools.h"

#include <QObject>
#include <QString>

class QAction;
class QPlainTextEdit;
class QWidget;

/// The file menu's text commands over the input area: open a text file into it, save it again
/// in the encoding it was read in or under a new name and encoding, close it. Knows the text
/// folder (where the dialogs start and the training's shuffle log goes), the open file's name
/// and format, whether it read cleanly and whether the text changed since it was opened or saved.
class TextFileCommands : public QObject
{
    Q_OBJECT

public:
    struct Actions {
        QAction *N27;  ///< 開く
        QAction *N28;  ///< 上書き保存
        QAction *N29;  ///< 名前を付けて保存
        QAction *N33;  ///< 閉じる
    };

    TextFileCommands(QPlainTextEdit *memo, QString textFolder, Actions actions, QWidget *window);

    const QString &TextFolder() const { return textFolder_; }
    const QString &TextFileName() const { return textFileName_; }
    bool TextModified() const { return textModified_; }

    /// Before the text of an open file is replaced or the program ends: asks when it has
    /// unsaved changes; true to go on.
    bool MayDropText();
    /// Before another file is opened: asks for an open file's unsaved changes as MayDropText,
    /// and for a typed draft when no file is open; true to go on.
    bool MayReplaceText();
    /// The file menu opens (F1Click): 上書き保存 and 閉じる only while a file is open.
    void UpdateActions();

    void N27Click();
    void N28Click();
    void N29Click();
    void N33Click();

private:
    /// Writes the bytes to path; on failure tells why and returns false.
    bool WriteBytes(const QString &path, const QByteArray &bytes);
    QString ChangedQuestion() const;
    QString OpenFilePath() const;

    QPlainTextEdit *memo_;
    QString textFolder_;
    QString textFileName_;
    bool textModified_ = false;
    TextTools::TextFileFormat textFormat_;  ///< the open file's, or the program's own for a new text
    bool textClean_ = true;                 ///< every byte of the open file was read as a character
    Actions actions_;
    QWidget *window_;
};
