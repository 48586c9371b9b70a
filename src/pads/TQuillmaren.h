#pragma once

#include "compose/CompositionEngine.h"
#include "compose/PadGeometry.h"

#include <QFrame>

#include <array>

class QLabel;
class QTabWidget;
class QToolButton;
class TShape;

/// The letter pad: every character the composition engine produces, on a lower-case and an
/// upper-case page, arranged by trigger row and follow-up column. While a trigger is pending
/// it highlights the trigger's row and shows the keys to press next in blue. A click on a
/// character hands it to InsertSymbol, which each host's subclass directs to its field.
class TQuillmaren : public QFrame, public ComposePad
{
    Q_OBJECT

public:
    TQuillmaren(CompositionEngine &engine, QWidget *parent);

    /// Lays every element out for the current page size, ends a pending trigger and
    /// removes the highlighting, and shows the lower-case page.
    void LayoutPad();

    void ShowFollowUps(QChar trigger) override;
    void ClearFollowUps() override;

    /// Puts a clicked character into the host's field; the base pad inserts nowhere.
    virtual void InsertSymbol(const QString &text);

    const PadGeometry &Geometry() const { return geometry_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The elements of one page.
    struct Page {
        QWidget *sheet = nullptr;
        TShape *background = nullptr;
        QLabel *heading = nullptr;
        std::array<QLabel *, 9> followUps{};     ///< over columns 0..8
        std::array<TShape *, 4> triggerBoxes{};  ///< rows 0..3
        std::array<QLabel *, 4> triggerLabels{};
        std::array<TShape *, 5> highlights{};  ///< [ ] ^ ~ backslash
        std::array<QToolButton *, 36> buttons{};
    };

    void BuildPage(Page &page, bool upper);
    void LayoutPage(Page &page, bool upper);

    CompositionEngine &engine_;
    PadGeometry geometry_;
    QTabWidget *PageControl1 = nullptr;  ///< the two pages, tabs at the bottom
    Page lower_;
    Page upper_;
};
