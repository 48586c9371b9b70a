#pragma once

#include <QObject>

#include <functional>

/// Hands the characters typed into a text field to a handler before the field sees them, one
/// character at a time (one UTF-16 code unit, or a surrogate pair for a character outside the
/// BMP); the handler returns true to swallow a character. Delete is no character: the field
/// handles it. The composition engine and phonetic entry reach their fields this way.
class CharacterKeyFilter : public QObject
{
public:
    using Handler = std::function<bool(QStringView typed)>;
    /// Inserts into the field the characters of a key that the handler let through when it
    /// swallowed others of the same key (the field then does not see the key at all).
    using Inserter = std::function<void(const QString &text)>;

    CharacterKeyFilter(QObject *field, Handler handler, Inserter insertPassed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler handler_;
    Inserter insertPassed_;
};
