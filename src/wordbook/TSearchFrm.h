#pragma once

#include "pads/TIPAboard.h"

#include <QDialog>

#include <memory>

class CompositionEngine;
class LineEditComposeField;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QToolButton;
class TIPAboard3;
class TQuillmaren3;
class WordSearchModel;
struct AppPaths;
class SettingsStore;

/// The word-book search: one field of the words, one of the current language's three book
/// folders and a text; lists every word of every book there whose field equals or contains
/// the text. A hit goes into the input area or opens in its book for editing. Not modal: the
/// main window stays usable. The letter pad composes in the foreign field, the phonetic pad
/// serves the phonetic field.
class TSearchFrm : public QDialog
{
    Q_OBJECT

public:
    /// What the dialog needs of its host.
    struct Context {
        CompositionEngine &engine;
        SettingsStore &settings;
        const AppPaths &paths;
        TIPAboard::Context phonetic;
        QString languageName;
    };

    TSearchFrm(Context context, QWidget *parent);
    ~TSearchFrm() override;

    /// Prepares the search field for field 0 (foreign) … 4 (notes), as choosing it does.
    void ComboBox1Change(int field);
    /// 検索: searches the chosen folder and shows the results.
    void Button2Click();

signals:
    /// この単語を入力: the foreign word of the chosen hit.
    void InsertWordRequested(const QString &foreign);
    /// この単語を編集: the folder (0 bookA, 1 bookG, 2 bookS), the name of the book's file and
    /// the word's number in it.
    void EditWordRequested(int folder, const QString &fileName, qsizetype number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void BuildTopBar();
    void BuildPages();
    void BuildResultPage();
    /// The folder of the checked radio button.
    int CheckedFolder() const;
    QString FolderPath(int folder) const;
    /// Whether Enter in the search field finishes a pending trigger or phonetic choice
    /// rather than starting the search.
    bool EntryPending() const;
    void SelectionChanged();
    void SpeedButton2Click();
    void SpeedButton3Click();

    Context context_;
    int searchedFolder_ = 0;  ///< the folder of the results shown
    bool telling_ = false;    ///< a message of the dialog's own is open
    WordSearchModel *results_ = nullptr;
    std::unique_ptr<LineEditComposeField> editField_;

    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr, *RadioButton3 = nullptr;
    QPushButton *Button2 = nullptr;  ///< 検索
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;  ///< 検索結果
    QWidget *TabSheet2 = nullptr;  ///< 特殊文字
    QWidget *TabSheet3 = nullptr;  ///< 発音記号
    QTableView *ListView1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;  ///< この単語を入力
    QToolButton *SpeedButton3 = nullptr;  ///< この単語を編集
    QPushButton *Button1 = nullptr;       ///< 閉じる
    TQuillmaren3 *quillmaren3_ = nullptr;
    TIPAboard3 *ipaBoard3_ = nullptr;
};
