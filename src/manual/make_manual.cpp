// Builds the PDF manual "HowToUse2.pdf" from our HTML manual source at build time: the
// questions and answers of the easy manual are added from the program's own texts, and the
// pictures are screenshots of the program itself, started offscreen on a fresh profile.
//
// Usage: make_manual <manual.html> <output.pdf>
#include "app/AppPaths.h"
#include "app/HelpTopics.h"
#include "dialogs/MessageSeam.h"
#include "mainwindow/TMainFrm.h"
#include "manual/ManualPages.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QPdfWriter>
#include <QRawFont>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

/// The easy manual's questions and answers as HTML.
QString QuestionsAndAnswers()
{
    QString html;
    for (int topic = 1; topic < HelpTopics::Entries().size(); ++topic) {
        html +=
            QStringLiteral("<h3>") + HelpTopics::Entries()[topic].trimmed().toHtmlEscaped() + QStringLiteral("</h3>");
        for (const QString &line : HelpTopics::Lines(topic))
            html += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    }
    return html;
}

/// The main window on each of its three pages, as pictures the document refers to as
/// "shot:input", "shot:wordbook" and "shot:training".
void AddScreenshots(QTextDocument &document, const QString &home)
{
    const AppPaths paths = PrepareDataFolders(PlatformPathRoots(), [](const QString &) {});
    TMainFrm window(paths);
    window.resize(740, 730);
    window.show();
    QCoreApplication::processEvents();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    const struct {
        int page;
        const char *name;
    } shots[] = {{TMainFrm::EuropeanInput, "shot:input"},
                 {TMainFrm::WordBook, "shot:wordbook"},
                 {TMainFrm::Training, "shot:training"}};
    for (const auto &shot : shots) {
        pages->setCurrentIndex(shot.page);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        // The status bar names the word-book folder as a user's home would show it.
        for (QLabel *panel : window.statusBar()->findChildren<QLabel *>())
            panel->setText(panel->text().replace(home, QStringLiteral("~")));
        document.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(shot.name)),
                             window.grab().toImage());
    }
    pages->setCurrentIndex(TMainFrm::EuropeanInput);
    window.close();
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_manual <manual.html> <output.pdf>\n");
        return 2;
    }
    // A private, empty profile: the screenshots show a fresh start with the sample books.
    QTemporaryDir home;
    for (const char *variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, (home.path() + QLatin1Char('/') + QLatin1String(variable)).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    MessageSeam::Replace([](const QString &message) { std::fprintf(stderr, "%s\n", qPrintable(message)); },
                         [](const QString &) { return false; });

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_manual: cannot read %s\n", argv[1]);
        return 1;
    }
    QString html = QString::fromUtf8(source.readAll());
    html.replace(QStringLiteral("<!-- questions and answers -->"), QuestionsAndAnswers());

    QTextDocument document;
    // Latin letters and digits from a Latin font: the Japanese font draws a digit after a Latin
    // letter with a glyph of no character, which the PDF's text layer then lacks ("F9" read as
    // "F "). Japanese falls back to the Japanese font.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK JP")});
    font.setPointSize(10);
    document.setDefaultFont(font);
    AddScreenshots(document, home.path());
    document.setHtml(html);

    const QString output = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter writer(output);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        writer.setResolution(150);
        writer.setTitle(QStringLiteral("Quillmaren 操作説明書"));
        writer.setCreator(QStringLiteral("Quillmaren"));
        KeepHeadingsWithText(document, writer);
        PrintPages(document, writer);
    }

    QFile pdf(output);
    if (!pdf.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "make_manual: cannot mend %s\n", argv[2]);
        return 1;
    }
    const QByteArray mended = MendCharacterMaps(pdf.readAll(), document.toPlainText(),
                                                QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK JP"))));
    pdf.seek(0);
    pdf.write(mended);
    return 0;
}
