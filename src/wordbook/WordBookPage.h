#pragma once

#include "pads/TIPAboard.h"
#include "wordbook/BookListModel.h"
#include "wordbook/OpenBook.h"
#include "wordbook/TRegFrm.h"
#include "wordbook/WordBook.h"
#include "wordbook/WordListModel.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class CompositionEngine;
class LanguageState;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QRadioButton;
class QTableView;
class QTimer;
class QToolButton;
class QTreeView;
class BookTextExchange;
struct AppPaths;
class SettingsStore;
struct Settings;

/// The main window's actions that the word-book page enables and runs.
struct WordBookActions {
    QAction *NewWordBook, *ChangeProp, *DelWB, *CloseWB, *InitWB, *OpenWB;
    QAction *RegWord, *ModWord, *DelWord, *MoveWord;
    QAction *N501, *bookG1;            ///< the dictionary and the grammar set
    QAction *ExportText, *ImportText;  ///< the exchange with flash-card programs
    QAction *UndoWord, *RedoWord;      ///< undo and redo of the open book's changes
};

/// The word-book page: the word list and the book panel (Panel8) with the folder buttons, the
/// book list of the current folder, the word order and the panel slide. It owns the open book.
/// The current folder is the setting CurrentFolderIndex; the status bar's two panels show the
/// open book and the folder. Changes to the book go through OpenBook, which writes them and
/// keeps them for undo; the page asks the user's questions and tells what went wrong.
class WordBookPage : public QWidget
{
    Q_OBJECT

public:
    /// The page follows the settings it shows: the word list's row height and fonts, the
    /// folders' names.
    WordBookPage(SettingsStore &store, const AppPaths &paths, WordBookActions actions,
                 std::array<QLabel *, 2> statusPanels, QWidget *parent);

    /// Sets the captions and the state the settings give (at start-up).
    void InitCaptions(const LanguageState &language);
    /// The language changed: the word-order captions follow and the folder is chosen again.
    void ShowLanguage(const LanguageState &language);
    /// The first show: the book list is filled.
    void FormShow();

    /// Chooses the folder 0 (bookA), 1 (bookG) or 2 (bookS) and lists its books.
    void SelectFolder(int kind);
    int CurrentFolder() const;
    QString CurrentFolderPath() const;
    /// The folder buttons' captions; bookG is called 辞書 with DicNameFlg.
    void CaptionFolderButtons();

    void RefreshBookList();
    void ShowFolderTotal(qsizetype total);
    /// The open book's word count into the rows of that file, and the folder total.
    void UpdateBookCount(const QString &fileName);
    /// Chooses the first book of that file name in the book list; false when it has none.
    bool SelectBookByFileName(const QString &fileName);

