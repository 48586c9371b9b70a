#pragma once

#include "wordbook/QuestionType.h"

#include <QWidget>

#include <array>
#include <optional>

class LanguageState;
class QCheckBox;
class QFrame;
class QRadioButton;
class QToolButton;
struct Settings;

/// The word-book page: the word list and the book panel with the folder buttons and the word
/// order. It owns the open book; the folder it shows is the setting CurrentFolderIndex.
class WordBookPage : public QWidget
{
    Q_OBJECT

public:
    WordBookPage(Settings &settings, QWidget *parent);

    /// Sets the captions and the state the settings give (at start-up).
    void InitCaptions(const LanguageState &language);
    /// The language changed: the word-order captions follow and the folder is chosen again.
    void ShowLanguage(const LanguageState &language);
    /// The first show: the book list starts expanded.
    void FormShow();

    /// Chooses the folder 0 (bookA), 1 (bookG) or 2 (bookS).
    void SelectFolder(int kind);
    int CurrentFolder() const;
    /// The folder buttons' captions; bookG is called 辞書 with DicNameFlg.
    void CaptionFolderButtons();
    /// The type of the open book; none while no book is open.
    std::optional<QuestionType> OpenBookType() const { return openBookType_; }
    bool FillInBookOpen() const { return openBookType_ == QuestionType::B; }

private:
    Settings &settings_;
    std::optional<QuestionType> openBookType_;
    QFrame *ListView1Area = nullptr;
    QFrame *Panel8 = nullptr;
    std::array<QToolButton *, 3> FolderButtons{};  ///< SpeedButton10..12
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
};
