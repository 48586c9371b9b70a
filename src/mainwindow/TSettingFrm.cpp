#include "mainwindow/TSettingFrm.h"

#include "app/Session.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "mainwindow/FontLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace {

/// Where the dialog was last closed since the program started.
std::optional<QPoint> &RememberedPlace()
{
    static std::optional<QPoint> place;
    return place;
}

/// One row of the word-list page: caption, range, reset value and the setting it changes.
struct TrackRow {
    const char16_t *caption;
    int minimum, maximum, reset;
    const char16_t *resetCaption;
    int Settings::*setting;
    const char *valueLabel;
};

const std::array<TrackRow, 4> kTrackRows{{
    {u"１．行間の高さ：", 22, 40, 26, u"初期化→26", &Settings::LV1LNHeight, "Label5"},
    {u"２．外国語文字サイズ加算：", 0, 8, 2, u"初期化→ 2", &Settings::OBNadd, "Label8"},
    {u"３．発音記号文字サイズ加算：", 0, 8, 1, u"初期化→ 1", &Settings::IPAadd, "Label9"},
    {u"４．日本語文字サイズ加算：", 0, 8, 0, u"初期化→ 0", &Settings::JPNadd, "Label10"},
}};

QLabel *Text(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

TSettingFrm::TSettingFrm(Session &session, QWidget *parent)
    : QDialog(parent), session_(session), settings_(session.Get())
{
    setObjectName(QStringLiteral("TSettingFrm"));
    setWindowTitle(QStringLiteral("設定"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    QFont tahoma = InstalledFont(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(15);
    setFont(tahoma);
    setFixedSize(480, 360);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // The four tab captions fit side by side in the dialog's width.
    QFont tabFont = tahoma;
    tabFont.setPixelSize(12);
    PageControl1->tabBar()->setFont(tabFont);
    BuildWordListPage();
    BuildSamplesPage();
    BuildFontPage();
    BuildSymbolSetPage();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *button : {Button1, Button2})
        button->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TSettingFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(PageControl1, 1);
    column->addLayout(bottom);

    // FormShow: where it was closed last, else centred on the main window; page 0; the focus
    // on ｷｬﾝｾﾙ.
    if (const std::optional<QPoint> &place = RememberedPlace()) {
        move(*place);
    } else if (parent) {
        const QRect main = parent->window()->frameGeometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
    }
    initialising_ = false;
    PageControl1->setCurrentIndex(0);
    Button2->setFocus(Qt::OtherFocusReason);
}

void TSettingFrm::BuildWordListPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *grid = new QGridLayout(page);
    grid->setVerticalSpacing(4);
    for (int row = 0; row < 4; ++row) {
        const TrackRow &spec = kTrackRows[std::size_t(row)];
        grid->addWidget(Text(QString::fromUtf16(spec.caption), page), 3 * row, 0, 1, 3);
        auto *reset = new QToolButton(page);
        reset->setObjectName(QStringLiteral("SpeedButton%1").arg(3 + row));
        reset->setText(QString::fromUtf16(spec.resetCaption));
        grid->addWidget(reset, 3 * row, 3);
        auto *bar = new QSlider(Qt::Horizontal, page);
        bar->setObjectName(QStringLiteral("TrackBar%1").arg(1 + row));
        bar->setRange(spec.minimum, spec.maximum);
        bar->setTickPosition(QSlider::TicksBelow);
        bar->setTickInterval(1);
        bar->setPageStep(1);
        TrackBars[std::size_t(row)] = bar;
        const bool height = row == 0;
        grid->addWidget(Text(height ? QStringLiteral("min 22") : QStringLiteral("0"), page), 3 * row + 1, 0);
        grid->addWidget(bar, 3 * row + 1, 1);
        grid->addWidget(Text(height ? QStringLiteral("max 40") : QStringLiteral("8"), page), 3 * row + 1, 2);
        ValueLabels[std::size_t(row)] = Text(QString(), page, spec.valueLabel);
        ValueLabels[std::size_t(row)]->setMinimumWidth(28);
        grid->addWidget(ValueLabels[std::size_t(row)], 3 * row + 1, 3, Qt::AlignCenter);
        connect(bar, &QSlider::valueChanged, this, [this, row] { TrackBarChange(row); });
        connect(reset, &QToolButton::clicked, this, [bar, spec] { bar->setValue(spec.reset); });
        // FormCreate: the settings' values, shown in the labels only.
        bar->setValue(settings_.*spec.setting);
        TrackBarChange(row);
    }
    grid->setColumnStretch(1, 1);
    PageControl1->addTab(page, QStringLiteral("単語リスト"));
}

void TSettingFrm::BuildSamplesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto *column = new QVBoxLayout(page);
    const auto group = [page, column](const QString &caption, const QString &text, QWidget *control) {
        auto *box = new QGroupBox(caption, page);
        auto *row = new QHBoxLayout(box);
        row->addWidget(new QLabel(text, box), 1);
        control->setParent(box);
        row->addWidget(control);
        column->addWidget(box);
    };
    SpeedButton1 = new QToolButton;
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("更　新"));
    CheckBox1 = new QCheckBox(QStringLiteral("不要"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(settings_.NoSampleFlg);
    SpeedButton2 = new QToolButton;
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("初期化"));
    group(QStringLiteral("■サンプル単語帳の更新"), QStringLiteral("サンプル単語帳を最新版に更新します。"),
          SpeedButton1);
    group(QStringLiteral("■サンプル単語帳非インストール（バージョンアップ時）"),
          QStringLiteral("※不要なサンプを削除すると以降更新されません。"), CheckBox1);
    group(QStringLiteral("■パラメーターの初期化"), QStringLiteral("一旦終了後、再起動時に初期化します。"),
          SpeedButton2);
    column->addStretch(1);
    connect(SpeedButton1, &QToolButton::clicked, this, &TSettingFrm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TSettingFrm::SpeedButton2Click);
    PageControl1->addTab(page, QStringLiteral("サンプル単語帳と初期化"));
}

void TSettingFrm::BuildFontPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto *column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QStringLiteral("■日本語フォントの指定："), page));
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(JapaneseFontFamilies());
    const int listed = ComboBox1->findText(settings_.MyJpFont, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (listed >= 0)
        ComboBox1->setCurrentIndex(listed);
    else
        ComboBox1->setEditText(QStringLiteral("MS UI Gothic"));
    column->addWidget(ComboBox1);
    Label24 = Text(QStringLiteral("デフォルトフォント： MS UI Gothic"), page, "Label24");
    column->addWidget(Label24);
    column->addStretch(1);
    PageControl1->addTab(page, QStringLiteral("日本語フォント"));
}