    const WordBook &Book() const { return book_; }
    /// The language's display name for the word list's captions.
    void SetLanguageName(const QString &languageName);
    /// The word list's rows take the height LV1LNHeight says (at least a line of its font);
    /// on a hidden page, when it shows.
    void ApplyRowHeight();
    /// The word list is drawn again (its font sizes changed).
    void RepaintWordList();
    /// The word list's column widths into ColWidth0..ColWidth5 (the program ends).
    void SaveColumnWidths();
    /// The selected word's row (0-based), if any.
    std::optional<int> SelectedWord() const;
    /// What the word dialog's pads need.
    void SetWordDialogServices(CompositionEngine *engine, TIPAboard::Context phonetic);
    /// 単語の登録: the word dialog, with the main window's input area and second field.
    void RegWordExecute(const QString &memo, const QString &edit);
    /// 単語の編集: the word dialog for the selected word.
    void ModWordExecute();
    /// A search hit to edit: its folder is chosen (0 bookA, 1 bookG, 2 bookS), its book file
    /// opened without the panel slide, and the word dialog run for word number (1-based).
    /// Returns whether the book had that word and the dialog ran.
    bool EditSearchHit(int folder, const QString &fileName, qsizetype number);
    /// Slides an open book panel shut without reading the book again when the slide ends.
    void CloseBookPanelOnce();
    /// The training took a book: it is the open book by its header, without its words.
    void TakeTrainingBook(const QString &fileName, const QString &title, const QString &group, const QString &typeName);
    /// No book of the book list is selected.
    void ClearBookSelection();
    /// While opensAtOnce says so, choosing a book opens it at once instead of sliding the panel.
    void SetBookOpensAtOnce(std::function<bool()> opensAtOnce) { opensAtOnce_ = std::move(opensAtOnce); }
    /// The mastered share of each book of a folder (0 bookA, 1 bookG, 2 bookS), parallel to its
    /// rows; empty for a book without record.
    using MasteredShares = std::function<QList<std::optional<int>>(int folderKind, const QList<BookRow> &rows)>;
    /// The book list's 習得 column asks this whenever the list is filled; without it the
    /// column stays empty.
    void SetMasteredShares(MasteredShares shares);
    /// The 習得 column asks for the shares again (a training set changed the record).
    void RefreshMasteredShares();
    /// The rows of the word list.
    qsizetype WordRows() const { return book_.Entries.size(); }
    /// Selects a word (0-based) and scrolls it into view, as a click does.
    void ChooseWord(qsizetype row) { SelectWord(row); }
    /// The type of the open book; none while no book is open.
    std::optional<QuestionType> OpenBookType() const;
    bool FillInBookOpen() const { return OpenBookType() == QuestionType::B; }
    /// The open book as a document (its changes, undo and redo).
    const OpenBook &Document() const { return openBook_; }

signals:
    /// The user switched the word order (the word list exchanges its first and fifth column).
    void WordOrderSwitched(bool foreignFirst);
    /// A double click hands a word to the input areas: the second field's text and the
    /// foreign text (empty: the input area is left as it is).
    void TakeOverRequested(const QString &secondField, const QString &foreign);
    /// A word was registered with RegClearFlg on: the input areas are emptied.
    void ClearInputAreasRequested();
    /// Another book (or none) is open now.
    void OpenBookChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildPanel();
    void FolderButtonClicked(int kind);
    void ListView2Click();
    void InitWBExecute();
    void OpenWBExecute();
    void CloseWBExecute();
    void DelWBExecute();
    void NewWordBookExecute();
    /// A new book through the new-book dialog: empty, or holding words (taken from a text file).
    bool NewBook(const QList<WordEntry> &words, const QString &proposedTitle);
    BookTextExchange &Exchange();
    void ChangePropExecute();
    void GenerateSet(bool dictionary);
    void WordOrderClicked(bool foreignFirst);
    void SpeedButton13Click();
    void DoorTimerTimer();
    void SelectRow(int row);
    std::optional<int> SelectedRow() const;
    /// The book list reads the current folder's books and their shares; the status bar its total.
    void FillBookList();
    /// Reads a book of the current folder into the list; tellUnreadLines: says how many of its
    /// lines are no word (when the user opens it, not when it is read again).
    void ReadBook(QString fileName, bool tellUnreadLines);
    /// The list, the captions and the status bar show the book just read; a failure is told.
    void ShowReadBook(const WordBookReadResult &result, bool tellUnreadLines);
    void BuildWordList();
    void ListView1Click();
    void ListView1DblClick(const QModelIndex &index);
    void SortByColumn(int column);
    void DelWordExecute();
    void MoveWordExecute();
    /// Settles the result of a change to the open book: when another program changed the file
    /// since it was read, asks whether to overwrite it, and reads the book again when the user
    /// keeps that change; a write that failed (the change is taken back) is told. Either way
    /// the list shows what the file holds. True when the change was written.
    bool Settle(OpenBook::ChangeResult &result);
    /// Undoes (or redoes) the last change of the open book and selects the word it concerns.
    void UndoWordExecute(bool undo);
    /// The undo and redo actions say what they would undo or redo.
    void ShowUndoState();
    /// The book list and the status bar show the open book's changed title, group and type.
    void ShowChangedHeader();
    void ShowOpenBookTitle();
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Whether a book is open to take a change; tells the user when none is.
    bool MayChangeBook();
    /// The word dialog's register and insert; false keeps the dialog open.
    bool RegisterWord(const TRegFrm::Result &result);
    /// The word dialog's edit of the word at row, which showed original; false keeps it open.
    bool EditWord(qsizetype row, const WordEntry &original, WordEntry word);
    void SelectWord(qsizetype row);
    /// The current language's name as the word list's caption shows it.
    QString ForeignCaption() const;
    QString BookLines() const;

    SettingsStore &store_;
    const Settings &settings_;
    const AppPaths &paths_;
    WordBookActions actions_;
    std::array<QLabel *, 2> statusPanels_;
    OpenBook openBook_;
    const WordBook &book_ = openBook_.Book();
    BookListModel bookList_;
    WordListModel *wordList_ = nullptr;
    CompositionEngine *engine_ = nullptr;
    TIPAboard::Context phoneticContext_;
    std::array<int, 7> sortDirections_{1, 1, 1, 1, 1, 1, 1};
    bool suppressSlideOpen_ = false;
    std::function<bool()> opensAtOnce_;
    MasteredShares masteredShares_;
    QString languageName_;
    BookTextExchange *exchange_ = nullptr;  ///< made at its first use
    bool shown_ = false;
    bool rowHeightPending_ = false;  ///< ApplyRowHeight waits for the page's show

    QTableView *ListView1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QFrame *Panel8 = nullptr;
    QLabel *Label1 = nullptr;
    QToolButton *SpeedButton9 = nullptr;           ///< 新規作成
    QToolButton *SpeedButton13 = nullptr;          ///< the panel slide: "→" open, "←" closed
    std::array<QToolButton *, 3> FolderButtons{};  ///< SpeedButton10..12
    QTreeView *ListView2 = nullptr;
    QMenu *PopupMenu3 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QTimer *DoorTimer = nullptr;
};
