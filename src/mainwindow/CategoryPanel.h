#pragma once

#include <QWidget>

class QToolButton;
class QVBoxLayout;

/// One collapsible panel of the option side panel: a header that folds the content away.
class CategoryPanel : public QWidget
{
    Q_OBJECT

public:
    CategoryPanel(const QString &caption, QWidget *parent);

    QWidget *Content() const { return content_; }
    QVBoxLayout *ContentLayout() const { return contentLayout_; }

    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool collapsed);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }

    /// The header's height, the same for every panel.
    int HeaderHeight() const;

signals:
    void CollapsedChanged(bool collapsed);

private:
    QToolButton *header_;
    QWidget *content_;
    QVBoxLayout *contentLayout_;
    bool collapsed_ = false;
};
