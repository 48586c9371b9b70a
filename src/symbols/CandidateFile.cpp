#include "symbols/CandidateFile.h"
#include "symbols/SymbolsLogging.h"

#include "lib/ULib.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A pad has ten choice slots; the key character always takes the last one.
constexpr int kMaxChoices = 10;

// A symbol set is a few hundred bytes; a larger file is read only this far.
constexpr qint64 kMaxCandidateFileBytes = 1 << 20;

}  // namespace

QString CandidateFileName(bool fullSet)
{
    return fullSet ? QStringLiteral("ipa_cand_All.txt") : QStringLiteral("ipa_cand1.txt");
}

CandidateFileResult ParseCandidateText(const QString &text, const QString &path)
{
    CandidateFileResult result;
    result.table.emplace();
    const QStringList lines = ULib::SplitLines(text);
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QStringList fields = ULib::SplitCommaText(lines[number]);
        // A line without a key character (an empty first field) names no key: it is skipped.
        if (fields.size() < 2 || fields.size() > 10 || fields[0].isEmpty())
            continue;
        QString candidates;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            if (fields[i].size() != 5) {
                candidates += fields[i];
                continue;
            }
            const std::optional<int> code = ULib::FiveCharCode(fields[i]);
            if (!code || *code < 0 || *code > 0xFFFF) {
                FileError error =
                    FileError::Because(FileError::Code::Malformed, path, FileError::Reason::NotACharacterCode);
                error.line = int(number + 1);
                error.detail = fields[i];
                result.error = error;
                return result;
            }
            candidates += QChar(char16_t(*code));
        }
        // Longer lists are cut to the slots there are, keeping the key character as the last choice.
        const QChar key = fields[0].at(0);
        (*result.table)[key] = candidates.left(kMaxChoices - 1) + key;
    }
    return result;
}

CandidateFileResult ReadCandidateFile(const QString &tblFolder, bool fullSet)
{
    const QString path = tblFolder + u'/' + CandidateFileName(fullSet);
    QFile file(path);
    if (!file.exists()) {
        qCDebug(lcSymbols) << "no symbol set at" << path;
        return {};
    }
    if (!QFileInfo(file).isFile())
        return {std::nullopt, FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::NotRegularFile)};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, FileError::CannotRead(file)};
    return ParseCandidateText(ULib::ReadTextFileCapped(file, kMaxCandidateFileBytes), path);
}
