#include "dialogs/InstalledFonts.h"

#include "platform/FontSubstitute.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>

namespace {

/// Whether a family is installed. The list is read once: asking the font database about
/// each name would make it look for a stand-in every time. The toolkit lists its generic
/// names too, but they are no fonts: each stands for a family the system picks.
bool IsInstalled(const QString &family)
{
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString &name : QFontDatabase::families())
            names.insert(name.toCaseFolded());
        for (const char *generic : {"serif", "sans serif", "monospace"})
            names.remove(QString::fromLatin1(generic));
        return names;
    }();
    return installed.contains(family.toCaseFolded());
}

}  // namespace

QString InstalledFamily(const QString &family)
{
    static QHash<QString, QString> answers;
    const auto known = answers.constFind(family);
    if (known != answers.constEnd())
        return *known;
    QString answer = family;
    if (!family.isEmpty() && !IsInstalled(family)) {
        const QString substitute = QString::fromStdString(platform::SubstituteFontFamily(family.toStdString()));
        if (IsInstalled(substitute))
            answer = substitute;
    }
    answers.insert(family, answer);
    return answer;
}

QFont InstalledFont(const QString &family)
{
    return QFont(InstalledFamily(family));
}

QFont InstalledFont(const QString &family, int points)
{
    QFont font = InstalledFont(family);
    font.setPointSize(points);
    return font;
}
