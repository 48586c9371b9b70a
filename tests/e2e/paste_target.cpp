// The end-to-end tests' own target window: a text field titled by the first argument that
// writes its text (UTF-8) to the file named by the second argument whenever it changes.
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const QString title = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QPlainTextEdit field;
    field.setWindowTitle(title);
    field.resize(360, 160);
    field.move(860, 40);
    QObject::connect(&field, &QPlainTextEdit::textChanged, [&] {
        QFile file(output);
        if (file.open(QIODevice::WriteOnly))
            file.write(field.toPlainText().toUtf8());
    });
    field.show();
    return QApplication::exec();
}
