#pragma once

#include <QLabel>

/// The status bar's folder panel: "●単語帳ﾌｫﾙﾀﾞ：" + path + "…[" + total + "]". It asks for the
/// width of its whole text and takes what the bar can give; when that is too little it shortens
/// the middle of the path, so the caption before "：" and the total after the last "…[" stay
/// readable.
class FolderStatusLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FolderStatusLabel(QWidget *parent);

    /// The text as it is drawn in the panel's present width.
    QString ShownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