void TSettingFrm::BuildSymbolSetPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    auto *column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QStringLiteral("■発音記号の種類の選択："), page));
    RadioButton1 = new QRadioButton(QStringLiteral("英語及び欧文5ヶ国語用"), page);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("フルセット"), page);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    (settings_.IpaFullFlg ? RadioButton2 : RadioButton1)->setChecked(true);
    column->addWidget(RadioButton1);
    column->addWidget(RadioButton2);
    column->addWidget(new QLabel(QStringLiteral("※デフォルトは英語及び欧文5ヶ国語用です。"), page));
    column->addStretch(1);
    PageControl1->addTab(page, QStringLiteral("発音記号"));
}

void TSettingFrm::TrackBarChange(int row)
{
    const TrackRow &spec = kTrackRows[std::size_t(row)];
    const int value = TrackBars[std::size_t(row)]->value();
    ValueLabels[std::size_t(row)]->setText(QString::number(value));
    if (initialising_)
        return;
    session_.Store().Change([&spec, value](Settings &s) { s.*spec.setting = value; });
}

void TSettingFrm::SpeedButton1Click()
{
    if (!MessageSeam::Ask(this,
                          QStringLiteral("サンプル単語帳を最新版に更新します。新しいデータをサンプルに加えていた時"
                                         "失われますがよろしいですか？")))
        return;
    session_.RefreshSampleBooks();
    MessageSeam::Notify(this, QStringLiteral("サンプル単語帳を更新しました。"));
}

void TSettingFrm::SpeedButton2Click()
{
    if (!MessageSeam::Ask(this,
                          QStringLiteral("パラメータ初期化のため\" Quillmaren \"を一旦終了しますが、よろしいですか？")))
        return;
    parameterReset_ = true;
    reject();
}

void TSettingFrm::Button1Click()
{
    // The open phonetic pad follows a new symbol set through the store.
    session_.Store().Change([this](Settings &s) {
        s.NoSampleFlg = CheckBox1->isChecked();
        s.MyJpFont = ComboBox1->currentText();
        s.IpaFullFlg = RadioButton2->isChecked();
    });
    accept();
}

void TSettingFrm::done(int result)
{
    RememberedPlace() = pos();  // FormClose
    QDialog::done(result);
}
